// CharsetGuard: before a page is saved, compares its own charset declaration with the encoding
// written.
#include "editor/CharsetGuard.h"

#include "editor/EncodingChoice.h"

#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

using Encoding = TextFileFormat::Encoding;

namespace
{

// Declarations stand in the head; browsers look no further either.
constexpr qsizetype searchedLength = 64 * 1024;

bool sameFamily(Encoding a, Encoding b)
{
    const auto family = [](Encoding e) { return e == Encoding::Windows1252 ? 0 : 1; };
    return family(a) == family(b);
}

} // namespace

std::optional<CharsetGuard::Declaration> CharsetGuard::declared(QStringView text)
{
    static const QRegularExpression meta(
        QStringLiteral(R"(<meta\b[^>]*?\bcharset\s*=\s*["']?\s*([A-Za-z0-9_.:-]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match =
        meta.match(text.first(std::min(text.size(), searchedLength)));
    if (!match.hasMatch())
        return std::nullopt;
    const QString name = match.captured(1);
    const QString key = name.toLower();
    if (key == QLatin1String("utf-8") || key == QLatin1String("utf8"))
        return Declaration{name, Encoding::Utf8};
    // Browsers read all of these as Windows-1252.
    for (const char* alias : {"windows-1252", "cp1252", "iso-8859-1", "iso8859-1", "latin1", "l1",
                              "us-ascii", "ascii", "x-cp1252"})
        if (key == QLatin1String(alias))
            return Declaration{name, Encoding::Windows1252};
    return std::nullopt;
}

Encoding CharsetGuard::writtenEncoding(QStringView text, const TextFileFormat& format)
{
    if (format.encoding == Encoding::Windows1252 && EncodingChoice::firstUnencodable(text) >= 0)
        return Encoding::Utf8;
    return format.encoding;
}

bool CharsetGuard::confirm(QWidget* parent, QStringView text, TextFileFormat* format)
{
    const std::optional<Declaration> declaration = declared(text);
    if (!declaration)
        return true;
    const Encoding written = writtenEncoding(text, *format);
    if (sameFamily(declaration->encoding, written))
        return true;
    const QString declaredName = EncodingChoice::encodingName(declaration->encoding);
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Hinweis"),
        QStringLiteral("Die Seite gibt als Zeichensatz „%1“ an, gespeichert würde sie "
                       "aber als %2. Der Browser zeigt dann Umlaute falsch an.\n"
                       "Soll sie als %3 gespeichert werden?")
            .arg(declaration->name, EncodingChoice::encodingName(written), declaredName),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box.setObjectName(QStringLiteral("CharsetGuard"));
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Als %1 speichern").arg(declaredName));
    box.button(QMessageBox::No)->setText(QStringLiteral("&So speichern"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Abbruch"));
    box.setDefaultButton(QMessageBox::Yes);
    const int answer = box.exec();
    if (answer == QMessageBox::No)
        return true;
    if (answer != QMessageBox::Yes)
        return false;
    if (declaration->encoding == Encoding::Windows1252) {
        const qsizetype bad = EncodingChoice::firstUnencodable(text);
        if (bad >= 0) {
            QMessageBox::warning(parent, QStringLiteral("Hinweis"),
                                 EncodingChoice::refusalText(text, bad));
            return false;
        }
    }
    format->encoding = declaration->encoding;
    return true;
}
