// The markup of the frame commands: frameset pair, frame tag, base target and target attribute.
#include "references/FrameMarkup.h"

QString framesetOpenTag(const FramesetValues& v)
{
    QString sizes;
    for (std::size_t i = 0; i < v.sizes.size(); ++i) {
        const QString& size = v.sizes[i];
        if (size.isEmpty() || i == 1)
            sizes += size;
        else if (i == 0)
            sizes += size + QLatin1Char(',');
        else
            sizes += QLatin1Char(',') + size;
    }
    return QStringLiteral("<frameset ") +
           (v.rows ? QStringLiteral("rows=\"") : QStringLiteral("cols=\"")) + sizes +
           QStringLiteral("\">");
}

QString frameTag(const FrameValues& v)
{
    const QString anchor = v.anchor.isEmpty() ? QString() : QLatin1Char('#') + v.anchor;
    const QString server = v.external ? v.protocol + v.server + v.type : QString();
    QString tag =
        QStringLiteral("<frame src=\"") + server + v.path + v.file + anchor + QLatin1Char('"');
    if (!v.name.isEmpty())
        tag += QStringLiteral(" name=\"") + v.name + QLatin1Char('"');
    // The numbers and keywords stay unquoted, as the frame tags of hand-written pages have them.
    if (!v.scrolling.isEmpty())
        tag += QStringLiteral(" scrolling=") + v.scrolling;
    if (!v.marginWidth.isEmpty())
        tag += QStringLiteral(" marginwidth=") + v.marginWidth;
    if (!v.marginHeight.isEmpty())
        tag += QStringLiteral(" marginheight=") + v.marginHeight;
    if (v.noresize)
        tag += QStringLiteral(" noresize");
    return tag + QLatin1Char('>');
}

QString baseTargetTag(const QString& target)
{
    if (target.isEmpty())
        return {};
    return QStringLiteral("<base target=\"") + target + QStringLiteral("\">");
}

QString targetAttribute(const QString& target)
{
    if (target.isEmpty())
        return {};
    return QStringLiteral("target=\"") + target + QLatin1Char('"');
}
