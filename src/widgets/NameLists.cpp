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

QStringList installedFontFamilies()
{
    QStringList families;
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family))
            families.append(family);
    std::sort(families.begin(), families.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
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
