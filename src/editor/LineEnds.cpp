// LineEnds: how the text control's blocks keep their file's line ends, the cuts that hold a
// very long line as several display blocks, and the characters Qt would take for line ends.
#include "editor/LineEnds.h"

#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace LineEnds
{

Join fromLineBreak(TextFileFormat::LineBreak kind)
{
    switch (kind) {
    case TextFileFormat::LineBreak::CrLf:
        return Join::CrLf;
    case TextFileFormat::LineBreak::Lf:
        return Join::Lf;
    case TextFileFormat::LineBreak::Cr:
        return Join::Cr;
    case TextFileFormat::LineBreak::ParagraphSeparator:
        return Join::ParagraphSeparator;
    }
    return Join::Main;
}

Join joinBefore(const QTextBlock& block)
{
    // The first block's "separator" is the document's initial format, which never carries one.
    if (!block.isValid() || block.position() == 0)
        return Join::Main;
    const int value = block.charFormat().intProperty(Property);
    return value > 0 && value <= int(Join::Cut) ? Join(value) : Join::Main;
}

QTextCharFormat withJoin(QTextCharFormat format, Join join)
{
    if (join == Join::Main)
        format.clearProperty(Property);
    else
        format.setProperty(Property, int(join));
    return format;
}

namespace
{

constexpr char16_t StandInOffset = 2;

bool isStandIn(char16_t c)
{
    return c == 0xFDD0 + StandInOffset || c == 0xFDD1 + StandInOffset;
}

// Whether the character at document position pos is a held frame marker's stand-in.
bool heldAt(const QTextDocument* doc, int pos)
{
    const QTextBlock block = doc->findBlock(pos);
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(pos))
            return fragment.charFormat().boolProperty(HeldProperty);
    }
    return false;
}

} // namespace

bool hasFrameMarker(QStringView text)
{
    return std::any_of(text.cbegin(), text.cend(), isFrameMarker);
}

bool needsHolding(QStringView text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return isFrameMarker(c) || isStandIn(c.unicode()); });
}

std::vector<qsizetype> holdFrameMarkers(QString& text)
{
    std::vector<qsizetype> held;
    if (!hasFrameMarker(text))
        return held;
    char16_t* data = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = 0, n = text.size(); i < n; ++i) {
        if (isFrameMarker(data[i])) {
            data[i] += StandInOffset;
            held.push_back(i);
        }
    }
    return held;
}

QTextCharFormat heldFormat(QTextCharFormat format)
{
    format.setProperty(HeldProperty, true);
    return format;
}

void insertText(QTextCursor& cursor, QStringView text, const QTextCharFormat& format)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!isFrameMarker(text[i]))
            continue;
        if (i > from)
            cursor.insertText(text.sliced(from, i - from).toString(), format);
        cursor.insertText(QString(QChar(char16_t(text[i].unicode() + StandInOffset))),
                          heldFormat(format));
        from = i + 1;
    }
    if (text.size() > from)
        cursor.insertText(text.sliced(from).toString(), format);
}

void restoreHeld(QString& text, const QTextDocument* doc, int start)
{
    const auto begin = reinterpret_cast<const char16_t*>(text.constData());
    const auto end = begin + text.size();
    const auto first = std::find_if(begin, end, isStandIn);
    if (first == end)
        return;
    char16_t* data = reinterpret_cast<char16_t*>(text.data());
    for (qsizetype i = first - begin, n = text.size(); i < n; ++i) {
        if (isStandIn(data[i]) && heldAt(doc, start + int(i)))
            data[i] -= StandInOffset;
    }
}

qsizetype pieceEnd(QStringView line, qsizetype start, qsizetype pieceLength)
{
    const qsizetype n = line.size();
    if (n - start <= pieceLength)
        return n;
    const qsizetype limit = start + pieceLength;
    const qsizetype earliest = limit - pieceLength / 4;
    // Behind a tag's end or a blank the cut falls where a reader would break the line anyway.
    for (const char16_t wanted : {u'>', u' '}) {
        for (qsizetype i = limit - 1; i >= earliest; --i) {
            if (line[i] == wanted || (wanted == u' ' && line[i] == u'\t'))
                return i + 1;
        }
    }
    qsizetype cut = limit;
    if (line[cut - 1].isHighSurrogate() && line[cut].isLowSurrogate())
        --cut;
    else if (line[cut - 1] == u'\r' && line[cut] == u'\n')
        --cut;
    return cut;
}

int cutLongBlock(QTextCursor& cursor, const QTextBlock& block)
{
    if (block.length() - 1 <= PieceLength)
        return 0;
    const QString text = block.text();
    std::vector<qsizetype> cuts;
    for (qsizetype start = 0, end; (end = pieceEnd(text, start)) < text.size(); start = end)
        cuts.push_back(end);
    const int base = block.position();
    const QTextBlockFormat blockFormat = block.blockFormat();
    const QTextCharFormat separator = withJoin(QTextCharFormat(), Join::Cut);
    // From the back, so that the positions of the earlier cuts stay as computed.
    for (auto it = cuts.crbegin(); it != cuts.crend(); ++it) {
        cursor.setPosition(base + int(*it));
        cursor.insertBlock(blockFormat, separator);
    }
    return int(cuts.size());
}

int CutIndex::countUpTo(int pos) const
{
    return int(std::upper_bound(m_starts.cbegin(), m_starts.cend(), pos) - m_starts.cbegin());
}

bool CutIndex::startsAt(int pos) const
{
    return std::binary_search(m_starts.cbegin(), m_starts.cend(), pos);
}

void CutIndex::rebuild(const QTextDocument* doc)
{
    m_starts.clear();
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (isCut(block))
            m_starts.push_back(block.position());
    }
}

void CutIndex::update(const QTextDocument* doc, int from, int removed, int added)
{
    // Starts inside the old stretch are gone; the ones behind it move with the text.
    const auto gone = std::lower_bound(m_starts.begin(), m_starts.end(), from);
    const auto kept = std::upper_bound(gone, m_starts.end(), from + removed);
    for (auto it = kept; it != m_starts.end(); ++it)
        *it += added - removed;
    m_starts.erase(gone, kept);

    // Every block the new stretch touches is read again, from the one it begins in to the one
    // its end reaches (whose separator may have changed).
    QTextBlock first = doc->findBlock(from);
    QTextBlock last = doc->findBlock(from + added);
    if (!first.isValid())
        first = doc->lastBlock();
    if (!last.isValid())
        last = doc->lastBlock();
    std::vector<int> found;
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (isCut(block))
            found.push_back(block.position());
        if (block == last)
            break;
    }
    const auto low = std::lower_bound(m_starts.begin(), m_starts.end(), first.position());
    const auto high = std::upper_bound(low, m_starts.end(), last.position());
    m_starts.insert(m_starts.erase(low, high), found.cbegin(), found.cend());
}

} // namespace LineEnds
