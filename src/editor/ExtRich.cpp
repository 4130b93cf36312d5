// TExtRich: the document's text control, a plain-text edit with CR LF positions and caret reports.
#include "editor/ExtRich.h"

#include "editor/ParagraphLayout.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int gutter = 6;
constexpr qreal pixelsPerPoint = 4.0 / 3.0;

// Every hard line of the control is one block, and every block break counts as CR LF. Texts come
// in with CR LF, LF or a lone CR; a lone CR becomes a break as well, because QTextDocument cannot
// hold a CR character (it turns one into a block break itself). Line and paragraph separators
// would otherwise stay inside a block as one character and shift all positions behind them.
QString normalizedBreaks(const QString& text)
{
    QString result = text;
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    result.replace(QChar(u'\r'), QChar(u'\n'));
    result.replace(QChar::LineSeparator, QChar(u'\n'));
    result.replace(QChar::ParagraphSeparator, QChar(u'\n'));
    return result;
}

// Block texts of a selection carry U+2029 between blocks.
QString withBreaks(QString text, const QString& lineBreak)
{
    return text.replace(QChar::ParagraphSeparator, lineBreak);
}

qreal pixelsFromPoints(int points)
{
    return points * pixelsPerPoint;
}

// Truncates toward zero; the tiny bias keeps n * 4/3 * 3/4 from landing just below n. Block
// formats written by the RTF reader may hold anything, so absurd values are clamped first.
int pointsFromPixels(qreal pixels)
{
    if (!std::isfinite(pixels))
        return 0;
    const qreal points = std::clamp(pixels / pixelsPerPoint, -1.0e7, 1.0e7);
    return int(points + (points < 0 ? -1.0e-6 : 1.0e-6));
}

TExtRich::ParagraphIndents indentsOf(const QTextBlockFormat& format)
{
    TExtRich::ParagraphIndents indents;
    indents.first = pointsFromPixels(format.leftMargin() + format.textIndent());
    indents.left = pointsFromPixels(-format.textIndent());
    indents.right = pointsFromPixels(format.rightMargin());
    return indents;
}

QTextBlockFormat formatOf(const TExtRich::ParagraphIndents& indents)
{
    QTextBlockFormat format;
    format.setLeftMargin(pixelsFromPoints(indents.first) + pixelsFromPoints(indents.left));
    format.setTextIndent(-pixelsFromPoints(indents.left));
    format.setRightMargin(pixelsFromPoints(indents.right));
    return format;
}

} // namespace

TExtRich::TExtRich(QWidget* parent) : QPlainTextEdit(parent)
{
    // A document of our own, whose layout draws paragraph indents and alignment.
    auto* doc = new QTextDocument(this);
    auto* layout = new ParagraphLayout(doc);
    layout->setPaintDevice(viewport());
    layout->setView(viewport());
    doc->setDocumentLayout(layout);
    doc->setDefaultFont(font());
    setDocument(doc);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabChangesFocus(false);
    setOverwriteMode(false);
    // The gutter beside the viewport is painted by this widget: give it the text background.
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    keepSelectionVisibleWhenUnfocused();
    setEditRect();
}

// ---- positions ----------------------------------------------------------------------------

int TExtRich::fromQtPosition(int qtPos) const
{
    const QTextDocument* doc = document();
    qtPos = std::clamp(qtPos, 0, std::max(0, doc->characterCount() - 1));
    return qtPos + doc->findBlock(qtPos).blockNumber();
}

int TExtRich::toQtPosition(int pos) const
{
    const QTextDocument* doc = document();
    pos = std::clamp(pos, 0, textLength());
    // The last block whose first interface position is <= pos. Qt already counts one character
    // per earlier break, the interface one more.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (doc->findBlockByNumber(mid).position() + mid <= pos)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int column = pos - (block.position() + low);
    // A position between CR and LF stands at the end of its line.
    return block.position() + std::min(column, block.length() - 1);
}

int TExtRich::textLength() const
{
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + doc->blockCount() - 1;
}

// ---- selection ----------------------------------------------------------------------------

