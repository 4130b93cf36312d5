// All font settings at once: the markup and the dialog TDSchriftartAlle.
#include "generators/Text2.h"

#include "generators/Text1.h"

QString allFontMarkup(const AllFontSettings& settings, const QString& selection)
{
    QString open = QStringLiteral("<font");
    if (!settings.first.isEmpty())
        open += QStringLiteral(" face=\"") +
                fontFaceList(settings.first, settings.second, settings.third) + QLatin1Char('"');
    if (!settings.color.isEmpty())
        open += QStringLiteral(" color=\"") + settings.color + QLatin1Char('"');
    if (!settings.size.isEmpty())
        open += QStringLiteral(" size=\"") + settings.size + QLatin1Char('"');
    return open + QLatin1Char('>') + selection + QStringLiteral("</font>");
}
