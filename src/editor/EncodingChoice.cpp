// EncodingChoice: names of encodings and line ends, the panel's menu, and what Windows-1252 can
// hold.
#include "editor/EncodingChoice.h"

#include <QActionGroup>
#include <QMenu>
#include <algorithm>
#include <array>

using Encoding = TextFileFormat::Encoding;
using LineBreak = TextFileFormat::LineBreak;

QString EncodingChoice::encodingName(Encoding encoding)
{
    switch (encoding) {
    case Encoding::Utf8:
        return QStringLiteral("UTF-8");
    case Encoding::Utf8Bom:
        return QStringLiteral("UTF-8 mit BOM");
    case Encoding::Windows1252:
        return QStringLiteral("Windows-1252");
    }
    return QString();
}

QString EncodingChoice::lineBreakName(LineBreak lineBreak)
{
    switch (lineBreak) {
    case LineBreak::CrLf:
        return QStringLiteral("CR LF");
    case LineBreak::Lf:
        return QStringLiteral("LF");
    case LineBreak::Cr:
        return QStringLiteral("CR");
    case LineBreak::ParagraphSeparator:
        return QStringLiteral("U+2029");
    }
    return QString();
}

QString EncodingChoice::panelText(const TextFileFormat& format)
{
    return encodingName(format.encoding) + QStringLiteral(" · ") + lineBreakName(format.lineBreak);
}

qsizetype EncodingChoice::firstUnencodable(QStringView text)
{
    // Bytes 0x80 to 0x9F decode to these; every other byte stands for the same code point.
    static const std::array<char16_t, 32> upper = [] {
        std::array<char16_t, 32> codes{};
        QByteArray bytes;
        for (int b = 0x80; b < 0xA0; ++b)
            bytes.append(char(b));
        const QString decoded = decodeWindows1252(bytes);
        for (int i = 0; i < 32; ++i)
            codes[size_t(i)] = decoded.at(i).unicode();
        return codes;
    }();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
            continue;
        if (std::find(upper.begin(), upper.end(), c) != upper.end())
            continue;
        return i;
    }
    return -1;
}

QString EncodingChoice::refusalText(QStringView text, qsizetype position)
{
    const qsizetype length = position + 1 < text.size() && text[position].isHighSurrogate() ? 2 : 1;
    const QStringView character = text.sliced(position, length);
    const char32_t code = character.toUcs4().value(0);
    const qsizetype line = text.first(position).count(u'\n') + 1;
    return QStringLiteral("Das Dokument kann nicht als Windows-1252 gespeichert werden: Das "
                          "Zeichen „%1“ (U+%2) in Zeile %3 gibt es in dieser Kodierung nicht.")
        .arg(character.toString(),
             QString::number(uint(code), 16).toUpper().rightJustified(4, QLatin1Char('0')))
        .arg(line);
}

QMenu* EncodingChoice::buildMenu(const TextFileFormat& format, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("EncodingMenu"));
    auto* encodings = new QActionGroup(menu);
    for (const Encoding e : {Encoding::Utf8, Encoding::Utf8Bom, Encoding::Windows1252}) {
        QAction* item = menu->addAction(encodingName(e));
        item->setCheckable(true);
        item->setChecked(format.encoding == e);
        item->setData(int(e));
        encodings->addAction(item);
    }
    menu->addSeparator();
    auto* breaks = new QActionGroup(menu);
    for (const LineBreak b : {LineBreak::CrLf, LineBreak::Lf}) {
        QAction* item = menu->addAction(lineBreakName(b));
        item->setCheckable(true);
        item->setChecked(format.lineBreak == b);
        item->setData(LineBreakData + int(b));
        breaks->addAction(item);
    }
    return menu;
}