int TExtRich::selStart() const
{
    return fromQtPosition(textCursor().selectionStart());
}

void TExtRich::setSelStart(int pos)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(toQtPosition(pos));
    setTextCursor(cursor);
}

int TExtRich::selLength() const
{
    const QTextCursor cursor = textCursor();
    return fromQtPosition(cursor.selectionEnd()) - fromQtPosition(cursor.selectionStart());
}

void TExtRich::setSelLength(int length)
{
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    const int interfaceStart = fromQtPosition(start);
    length = std::clamp(length, 0, textLength() - interfaceStart);
    cursor.setPosition(start);
    cursor.setPosition(toQtPosition(interfaceStart + length), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

QString TExtRich::selText() const
{
    return withBreaks(textCursor().selectedText(), QStringLiteral("\r\n"));
}

void TExtRich::insertAtCursor(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertText(normalizedBreaks(text));
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void TExtRich::replaceSelection(const QString& text)
{
    insertAtCursor(text);
}

void TExtRich::selectAllText()
{
    selectAll();
}

void TExtRich::cutSelection()
{
    cut();
}

void TExtRich::copySelection()
{
    copy();
}

void TExtRich::pasteClipboard()
{
    paste();
}

void TExtRich::deleteSelection()
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection())
        return;
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void TExtRich::undoLast()
{
    undo();
}

bool TExtRich::canUndo() const
{
    return document()->isUndoAvailable();
}

// ---- lines --------------------------------------------------------------------------------

int TExtRich::lineCount() const
{
    return document()->blockCount();
}

QString TExtRich::line(int index) const
{
    const QTextBlock block = document()->findBlockByNumber(index);
    return block.isValid() ? block.text() : QString();
}

void TExtRich::setLine(int index, const QString& text)
{
    const QTextBlock block = document()->findBlockByNumber(index);
    if (!block.isValid())
        return;
    QTextCursor cursor(document());
    cursor.setPosition(block.position());
    cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(normalizedBreaks(text));
    cursor.endEditBlock();
}

void TExtRich::clearLines()
{
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    if (!cursor.hasSelection())
        return;
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    cursor.endEditBlock();
}

int TExtRich::lineOfPosition(int pos) const
{
    return document()->findBlock(toQtPosition(pos)).blockNumber();
}

int TExtRich::firstPositionOfLine(int index) const
{
    const QTextDocument* doc = document();
    index = std::clamp(index, 0, doc->blockCount() - 1);
    return doc->findBlockByNumber(index).position() + index;
}

// ---- whole text ---------------------------------------------------------------------------

bool TExtRich::isModified() const
{
    return document()->isModified();
}

void TExtRich::setModified(bool modified)
{
    document()->setModified(modified);
}

QString TExtRich::text() const
{
    const QTextDocument* doc = document();
    QString result;
    result.reserve(textLength());
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block != doc->begin())
            result += QLatin1String("\r\n");
        result += block.text();
    }
    return result;
}

void TExtRich::loadText(const QString& text)
{
    // setPlainText inserts with the undo stack switched off, which also empties it.
    setPlainText(normalizedBreaks(text));
    document()->clearUndoRedoStacks();
    moveCursor(QTextCursor::Start);
    document()->setModified(false);
}

// ---- formats ------------------------------------------------------------------------------

void TExtRich::setPlainTextMode(bool plain)
{
    m_plainText = plain;
}

void TExtRich::setTextAlignment(Qt::Alignment alignment)
{
    alignment &= Qt::AlignHorizontal_Mask;
    if (m_plainText) {
        QTextOption option = document()->defaultTextOption();
        if (option.alignment() == alignment)
            return;
        option.setAlignment(alignment);
        document()->setDefaultTextOption(option);
        return;
    }
    QTextCursor cursor = textCursor();
    QTextBlockFormat format;
    format.setAlignment(alignment);
    cursor.beginEditBlock();
    cursor.mergeBlockFormat(format);
    cursor.endEditBlock();
}

