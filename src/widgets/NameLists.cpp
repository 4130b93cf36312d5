// Name lists of the font and colour boxes: the installed font families and the colour keywords.
#include "widgets/NameLists.h"

#include <QComboBox>
#include <QFontDatabase>
#include <algorithm>

namespace NameLists
{

QStringList colorNames()
{
    QStringList names;
    names.reserve(int(ColorNames.size()));
    for (const char* name : ColorNames)
        names.append(QString::fromLatin1(name));
    return names;
}

QString familyWithoutFoundry(const QString& family)
{
    // The font database tells a family that several foundries make apart as "Name [Foundry]".
    if (!family.endsWith(QLatin1Char(']')))
        return family;
    const qsizetype open = family.lastIndexOf(QStringLiteral(" ["));
    return open > 0 ? family.left(open) : family;
}

QStringList familyNames(const QStringList& databaseFamilies)
{
    QStringList families;
    families.reserve(databaseFamilies.size());
    for (const QString& family : databaseFamilies)
        families.append(familyWithoutFoundry(family));
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

QStringList installedFontFamilies()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family))
            families.append(family);
    return familyNames(families);
}

void fillColorNames(QComboBox* box)
{
    box->addItems(colorNames());
    box->setCurrentIndex(-1); // the box starts empty
}

void fillFontFamilies(QComboBox* box)
{
    box->addItems(installedFontFamilies());
    box->setCurrentIndex(-1);
}

} // namespace NameLists
