// TExtRich: the document's text control, a plain-text edit with CR LF positions and caret reports.
#pragma once

#include "core/TextFileCodec.h"
#include "editor/LineEnds.h"

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>
#include <QRegion>
#include <QTextLayout>
#include <functional>
#include <memory>
#include <utility>

class GlyphCache;
class HtmlHighlighter;
class LineNumberGutter;
class TextMarks;

// Every position and length at this interface counts a line break as two characters (CR LF);
// "lines" are hard lines (text between line breaks), never wrapped screen lines. Texts handed
// in may use CR LF, LF, a lone CR or U+2029 between lines; texts handed out use CR LF. U+2028 is
// an ordinary character.
//
// Each line keeps the line end it had in its file, and lines added here get the file's main
// kind, so an unedited line is written back byte for byte. In plain-text mode a line longer
// than LineEnds::PieceLength is held as several blocks joined by cuts, which keeps its layout,
// and so every keystroke, bounded; nothing at this interface shows the cuts.
class TExtRich : public QPlainTextEdit
{
    Q_OBJECT
public:
    // Paragraph indents in whole points. The left indent is relative to the first-line indent:
    // later lines start at first + left. The document keeps them in the block format in pixels
    // (4/3 pixel per point): leftMargin = first + left, textIndent = -left, rightMargin = right.
    struct ParagraphIndents {
        int first = 0;
        int left = 0;
        int right = 0;
        bool operator==(const ParagraphIndents&) const = default;
    };

    explicit TExtRich(QWidget* parent = nullptr);
    ~TExtRich() override;
    // The blank strip on either side of the text.
    static constexpr int Gutter = 6;

    int selStart() const;
    void setSelStart(int pos);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    enum class UndoStep { Own, JoinPrevious };
    // Replaces the selection (or inserts at the caret) as one undo step, or as part of the
    // previous one; caret behind the text.
    void replaceSelection(const QString& text, UndoStep step = UndoStep::Own);
    void selectAllText();
    void cutSelection();
    void copySelection();
    void pasteClipboard();
    void deleteSelection();
    void undoLast();
    bool canUndo() const;

    int lineCount() const;
    QString line(int index) const;
    void setLine(int index, const QString& text);
    void clearLines();
    int lineOfPosition(int pos) const;
    int firstPositionOfLine(int index) const;

    bool isModified() const;
    void setModified(bool modified);
    int textLength() const;
    QString text() const;
    // length characters of the text from start, as text().mid(start, length) gives them.
    QString textSpan(int start, int length) const;
    // Replaces the whole text without an undo step; every line ends with the main kind. Clears
    // the modified flag.
    void loadText(const QString& text);
    // The same for a file's lines: text holds them separated by '\n', lineEnds how each ended
    // (missing entries: mainBreak); lines added later end with mainBreak.
    void loadText(const QString& text, const LineBreaks& lineEnds,
                  TextFileFormat::LineBreak mainBreak);
    TextFileFormat::LineBreak mainLineBreak() const { return m_mainBreak; }
    // Whether the document's changes now come from loadText.
    bool isLoading() const { return m_loading; }
    // Lines that end with the main kind (and lines added later) end with this one from now on.
    void setMainLineBreak(TextFileFormat::LineBreak kind) { m_mainBreak = kind; }
    // The text as its file holds it: lines separated by '\n', and how each line but the last
    // ends (left empty when every line ends with the main kind).
    QString fileText(LineBreaks* lineEnds) const;
    // Replaces every line by convert(line) as one undo step, writing only the changed stretch
    // of each changed line, so formats elsewhere stay. convert must not add line breaks.
    // Returns whether the text changed; the caret keeps its place as far as the text allows.
    bool convertLines(const std::function<QString(const QString&)>& convert);

    // Plain-text mode (the default) or rich-text mode for ".rtf" documents.
    bool isPlainTextMode() const { return m_plainText; }
    void setPlainTextMode(bool plain);

    // Plain-text mode aligns the whole text; rich-text mode aligns the selected paragraphs.
    void setTextAlignment(Qt::Alignment alignment);
    Qt::Alignment textAlignment() const;

    ParagraphIndents paragraphIndents() const;                 // paragraph at the selection start
    void setParagraphIndents(const ParagraphIndents& indents); // every selected paragraph
    // One indent of every selected paragraph; each paragraph keeps its other two.
    void setFirstIndent(int points);
    void setLeftIndent(int points);
    void setRightIndent(int points);

    // Word wrap on shows only the vertical scroll bar, off shows both.
    bool wordWrap() const { return lineWrapMode() != QPlainTextEdit::NoWrap; }
    void setWordWrap(bool on);
    // With want-tabs on the Tab key types a tab, with it off the key moves the focus on.
    bool wantTabs() const { return !tabChangesFocus(); }
    void setWantTabs(bool on) { setTabChangesFocus(!on); }

    // The 6-pixel gutter on both sides of the text, and the line numbers left of it when shown.
    void setEditRect();

    // HTML colours of plain text (rich text keeps its own formats).
    bool syntaxColours() const { return m_coloursWanted; }
    void setSyntaxColours(bool on);
    HtmlHighlighter* highlighter() const { return m_highlighter; }
    // Wavy underlines with tooltips that other parts of the editor lay over the text.
    TextMarks* marks() const { return m_marks; }
    bool lineNumbersShown() const;
    void setLineNumbersShown(bool on);
    // Width of everything left of the text: the line numbers and the gutter.
    int textLeft() const { return viewportMargins().left(); }
    // The hard line a document block belongs to (0-based).
    int lineOfBlock(const QTextBlock& block) const { return hardLineOf(block); }