Qt::Alignment TExtRich::textAlignment() const
{
    if (m_plainText)
        return document()->defaultTextOption().alignment() & Qt::AlignHorizontal_Mask;
    const QTextBlock block = document()->findBlock(textCursor().selectionStart());
    return block.blockFormat().alignment() & Qt::AlignHorizontal_Mask;
}

TExtRich::ParagraphIndents TExtRich::paragraphIndents() const
{
    return indentsOf(document()->findBlock(textCursor().selectionStart()).blockFormat());
}

void TExtRich::setParagraphIndents(const ParagraphIndents& indents)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.mergeBlockFormat(formatOf(indents));
    cursor.endEditBlock();
}

void TExtRich::changeSelectedIndents(int ParagraphIndents::*member, int points)
{
    const QTextCursor selection = textCursor();
    const QTextDocument* doc = document();
    const QTextBlock last = doc->findBlock(selection.selectionEnd());
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    for (QTextBlock block = doc->findBlock(selection.selectionStart()); block.isValid();
         block = block.next()) {
        ParagraphIndents indents = indentsOf(block.blockFormat());
        indents.*member = points;
        cursor.setPosition(block.position());
        cursor.mergeBlockFormat(formatOf(indents));
        if (block == last)
            break;
    }
    cursor.endEditBlock();
}

void TExtRich::setFirstIndent(int points)
{
    changeSelectedIndents(&ParagraphIndents::first, points);
}

void TExtRich::setLeftIndent(int points)
{
    changeSelectedIndents(&ParagraphIndents::left, points);
}

void TExtRich::setRightIndent(int points)
{
    changeSelectedIndents(&ParagraphIndents::right, points);
}

void TExtRich::setWordWrap(bool on)
{
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void TExtRich::setEditRect()
{
    // The text starts right behind the gutter and at the very top, so no document margin.
    if (viewportMargins() != QMargins(gutter, 0, gutter, 0))
        setViewportMargins(gutter, 0, gutter, 0);
    // Changing the margin counts as a change of the document; the text itself stays the same.
    QTextDocument* doc = document();
    if (doc->documentMargin() != 0) {
        const bool modified = doc->isModified();
        doc->setDocumentMargin(0);
        doc->setModified(modified);
    }
}

void TExtRich::keepSelectionVisibleWhenUnfocused()
{
    QPalette pal = palette();
    const QPalette::ColorRole roles[] = {QPalette::Highlight, QPalette::HighlightedText};
    bool changed = false;
    for (const QPalette::ColorRole role : roles) {
        if (pal.brush(QPalette::Inactive, role) != pal.brush(QPalette::Active, role)) {
            pal.setBrush(QPalette::Inactive, role, pal.brush(QPalette::Active, role));
            changed = true;
        }
    }
    if (changed)
        setPalette(pal);
}

// ---- caret reports ------------------------------------------------------------------------

void TExtRich::reportPosition()
{
    const QTextCursor cursor = textCursor();
    const QTextDocument* doc = document();
    const QTextBlock startBlock = doc->findBlock(cursor.selectionStart());
    const int line = startBlock.blockNumber();
    const int col = cursor.selectionStart() - startBlock.position();

    if (!cursor.hasSelection()) {
        m_anchorCol = col;
        m_anchorLine = line;
        m_backward = false;
        emit posChange(col, line + 1);
        return;
    }
    if (line < m_anchorLine || (line == m_anchorLine && col < m_anchorCol)) {
        m_anchorCol = col;
        m_anchorLine = line;
        m_backward = true;
        emit posChange(col, line + 1);
        return;
    }
    if (m_backward) {
        emit posChange(col, line + 1);
        return;
    }
    // Extended forward: the selection end. Walking the lines from the start line, subtracting
    // each line's length plus its CR LF from selection length + column, ends exactly on the
    // block and column of the selection end, which the document finds without the walk.
    const QTextBlock endBlock = doc->findBlock(cursor.selectionEnd());
    emit posChange(cursor.selectionEnd() - endBlock.position(), endBlock.blockNumber() + 1);
}

void TExtRich::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        reportPosition();
}

