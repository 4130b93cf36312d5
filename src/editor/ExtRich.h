// TExtRich: the document's text control, a plain-text edit with CR LF positions and caret reports.
#pragma once

#include <QKeySequence>
#include <QList>
#include <QPlainTextEdit>

// Every position and length at this interface counts a line break as two characters (CR LF);
// "lines" are hard lines (text between line breaks), never wrapped screen lines. Texts handed
// in may use CR LF or LF; texts handed out use CR LF.
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

    int selStart() const;
    void setSelStart(int pos);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    // Replaces the selection (or inserts at the caret) as one undo step; caret behind the text.
    void replaceSelection(const QString& text);
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
    // Replaces the whole text ('\n' or CR LF separated) without an undo step; clears modified.
    void loadText(const QString& text);

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

    // The 6-pixel gutter on both sides of the text.
    void setEditRect();

    bool insertMode() const { return !overwriteMode(); }
    // Keys that belong to commands of the window: the control neither handles nor swallows them.
    void setCommandKeys(const QList<QKeySequence>& keys);
    // Emits posChange for the current caret and selection (caret rules of the status bar).
    void reportPosition();
    void reportMode() { emit modeChange(insertMode()); }

signals:
    void posChange(int col, int row); // col 0-based, row 1-based
    void modeChange(bool insertMode);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // Plain-text mode takes and gives only plain text through the clipboard and drops.
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;

private:
    int toQtPosition(int pos) const;
    int fromQtPosition(int qtPos) const;
    bool isCommandKey(const QKeyEvent* event) const;
    // Ctrl+letter keys other than cut, copy and paste, which the control must not act on itself.
    static bool isForeignControlKey(const QKeyEvent* event);
    void insertAtCursor(const QString& text);
    bool insertHtmlFragment(const QString& html);
    void keepSelectionVisibleWhenUnfocused();
    void changeSelectedIndents(int ParagraphIndents::*member, int points);

    bool m_plainText = true;
    QList<QKeySequence> m_commandKeys;
    // Where the last selection began, to tell at which end of a selection the caret stands.
    int m_anchorCol = 0;
    int m_anchorLine = 0;
    bool m_backward = false;
};
