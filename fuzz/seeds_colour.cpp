// Seeds of the colouring and charset guard targets: edit sequences over typical pages, and texts
// in each format, among them the inputs of two faults once found.
#include "CharsetGuardInput.h"
#include "ColouringInput.h"
#include "SeedWriter.h"

namespace
{

namespace C = ColouringInput;

QByteArray op(C::Operation operation, std::initializer_list<int> arguments = {})
{
    QByteArray bytes(1, char(operation));
    for (const int a : arguments)
        bytes += char(a);
    return bytes;
}

QByteArray turn(C::SwitchKind kind, std::initializer_list<int> arguments = {})
{
    QByteArray bytes = op(C::Switch, {int(kind)});
    for (const int a : arguments)
        bytes += char(a);
    return bytes;
}

void colouringSeeds()
{
    const QString page = QStringLiteral("<p class=\"a\">Text &amp; mehr</p>\n<!-- Notiz -->\n"
                                        "<img src=\"b.gif\" alt=\"x\ny\">\n<td align=left>Z</td>");
    const QByteArray show = op(C::Show, {0, 15});
    // Typing a comment open and closed again, looked at in between.
    writeSeed("colouring", "typing.bin",
              C::encodeChunk(page) + show + op(C::Insert, {0}) + C::encodeChunk("<!--") + show +
                  op(C::StateAt, {3, 2}) + op(C::Insert, {30}) + C::encodeChunk("-->") +
                  op(C::Show, {1, 3}) + op(C::Remove, {5, 4}) + show);
    // Select all and paste over a reference: the first line kept its old colours.
    writeSeed("colouring", "paste-over-all.bin",
              C::encodeChunk("-&amp; x") + show + op(C::ReplaceAll) +
                  C::encodeChunk("x<<<<<<<<<<<<") + show);
    writeSeed("colouring", "delete-all-undo.bin",
              C::encodeChunk(page) + show + op(C::ReplaceAll) + C::encodeChunk("") + turn(C::Undo) +
                  op(C::Show, {2, 2}) + turn(C::Redo) + show);
    // A value left open below the screen, found when the text rests.
    writeSeed("colouring", "rest.bin",
              C::encodeChunk(page) + op(C::Show, {0, 1}) + op(C::Replace, {1, 1}) +
                  C::encodeChunk("a title=\"") + op(C::Rest) + op(C::StateAt, {3, 1}) +
                  op(C::Show, {3, 2}));
    writeSeed("colouring", "by-formats.bin",
              C::encodeChunk(page) + show + turn(C::ByFormats, {2}) + op(C::Insert, {50}) +
                  C::encodeChunk("\"") + turn(C::DarkBackground) + show);
    writeSeed("colouring", "two-edits-colours-off.bin",
              C::encodeChunk(page) + show + turn(C::ColoursOff) + turn(C::TwoEdits) +
                  op(C::Insert, {20}) + C::encodeChunk("<b") + op(C::Remove, {0, 3}) +
                  turn(C::ColoursOn) + op(C::Show, {1, 15}));
}

void charsetGuardSeeds()
{
    using E = TextFileFormat::Encoding;
    using L = TextFileFormat::LineBreak;
    namespace G = CharsetGuardInput;
    writeSeed("charsetguard", "utf8-agrees",
              G::encode({E::Utf8, L::CrLf}, false, 0,
                        QStringLiteral("<head>\r\n<meta charset=\"utf-8\">\r\n<p>Köln 😀</p>\r\n")));
    writeSeed("charsetguard", "windows-1252-declares-utf8",
              G::encode({E::Windows1252, L::Lf}, false, 0,
                        QStringLiteral("<meta charset=UTF-8>\n<p>Grüße, 5 €</p>\n")));
    writeSeed("charsetguard", "http-equiv-falls-back",
              G::encode({E::Windows1252, L::CrLf}, true, 0,
                        QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; "
                                       "charset=iso-8859-1\">\r\n\u0141\u00F3d\u017A\r")));
    // U+2029 line ends make the writer fall back to UTF-8.
    writeSeed("charsetguard", "separator-line-ends",
              G::encode({E::Windows1252, L::Lf}, false, 0,
                        QStringLiteral("<meta charset=\"windows-1252\">\u2029K\u00F6ln\u2029")));
    writeSeed("charsetguard", "separator-main-line-end",
              G::encode({E::Windows1252, L::ParagraphSeparator}, true, 0,
                        QStringLiteral("<meta charset=latin1>\nx\n")));
    // A surrogate pair cut in two by the read limit, and a lone surrogate in front.
    const QString declaration = QStringLiteral("<meta charset=\"windows-1252\">");
    writeSeed("charsetguard", "pair-at-read-limit",
              G::encode({E::Utf8, L::CrLf}, false, int(declaration.size()) + 1,
                        declaration + QChar(0) + QStringLiteral("\U0001F600\r\n")));
    writeSeed("charsetguard", "lone-surrogate",
              G::encode({E::Utf8Bom, L::Lf}, false, 0,
                        QStringLiteral("\xD83D<meta charset=iso-8859-1>\n")));
}

const SeedTopic colouring(colouringSeeds);
const SeedTopic charsetGuard(charsetGuardSeeds);

} // namespace
