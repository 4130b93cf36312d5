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
    // The expression matches nothing at all in a text holding a lone surrogate, so a pair cut in
    // two by the limit, or a stray half of one anywhere, would hide the declaration.
    qsizetype length = std::min(text.size(), SearchedLength);
    if (length < text.size() && text[length].isLowSurrogate() && text[length - 1].isHighSurrogate())
        --length;
    QStringView searched = text.first(length);
    QString mended;
    if (!searched.isValidUtf16()) {
        mended = searched.toString();
        char16_t* units = reinterpret_cast<char16_t*>(mended.data());
        const qsizetype n = mended.size();
        for (qsizetype i = 0; i < n; ++i) {
            if (QChar::isHighSurrogate(units[i]) && i + 1 < n &&
                QChar::isLowSurrogate(units[i + 1]))
                ++i;
            else if (QChar::isSurrogate(units[i]))
                units[i] = QChar::ReplacementCharacter;
        }
        searched = mended;
    }
    const QRegularExpressionMatch match = meta.match(searched);
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

std::optional<CharsetGuard::Question>
CharsetGuard::question(QStringView text, const LineBreaks& lineEnds, const TextFileFormat& format)
{
    std::optional<Declaration> declaration = declared(text);
    if (!declaration)
        return std::nullopt;
    // The writer's own decision: Windows-1252 falls back to UTF-8 for characters and line ends
    // it cannot write.
    const Encoding written = writtenEncoding(text, lineEnds, format);
    if (sameFamily(declaration->encoding, written))
        return std::nullopt;
    return Question{std::move(*declaration), written};
}

bool CharsetGuard::confirm(QWidget* parent, const QString& text, const LineBreaks& lineEnds,
                           TextFileFormat* format)
{
    const std::optional<Question> asked = question(text, lineEnds, *format);
    if (!asked)
        return true;
    const Declaration& declaration = asked->declaration;
    const QString declaredName = EncodingChoice::encodingName(declaration.encoding);
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Hinweis"),
        QStringLiteral("Die Seite gibt als Zeichensatz „%1“ an, gespeichert würde sie "
                       "aber als %2. Der Browser zeigt dann Umlaute falsch an.\n"
                       "Soll sie als %3 gespeichert werden?")
            .arg(declaration.name, EncodingChoice::encodingName(asked->written), declaredName),
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
    TextFileFormat chosen = *format;
    chosen.encoding = declaration.encoding;
    if (writtenEncoding(text, lineEnds, chosen) != declaration.encoding) {
        // Only Windows-1252 can fail to be written, for a character or for a line end.
        const qsizetype bad = EncodingChoice::firstUnencodable(text);
        QMessageBox::warning(parent, QStringLiteral("Hinweis"),
                             bad >= 0 ? EncodingChoice::refusalText(text, bad)
                                      : QStringLiteral("Das Dokument kann nicht als Windows-1252 "
                                                       "gespeichert werden: Zeilenenden U+2029 "
                                                       "gibt es in dieser Kodierung nicht."));
        return false;
    }
    *format = chosen;
    return true;
}
