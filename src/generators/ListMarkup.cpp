// Markup of the eight HTML list kinds and of a form's selection list, and the table of the nine
// list commands.
#include "generators/ListMarkup.h"

namespace
{

constexpr int ListGridHeight = 201;
constexpr int SelectionGridHeight = 176;
constexpr int ListHelpTopic = 314;
constexpr int SelectionHelpTopic = 302;

const ListKindSpec specs[] = {
    {ListKind::Numbered, "Listenummeriert1Click", "Liste nummeriert (1., 2., 3., ...)", "<ol>",
     "</ol>", ListGridHeight, ListHelpTopic},
    {ListKind::UpperAlpha, "ListenmitBuchstabengro1Click",
     "Listen mit Buchstaben groß (A., B., C., ...)", "<ol type=A>", "</ol>", ListGridHeight,
     ListHelpTopic},
    {ListKind::LowerAlpha, "ListeBuchstabenklein1Click",
     "Listen mit Buchstaben klein (a., b., c., ...)", "<ol type=a>", "</ol>", ListGridHeight,
     ListHelpTopic},
    {ListKind::UpperRoman, "ListeRmischeZahlengro1Click",
     "Listen Römische zahlen groß (I., II., III., ...)", "<ol type=I>", "</ol>", ListGridHeight,
     ListHelpTopic},
    {ListKind::LowerRoman, "ListeRmischeZahlenklein1Click",
     "Listen Römische zahlen klein (i., ii., iii., ...)", "<ol type=i>", "</ol>", ListGridHeight,
     ListHelpTopic},
    {ListKind::BulletRound, "BulletlisteRund1Click", "Bulletliste Rund", "<ul>", "</ul>",
     ListGridHeight, ListHelpTopic},
    {ListKind::BulletSquare, "BulletlisteRechteckig1Click", "Bulletliste Rechteckig",
     "<ul type=square>", "</ul>", ListGridHeight, ListHelpTopic},
    {ListKind::Directory, "DirectoryListe1Click", "Directory Liste", "<dir>", "</dir>",
     ListGridHeight, ListHelpTopic},
    {ListKind::Selection, "Auswahlliste1Click", "Auswahliste", "", "</select>", SelectionGridHeight,
     SelectionHelpTopic},
};

const QString CrLf = QStringLiteral("\r\n");

} // namespace

const ListKindSpec& listKindSpec(ListKind kind)
{
    return specs[static_cast<int>(kind)];
}

std::span<const ListKindSpec> listKindSpecs()
{
    return specs;
}

QString listMarkup(ListKind kind, const QStringList& lines)
{
    const ListKindSpec& spec = listKindSpec(kind);
    QString markup = QString::fromUtf8(spec.opening) + CrLf;
    for (const QString& line : lines)
        markup += QStringLiteral("\t<li>") + line + QStringLiteral("</li>") + CrLf;
    return markup + QString::fromUtf8(spec.closing);
}

SelectListValues selectListValues(const QString& name, const QString& size, bool multiple)
{
    return {name, size.isEmpty() ? QString() : QStringLiteral(" size=") + size,
            multiple ? QStringLiteral(" multiple") : QString()};
}

QString selectListMarkup(const SelectListValues& values, const QStringList& lines)
{
    QString markup = QStringLiteral("<select name=\"") + values.name + QLatin1Char('"') +
                     values.sizePart + values.multiplePart + QLatin1Char('>') + CrLf;
    for (const QString& line : lines)
        markup += QStringLiteral("\t<option>") + line + CrLf;
    return markup + QString::fromUtf8(listKindSpec(ListKind::Selection).closing);
}
