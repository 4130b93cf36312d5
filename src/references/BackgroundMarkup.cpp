// The body tag of the background commands: its attributes and where the old tag stands.
#include "references/BackgroundMarkup.h"

#include "core/ColorText.h"

QString htmlColorText(std::uint32_t color)
{
    // "No colour" has no page colour of its own: the page then shows the window colour.
    if (color == ColorText::None)
        color = ColorText::SystemColorBase + 5;
    if (color & ColorText::SystemColorBase)
        color = ColorText::fromQColor(ColorText::toQColor(color).toRgb()) & 0xFFFFFF;
    return QLatin1Char('#') + ColorText::toHtml(color);
}

QString colorAttribute(const char* name, std::uint32_t color)
{
    return QLatin1Char(' ') + QLatin1String(name) + QStringLiteral("=\"") + htmlColorText(color) +
           QLatin1Char('"');
}

QString backgroundImageAttribute(const BackgroundImageValues& v)
{
    if (v.file.isEmpty() && !v.fixed)
        return {};
    const QString prefix = v.external ? v.protocol + v.server + v.type : QString();
    QString attribute =
        QStringLiteral(" background=\"") + prefix + v.path + v.file + QLatin1Char('"');
    if (v.fixed)
        attribute += QStringLiteral(" bgproperties=fixed");
    return attribute;
}

QString bodyTag(const BodyAttributes& a)
{
    // No part is cut: a long image address must reach the page whole.
    return QStringLiteral("<body") + a.image + a.bgcolor + a.text + a.link + a.vlink + a.alink +
           QLatin1Char('>');
}

BodyTagPlace findBodyTag(const QStringList& lines)
{
    BodyTagPlace place;
    for (int i = 0; i < lines.size(); ++i) {
        const int column = lines.at(i).indexOf(QLatin1String("<body"), 0, Qt::CaseInsensitive);
        if (column < 0)
            continue;
        place.line = i;
        place.column = column;
        place.endLine = i;
        place.endColumn = lines.at(i).size();
        // The tag may run over several lines; a "<" before its ">" means it was never closed,
        // and then only the rest of its own line is taken, so no following tag is swallowed.
        for (int j = i; j < lines.size(); ++j) {
            const QString& text = lines.at(j);
            for (int k = j == i ? column + 1 : 0; k < text.size(); ++k) {
                if (text.at(k) == QLatin1Char('<'))
                    return place;
                if (text.at(k) == QLatin1Char('>')) {
                    place.endLine = j;
                    place.endColumn = k + 1;
                    return place;
                }
            }
        }
        return place;
    }
    return place;
}

QStringList replaceBodyTag(const QStringList& lines, const QString& tag, BodyTagPlace* place)
{
    const BodyTagPlace found = findBodyTag(lines);
    if (place)
        *place = found;
    if (!found.found())
        return lines;
    QStringList result = lines.mid(0, found.line);
    result.append(lines.at(found.line).left(found.column) + tag +
                  lines.at(found.endLine).mid(found.endColumn));
    result.append(lines.mid(found.endLine + 1));
    return result;
}
