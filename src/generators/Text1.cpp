// Font markup around the selection (size, base size, colour, face) and the face dialog
// TDSchriftart.
#include "generators/Text1.h"

namespace
{

QString fontWrap(const QString& attributes, const QString& selection)
{
    return QStringLiteral("<font ") + attributes + QLatin1Char('>') + selection +
           QStringLiteral("</font>");
}

} // namespace

QString fontSizeMarkup(const QString& answer, const QString& selection)
{
    return fontWrap(QStringLiteral("size=\"") + answer + QLatin1Char('"'), selection);
}

QString baseFontMarkup(const QString& answer, const QString& selection)
{
    return QStringLiteral("<basefont size=\"") + answer + QStringLiteral("\">") + selection +
           QStringLiteral("</basefont>");
}

QString fontColorMarkup(const QString& htmlColor, const QString& selection)
{
    return fontWrap(QStringLiteral("color=\"#") + htmlColor + QLatin1Char('"'), selection);
}

QString fontFaceList(const QString& first, const QString& second, const QString& third)
{
    QString list = first;
    for (const QString& alternative : {second, third})
        if (!alternative.isEmpty())
            list += QLatin1Char(',') + alternative;
    return list;
}

QString fontFaceMarkup(const QString& faceList, const QString& selection)
{
    return fontWrap(QStringLiteral("face=\"") + faceList + QLatin1Char('"'), selection);
}
