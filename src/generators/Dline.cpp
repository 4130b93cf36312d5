// Horizontal rules with attributes: their markup, the rule dialog TDHrMore and the sized rule.
#include "generators/Dline.h"

namespace
{

void addAttribute(QString& markup, const char* name, const QString& value)
{
    if (!value.isEmpty())
        markup += QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + value +
                  QLatin1Char('"');
}

} // namespace

QString ruleMarkup(const RuleSettings& settings)
{
    QString markup = QStringLiteral("<hr");
    if (settings.noshade)
        markup += QStringLiteral(" noshade");
    addAttribute(markup, "width", settings.width);
    addAttribute(markup, "size", settings.size);
    addAttribute(markup, "align", settings.align);
    addAttribute(markup, "color", settings.color);
    return markup + QLatin1Char('>');
}

QString sizedRuleMarkup(const QString& answer)
{
    if (answer.isEmpty())
        return {};
    return QStringLiteral("<hr size=\"") + answer + QStringLiteral("\">");
}
