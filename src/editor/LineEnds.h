// LineEnds: how the text control's blocks keep their file's line ends, the cuts that hold a
// very long line as several display blocks, and the characters Qt would take for line ends.
#pragma once

#include "core/TextFileCodec.h"

#include <QStringView>
#include <QTextBlock>
#include <QTextCharFormat>
#include <vector>

class QTextCursor;
class QTextDocument;

namespace LineEnds
{

// What stands between a block and the block before it. The kind is kept in the character format
// of the separator itself, so it leaves with that character when the user deletes it, and undo
// brings both back together. A separator without the property ends its line with the document's
// main kind; a cut is no line end at all: both blocks belong to one line.
enum class Join : int { Main = 0, CrLf, Lf, Cr, ParagraphSeparator, Cut };
constexpr int Property = QTextFormat::UserProperty + 0x1E0;

Join fromLineBreak(TextFileFormat::LineBreak kind);
// Main for the first block.
Join joinBefore(const QTextBlock& block);
inline bool isCut(const QTextBlock& block)
{
    return joinBefore(block) == Join::Cut;
}
// The format with the join set (Main clears it).
QTextCharFormat withJoin(QTextCharFormat format, Join join);

// U+FDD0 and U+FDD1 mark the start and end of a frame to QTextDocument, which turns them into
// block breaks when they are inserted as text. The document holds each as the noncharacter two
// above it (U+FDD2, U+FDD3), whose character format carries HeldProperty; text read from the
// document gets them back. A U+FDD2 or U+FDD3 without the property is itself.
constexpr int HeldProperty = QTextFormat::UserProperty + 0x1E1;
inline bool isFrameMarker(QChar c)
{
    return c.unicode() == 0xFDD0 || c.unicode() == 0xFDD1;
}
bool hasFrameMarker(QStringView text);
// Whether text holds a frame marker or a stand-in: typed, it must be inserted as pasted text is,
// or a stand-in could take the held format of the character in front of it.
bool needsHolding(QStringView text);
// In place: every frame marker of text becomes its stand-in. Returns their offsets in text.
std::vector<qsizetype> holdFrameMarkers(QString& text);
// The format of a stand-in character (format must not carry HeldProperty itself).
QTextCharFormat heldFormat(QTextCharFormat format);
// Inserts text at the cursor with format, each frame marker as its stand-in.
void insertText(QTextCursor& cursor, QStringView text, const QTextCharFormat& format);
// In place: the held characters of text, which the document holds from position start on,
// become frame markers again.
void restoreHeld(QString& text, const QTextDocument* doc, int start);

// Lines longer than this are held as pieces of at most this length. A piece grown by typing is
// cut again once it reaches twice as much.
constexpr qsizetype PieceLength = 1024;
constexpr qsizetype RecutLength = 2 * PieceLength;

// Where the piece of line that begins at start ends: the whole rest when it is short enough,
// else preferably behind a '>' or a blank in the last quarter of the piece, never inside a
// surrogate pair or between CR and LF.
qsizetype pieceEnd(QStringView line, qsizetype start, qsizetype pieceLength = PieceLength);

// Cuts a block longer than the piece length into pieces with cursor (inside the caller's edit
// block). Returns the number of cuts made.
int cutLongBlock(QTextCursor& cursor, const QTextBlock& block);

// The start positions (in document characters) of every block that follows a cut, kept in order
// through every change of the document, undo and redo included.
class CutIndex
{
public:
    bool isEmpty() const { return m_starts.empty(); }
    int size() const { return int(m_starts.size()); }
    // Cuts in front of the document position pos (a block starting at pos counts).
    int countUpTo(int pos) const;
    bool startsAt(int pos) const;
    void clear() { m_starts.clear(); }
    void rebuild(const QTextDocument* doc);
    // After a change reported by QTextDocument::contentsChange.
    void update(const QTextDocument* doc, int from, int removed, int added);
    const std::vector<int>& starts() const { return m_starts; }

private:
    std::vector<int> m_starts;
};

} // namespace LineEnds