void TExtRich::mouseReleaseEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    reportPosition();
}

// ---- keys ---------------------------------------------------------------------------------

void TExtRich::setCommandKeys(const QList<QKeySequence>& keys)
{
    m_commandKeys = keys;
}

bool TExtRich::isCommandKey(const QKeyEvent* event) const
{
    const QKeyCombination pressed(event->modifiers() & ~Qt::KeypadModifier, Qt::Key(event->key()));
    return std::any_of(m_commandKeys.cbegin(), m_commandKeys.cend(), [&](const QKeySequence& key) {
        return key.count() == 1 && key[0] == pressed;
    });
}

bool TExtRich::isForeignControlKey(const QKeyEvent* event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    // Ctrl+Alt is AltGr on Windows and types characters.
    if (!(mods & Qt::ControlModifier) || (mods & Qt::AltModifier))
        return false;
    const int key = event->key();
    if (key < Qt::Key_A || key > Qt::Key_Z)
        return false;
    const bool clipboardKey = key == Qt::Key_X || key == Qt::Key_C || key == Qt::Key_V;
    return !(clipboardKey && mods == Qt::ControlModifier);
}

bool TExtRich::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Left unaccepted, the key goes to the window's shortcuts before the built-in bindings.
        if (isCommandKey(key) || isForeignControlKey(key)) {
            key->ignore();
            return true;
        }
    } else if (event->type() == QEvent::PaletteChange) {
        keepSelectionVisibleWhenUnfocused();
    }
    return QPlainTextEdit::event(event);
}

void TExtRich::keyPressEvent(QKeyEvent* event)
{
    if (!textCursor().hasSelection())
        reportPosition();

    // A command key arrives here only while its command is disabled.
    if (isCommandKey(event) || isForeignControlKey(event)) {
        event->accept();
        return;
    }
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (event->key() == Qt::Key_Insert &&
        !(mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        setOverwriteMode(!overwriteMode());
        emit modeChange(insertMode());
        event->accept();
        return;
    }
    // Shift+Return would insert a line separator inside the block; every break is a real line.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (mods & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), mods & ~Qt::ShiftModifier, event->text(),
                        event->isAutoRepeat(), event->count());
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TExtRich::keyReleaseEvent(QKeyEvent* event)
{
    QPlainTextEdit::keyReleaseEvent(event);
    reportPosition();
}

// ---- clipboard and drops ------------------------------------------------------------------

bool TExtRich::canInsertFromMimeData(const QMimeData* source) const
{
    if (!source)
        return false;
    if (m_plainText)
        return source->hasText();
    return source->hasText() || source->hasHtml();
}

void TExtRich::insertFromMimeData(const QMimeData* source)
{
    if (!source)
        return;
    if (!m_plainText && source->hasHtml() && insertHtmlFragment(source->html())) {
        ensureCursorVisible();
        return;
    }
    if (source->hasText()) {
        insertAtCursor(source->text());
        ensureCursorVisible();
    }
}

bool TExtRich::insertHtmlFragment(const QString& html)
{
    QTextDocument scratch;
    scratch.setHtml(html);
    // Tables and other frames have no place in a line-based layout: take such text plain.
    if (!scratch.rootFrame()->childFrames().isEmpty())
        return false;
    // Soft breaks of <br> become real lines, as every break of this control is one.
    for (QTextCursor found = scratch.find(QString(QChar::LineSeparator)); !found.isNull();
         found = scratch.find(QString(QChar::LineSeparator), found)) {
        found.insertBlock();
    }
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.insertFragment(QTextDocumentFragment(&scratch));
    cursor.endEditBlock();
    setTextCursor(cursor);
    return true;
}

QMimeData* TExtRich::createMimeDataFromSelection() const
{
    if (!m_plainText)
        return QPlainTextEdit::createMimeDataFromSelection();
    auto* data = new QMimeData;
    // The platform clipboard turns '\n' into its own line break.
    data->setText(withBreaks(textCursor().selectedText(), QStringLiteral("\n")));
    return data;
}