    bool insertMode() const { return !overwriteMode(); }
    // Keys that belong to commands of the window: the control neither handles nor swallows them.
    void setCommandKeys(const QList<QKeySequence>& keys);
    // Emits posChange for the current caret and selection (caret rules of the status bar).
    void reportPosition();
    void reportMode() { emit modeChange(insertMode()); }

signals:
    void posChange(int col, int row); // col 0-based, row 1-based
    void modeChange(bool insertMode);
    // The text moved sideways (line numbers shown or hidden, or their width grew).
    void textLeftChanged(int left);
    // Blocks first to last are about to be drawn, within area of the viewport: what is laid
    // over them is found now.
    void aboutToDrawBlocks(const QTextBlock& first, const QTextBlock& last, const QRegion& area);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Plain-text mode takes and gives only plain text through the clipboard and drops.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    friend class LineNumberGutter;
    int toQtPosition(int pos) const;
    int fromQtPosition(int qtPos) const;
    // Interface position of a block's first character.
    int interfaceStart(const QTextBlock& block) const;
    int hardLineOf(const QTextBlock& block) const;
    QTextBlock firstPiece(int line) const;
    QTextBlock lastPieceOf(const QTextBlock& block) const;
    // Every text read from the document passes here: the document's text from qtStart on as
    // the file has it, frame markers held as other characters given back.
    QString fromDocument(QString documentText, int qtStart) const;
    QString blockText(const QTextBlock& block) const;
    // Document text from qtStart on with each separator as lineBreak, cuts dropped.
    QString withBreaks(const QString& spanText, int qtStart, QStringView lineBreak) const;
    // Every text put into the document passes here (loading aside, which does the same).
    void insertDocumentText(QTextCursor& cursor, QStringView text, const QTextCharFormat& format);
    // Replaces the cursor's selection by text inside the caller's edit block: each line break
    // of text starts a line of the main kind, and lines grown too long are cut.
    void insertLines(QTextCursor& cursor, QStringView text);
    void cutLongBlocks(int fromQt, int toQt);
    // The widget's cursor, moved from a cut's edge to the next character in the direction of a
    // key that works on characters, so that no keystroke is spent on the invisible cut.
    void stepOverCuts(const QKeyEvent* event);
    void breakLine();
    void wholeLines(QTextCursor& cursor) const;
    void documentChanged(int from, int removed, int added);
    bool isCommandKey(const QKeyEvent* event) const;
    // Ctrl+letter keys other than cut, copy and paste, which the control must not act on itself.
    static bool isForeignControlKey(const QKeyEvent* event);
    void insertAtCursor(const QString& text);
    bool insertHtmlFragment(const QString& html);
    void keepSelectionVisibleWhenUnfocused();
    void changeSelectedIndents(int ParagraphIndents::*member, int points);
    void paintColoured(QPaintEvent* event);
    void paintBlockText(QPainter* painter, const QTextBlock& block, const QPointF& offset,
                        const QList<QTextLayout::FormatRange>& selections, const QRect& area,
                        const QColor& text);
    void paintMarks(const QPaintEvent* event);
    // The first and the last block on screen, the pieces of a shown row of an unwrapped cut line
    // included. Pieces below those laid out are settled on the way, as drawing needs them.
    std::pair<QTextBlock, QTextBlock> shownBlocks();
    // The first block from block on that does not go on in the row in front of it.
    QTextBlock pastCutRow(QTextBlock block) const;
    // The document position at a viewport point in a row that pieces of a cut line share,
    // where the plain-text edit would find another; -1 elsewhere.
    int rowPositionAt(const QPointF& point) const;
    enum class RowPlacement { Press, Drag, Word };
    void placeCaretInRow(const QMouseEvent* event, RowPlacement placement);
    // After Up or Down: the caret in the next row, in the piece that stands at its x.
    void moveAcrossCutRows(bool down, QTextCursor::MoveMode mode, int rowBefore);
    // After Home or End: on to the start or end of the screen row, which pieces of a cut line
    // share.
    void moveToRowEdge(bool end, QTextCursor::MoveMode mode);
    // The last piece that stands in the row of a block's last line.
    QTextBlock lastPieceInRow(QTextBlock block) const;

    bool m_plainText = true;
    QList<QKeySequence> m_commandKeys;
    // Where the last selection began, to tell at which end of a selection the caret stands.
    int m_anchorCol = 0;
    int m_anchorLine = 0;
    bool m_backward = false;

    TextFileFormat::LineBreak m_mainBreak = TextFileFormat::LineBreak::CrLf;
    LineEnds::CutIndex m_cuts;
    // Whether a cut ever existed since the text was loaded (undo may bring one back).
    bool m_cutsPossible = false;
    // Whether a separator ever carried a line end other than the main kind, or a cut.
    bool m_marked = false;
    bool m_loading = false;
    // Whether a frame marker was ever held since the text was loaded (undo may bring one back).
    bool m_held = false;

    HtmlHighlighter* m_highlighter = nullptr;
    bool m_coloursWanted = true;
    LineNumberGutter* m_numbers = nullptr;
    TextMarks* m_marks = nullptr;
    std::unique_ptr<GlyphCache> m_glyphs;
};
