// ParagraphLayout: the plain-text document layout that also draws paragraph indents and alignment.
#pragma once

#include "editor/LineEnds.h"

#include <QPlainTextDocumentLayout>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>
#include <limits>
#include <unordered_map>

// Lays out every block itself, the way the plain-text layout does, plus the indents and alignment
// a block format may carry. Doing all of it here also keeps the base layout from walking every
// block of the document whenever the widest line is laid out again: the width of unwrapped text
// is kept here as the widest line laid out so far.
//
// The pieces of a cut line read as one line: a piece goes on in the row where the piece before
// it ended, at the x where that one's text ended. Its first line then stands one row above its
// block (the block before holds that row), so the blocks still stack one under the other. With
// word wrap on, the row at a cut breaks where the uncut line would break it, found by laying out
// the row's text on both sides of the cut once more; with word wrap off, the pieces of the line
// stand in one row, up to a few pieces per row.
class ParagraphLayout : public QPlainTextDocumentLayout
{
    Q_OBJECT
public:
    explicit ParagraphLayout(QTextDocument* document);

    // Unwrapped, a row holds at most this many pieces of a cut line: lines up to 6 000 to 8 000
    // characters show in one row, longer ones go on in the next. A row of pixels wider than
    // QTextLine can place is impossible, and the view walks over every piece of a row it passes.
    static constexpr int MostPiecesInRow = int(8 * 1024 / LineEnds::PieceLength);

    // The view whose width the plain-text edit hands to the base layout as the text width.
    void setView(QWidget* view) { m_view = view; }
    // Draws lines first to last of a block again; the view knows where the block stands.
    // Without it the block's whole box is drawn again. A last of ToViewEnd draws everything
    // from the first line down.
    using LineRepainter = std::function<void(const QTextBlock&, int first, int last)>;
    static constexpr int ToViewEnd = std::numeric_limits<int>::max();
    void setLineRepainter(LineRepainter repaint) { m_repaintLines = std::move(repaint); }
    // Whether the document may hold cut lines at all; without it every block is asked. Asking
    // a block costs a look-up of its separator's format, many times for each repaint.
    void setCutsPossible(std::function<bool()> possible) { m_cutsPossible = std::move(possible); }

    QRectF blockBoundingRect(const QTextBlock& block) const override;
    QSizeF documentSize() const override;

    // A piece of a cut line that started a row of its own while the pieces in front were not
    // laid out goes on in the row of the one in front once that one is: called before a block
    // is drawn, in order from the top.
    void settle(const QTextBlock& block);

    // Whether block's first line goes on in the row of the block before it.
    static bool continuesRow(const QTextBlock& block);
    // The block whose box holds the row of block's first line.
    static QTextBlock rowStart(QTextBlock block);

protected:
    void documentChanged(int from, int removed, int added) override;

private:
    struct Geometry {
        qreal firstX = 0;
        qreal firstWidth = 0;
        qreal otherX = 0;
        qreal otherWidth = 0;
        Qt::Alignment alignment;
    };
    Geometry geometryOf(const QTextBlock& block) const;
    bool laidOutAs(const QTextBlock& block, const Geometry& geometry) const;
    void layOut(const QTextBlock& block, const Geometry& geometry);

    // How the last row of a piece that a cut follows ends, which the piece behind goes on from.
    struct RowEnd {
        qreal rowX = 0;
        qreal rowWidth = 0;
        qreal endX = 0;
        // The row's height, rounded up as blocks are stacked.
        qreal rowHeight = 0;
        // With word wrap: the row's text so far, and how many characters of the text behind
        // the cut still stand in it (0: the text behind starts a row of its own).
        QString rowText;
        int carried = 0;
        // How many pieces stand in the row so far.
        int pieces = 0;
        bool operator==(const RowEnd&) const = default;
    };
    // What was laid out for a block of a cut line, kept while the block's lines are given back.
    struct Record {
        int length = 0;
        qreal otherX = 0;
        qreal otherWidth = 0;
        bool wrapped = false;
        // The row end the block started from (rowHeight 0: none), and its own.
        RowEnd entry;
        RowEnd exit;
    };
    bool cutsPossible() const;
    // Whether block follows a cut, asking the block only where cuts are possible at all.
    bool isCut(const QTextBlock& block) const;
    bool inCutLine(const QTextBlock& block) const;
    // Whether block's lines are laid out for the row end in front as it stands.
    bool laidOutInRow(const QTextBlock& block) const;
    const Record* validRecord(const QTextBlock& block, const Geometry& geometry) const;
    // The row end block starts from, laying out the pieces in front of it first where needed;
    // a default RowEnd (rowHeight 0) when it starts a row of its own.
    RowEnd entryOf(const QTextBlock& block);
    RowEnd exitOf(const QTextBlock& block, const RowEnd& entry, QTextLayout* layout,
                  qreal lastLineWidth);
    // How many characters of the row that starts with rowText fit in width with the text
    // behind the cut at block (the piece behind a cut).
    int rowBreak(const QString& rowText, qreal width, const QTextBlock& behind) const;
    // Moves the unwrapped pieces from block on sideways; returns how far the furthest reaches.
    qreal shiftRow(const QTextBlock& block, qreal by);
    // Wrapped, moves the first row of block to the new row end in front when that row keeps its
    // characters and block has rows of its own below; false when block must be laid out anew.
    bool moveFirstRow(const QTextBlock& block, const RowEnd& entry);
    // Drops the records of a changed block, and of the pieces whose rows depend on it.
    void forget(const QTextBlock& block);
    std::unordered_map<int, Record> m_records;
    // Nesting of layOut (the pieces in front are laid out inside it), and whether the document
    // size changed meanwhile.
    int m_depth = 0;
    bool m_sizeChanged = false;
    bool m_telling = false;

    QPointer<QWidget> m_view;
    LineRepainter m_repaintLines;
    std::function<bool()> m_cutsPossible;
    // The widest line laid out since the whole text was last replaced, margins included.
    qreal m_widest = 0;
    // The block count the base layout last saw; -1 before it saw one.
    int m_blockCount = -1;
};
