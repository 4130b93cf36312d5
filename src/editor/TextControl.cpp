// TExtRich: the document's text control, a plain-text edit with CR LF positions and caret reports.
#include "editor/TextControl.h"

#include "editor/GlyphCache.h"
#include "editor/HtmlHighlighter.h"
#include "editor/LineNumberGutter.h"
#include "editor/ParagraphLayout.h"
#include "editor/TagMatcher.h"
#include "editor/TextMarks.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QVarLengthArray>
#include <algorithm>
#include <cmath>

namespace
{

constexpr int gutter = TExtRich::Gutter;
constexpr qreal pixelsPerPoint = 4.0 / 3.0;

using LineEnds::Join;

// Where the next line break of text begins at or after from, and how long it is (0 at the end).
// CR LF, LF, a lone CR and U+2029 each break a line; U+2028 is an ordinary character.
qsizetype nextBreak(QStringView text, qsizetype from, qsizetype* length)
{
    for (qsizetype i = from; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\n' || c == QChar::ParagraphSeparator) {
            *length = 1;
            return i;
        }
        if (c == u'\r') {
            *length = i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
            return i;
        }
    }
    *length = 0;
    return text.size();
}

TextFileFormat::LineBreak lineBreakOf(Join join, TextFileFormat::LineBreak main)
{
    switch (join) {
    case Join::CrLf:
        return TextFileFormat::LineBreak::CrLf;
    case Join::Lf:
        return TextFileFormat::LineBreak::Lf;
    case Join::Cr:
        return TextFileFormat::LineBreak::Cr;
    case Join::ParagraphSeparator:
        return TextFileFormat::LineBreak::ParagraphSeparator;
    case Join::Main:
    case Join::Cut:
        break;
    }
    return main;
}

// A character format that gives no separator made with it a line end of its own, and no
// character made with it a held frame marker.
QTextCharFormat plain(const QTextCharFormat& format)
{
    QTextCharFormat result = LineEnds::withJoin(format, Join::Main);
    result.clearProperty(LineEnds::HeldProperty);
    return result;
}

bool typesText(const QKeyEvent* event)
{
    const QString text = event->text();
    return !text.isEmpty() && (text.at(0).isPrint() || text.at(0) == u'\t');
}

qsizetype commonPrefix(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    qsizetype i = 0;
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

qsizetype commonSuffix(QStringView a, QStringView b, qsizetype limit)
{
    qsizetype i = 0;
    while (i < limit && a[a.size() - 1 - i] == b[b.size() - 1 - i])
        ++i;
    return i;
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
    // Cuts come with a loaded text or a line grown past the piece length, and stay possible
    // from then on (undo may bring them back).
    layout->setCutsPossible([this] { return m_loading || m_cutsPossible; });
    layout->setLineRepainter([this](const QTextBlock& block, int first, int last) {
        const QTextLayout* lines = block.layout();
        const bool toEnd = last == ParagraphLayout::ToViewEnd;
        if (first < 0 || last < first || first >= lines->lineCount() ||
            (!toEnd && last >= lines->lineCount())) {
            viewport()->update();
            return;
        }
        const qreal top = blockBoundingGeometry(block).translated(contentOffset()).top();
        const QTextLine from = lines->lineAt(first);
        const int y = int(std::floor(top + from.y())) - 1;
        int bottom = viewport()->height();
        if (!toEnd) {
            const QTextLine to = lines->lineAt(last);
            bottom = int(std::ceil(top + to.y() + to.height())) + 1;
        }
        viewport()->update(QRect(0, y, viewport()->width(), bottom - y));
    });
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
    m_highlighter = new HtmlHighlighter(doc, this);
    m_highlighter->setBackground(palette().color(QPalette::Base));
    m_glyphs = std::make_unique<GlyphCache>(doc);
    m_numbers = new LineNumberGutter(this);
    m_numbers->hide();
    new TagMatcher(this);
    m_marks = new TextMarks(this);
    connect(m_marks, &TextMarks::changed, viewport(), qOverload<>(&QWidget::update));
    setEditRect();
    connect(doc, &QTextDocument::contentsChange, this, &TExtRich::documentChanged);
    connect(doc, &QTextDocument::blockCountChanged, this, [this] {
        if (lineNumbersShown())
            setEditRect();
    });
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& rect, int dy) {
        if (!lineNumbersShown())
            return;
        if (dy != 0)
            m_numbers->scroll(0, dy);
        else
            m_numbers->update(0, rect.y(), m_numbers->width(), rect.height());
    });
}

// ---- positions ----------------------------------------------------------------------------
//
// Qt counts one character per block separator. The interface counts two for a line break and
// none for a cut: a document position q in block b stands at q + b - 2 * (cuts up to q).

int TExtRich::interfaceStart(const QTextBlock& block) const
{
    const int pos = block.position();
    return pos + block.blockNumber() - 2 * m_cuts.countUpTo(pos);
}

int TExtRich::hardLineOf(const QTextBlock& block) const
{
    return block.blockNumber() - m_cuts.countUpTo(block.position());
}

QTextBlock TExtRich::firstPiece(int line) const
{
    const QTextDocument* doc = document();
    if (m_cuts.isEmpty())
        return doc->findBlockByNumber(line);
    // The hard line of a block grows with its number; the first block that reaches line is it.
    int low = line;
    int high = std::min(doc->blockCount() - 1, line + m_cuts.size());
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (hardLineOf(doc->findBlockByNumber(mid)) >= line)
            high = mid;
        else
            low = mid + 1;
    }
    return doc->findBlockByNumber(low);
}

QTextBlock TExtRich::lastPieceOf(const QTextBlock& block) const
{
    if (m_cuts.isEmpty())
        return block;
    const int line = hardLineOf(block);
    if (line + 1 >= lineCount())
        return document()->lastBlock();
    return firstPiece(line + 1).previous();
}

int TExtRich::fromQtPosition(int qtPos) const
{
    const QTextDocument* doc = document();
    qtPos = std::clamp(qtPos, 0, std::max(0, doc->characterCount() - 1));
    return qtPos + doc->findBlock(qtPos).blockNumber() - 2 * m_cuts.countUpTo(qtPos);
}

int TExtRich::toQtPosition(int pos) const
{
    const QTextDocument* doc = document();
    pos = std::clamp(pos, 0, textLength());
    // The last block whose first interface position is <= pos: at a cut, the block behind it.
    int low = 0;
    int high = doc->blockCount() - 1;
    while (low < high) {
        const int mid = low + (high - low + 1) / 2;
        if (interfaceStart(doc->findBlockByNumber(mid)) <= pos)
            low = mid;
        else
            high = mid - 1;
    }
    const QTextBlock block = doc->findBlockByNumber(low);
    const int column = pos - interfaceStart(block);
    // A position between CR and LF stands at the end of its line.
    return block.position() + std::min(column, block.length() - 1);
}

int TExtRich::textLength() const
{
    const QTextDocument* doc = document();
    return doc->characterCount() - 1 + doc->blockCount() - 1 - 2 * m_cuts.size();
}

QString TExtRich::fromDocument(QString documentText, int qtStart) const
{
    if (m_held)
        LineEnds::restoreHeld(documentText, document(), qtStart);
    return documentText;
}

QString TExtRich::blockText(const QTextBlock& block) const
{
    return fromDocument(block.text(), block.position());
}

QString TExtRich::withBreaks(const QString& spanText, int qtStart, QStringView lineBreak) const
{
    constexpr QChar Separator = QChar::ParagraphSeparator;
    const QString documentText = fromDocument(spanText, qtStart);
    if (m_cuts.isEmpty())
        return QString(documentText).replace(Separator, lineBreak.toString());
    QString result;
    result.reserve(documentText.size() + documentText.count(Separator));
    qsizetype copied = 0;
    for (qsizetype i = documentText.indexOf(Separator); i >= 0;
         i = documentText.indexOf(Separator, i + 1)) {
        result.append(QStringView(documentText).sliced(copied, i - copied));
        if (!m_cuts.startsAt(qtStart + int(i) + 1))
            result.append(lineBreak);
        copied = i + 1;
    }
    result.append(QStringView(documentText).sliced(copied));
    return result;
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
    const QTextCursor cursor = textCursor();
    return withBreaks(cursor.selectedText(), cursor.selectionStart(), u"\r\n");
}

void TExtRich::insertLines(QTextCursor& cursor, QStringView text)
{
    // Taken before the selection goes, as QTextCursor::insertText takes it.
    const QTextCharFormat charFormat = plain(cursor.charFormat());
    cursor.removeSelectedText();
    const QTextBlockFormat blockFormat = cursor.blockFormat();
    const int start = cursor.position();
    for (qsizetype from = 0;;) {
        qsizetype breakLength = 0;
        const qsizetype end = nextBreak(text, from, &breakLength);
        if (end > from)
            insertDocumentText(cursor, text.sliced(from, end - from), charFormat);
        if (breakLength == 0)
            break;
        cursor.insertBlock(blockFormat, charFormat);
        from = end + breakLength;
    }
    cutLongBlocks(start, cursor.position());
}

void TExtRich::insertDocumentText(QTextCursor& cursor, QStringView text,
                                  const QTextCharFormat& format)
{
    if (!LineEnds::hasFrameMarker(text)) {
        cursor.insertText(text.toString(), format);
        return;
    }
    m_held = true;
    LineEnds::insertText(cursor, text, format);
}

void TExtRich::cutLongBlocks(int fromQt, int toQt)
{
    // Rich text writes every block as a paragraph of its own: it is never cut.
    if (!m_plainText)
        return;
    const QTextDocument* doc = document();
    const QTextBlock first = doc->findBlock(fromQt);
    QTextCursor cutter(document());
    // From the back: a cut moves only what follows it.
    for (QTextBlock block = doc->findBlock(toQt); block.isValid();) {
        const QTextBlock previous = block.previous();
        if (block.length() - 1 > LineEnds::PieceLength) {
            m_cutsPossible = m_marked = true;
            LineEnds::cutLongBlock(cutter, block);
        }
        if (block == first)
            break;
        block = previous;
    }
}

void TExtRich::insertAtCursor(const QString& text)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    insertLines(cursor, text);
    cursor.endEditBlock();
    setTextCursor(cursor);
}

void TExtRich::replaceSelection(const QString& text, UndoStep step)
{
    if (step == UndoStep::Own) {
        insertAtCursor(text);
        return;
    }
    QTextCursor cursor = textCursor();
    cursor.joinPreviousEditBlock();
    insertLines(cursor, text);
    cursor.endEditBlock();
    setTextCursor(cursor);
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
    return document()->blockCount() - m_cuts.size();
}

QString TExtRich::line(int index) const
{
    if (index < 0 || index >= lineCount())
        return QString();
    QTextBlock block = firstPiece(index);
    QString text = blockText(block);
    if (m_cuts.isEmpty())
        return text;
    for (block = block.next(); block.isValid() && m_cuts.startsAt(block.position());
         block = block.next())
        text += blockText(block);
    return text;
}

void TExtRich::setLine(int index, const QString& text)
{
    if (index < 0 || index >= lineCount())
        return;
    const QTextBlock first = firstPiece(index);
    const QTextBlock last = lastPieceOf(first);
    QTextCursor cursor(document());
    cursor.setPosition(first.position());
    cursor.setPosition(last.position() + last.length() - 1, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    insertLines(cursor, text);
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
    return hardLineOf(document()->findBlock(toQtPosition(pos)));
}

int TExtRich::firstPositionOfLine(int index) const
{
    index = std::clamp(index, 0, lineCount() - 1);
    return interfaceStart(firstPiece(index));
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
        if (block != doc->begin() && !m_cuts.startsAt(block.position()))
            result += QLatin1String("\r\n");
        result += blockText(block);
    }
    return result;
}

QString TExtRich::textSpan(int start, int length) const
{
    const int total = textLength();
    start = std::clamp(start, 0, total);
    const int end = int(std::clamp<qint64>(qint64(start) + length, start, total));
    if (end == start)
        return QString();
    QTextCursor cursor(document());
    const int from = toQtPosition(start);
    const int to = toQtPosition(end);
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    QString span = withBreaks(cursor.selectedText(), from, u"\r\n");
    // Ends between CR and LF: the document position stands in front of the whole break.
    if (fromQtPosition(from) != start)
        span.remove(0, 1);
    if (fromQtPosition(to) != end)
        span += u'\r';
    return span;
}

void TExtRich::loadText(const QString& text)
{
    QString lines;
    lines.reserve(text.size());
    for (qsizetype from = 0;;) {
        qsizetype breakLength = 0;
        const qsizetype end = nextBreak(text, from, &breakLength);
        lines.append(QStringView(text).sliced(from, end - from));
        if (breakLength == 0)
            break;
        lines.append(u'\n');
        from = end + breakLength;
    }
    loadText(lines, LineBreaks(), m_mainBreak);
}

void TExtRich::loadText(const QString& text, const LineBreaks& lineEnds,
                        TextFileFormat::LineBreak mainBreak)
{
    m_mainBreak = mainBreak;
    m_cuts.clear();
    m_cutsPossible = m_marked = m_held = false;

    // Every separator that is not of the main kind, by block number; long lines are cut, which
    // needs a text of its own with a '\n' at every cut.
    std::vector<std::pair<int, Join>> marks;
    QString pieces;
    bool cut = false;
    int block = 0;
    qsizetype line = 0;
    for (qsizetype start = 0; start <= text.size(); ++line) {
        qsizetype end = text.indexOf(u'\n', start);
        if (end < 0)
            end = text.size();
        if (line > 0) {
            const TextFileFormat::LineBreak kind = lineEnds.value(line - 1, mainBreak);
            if (kind != mainBreak)
                marks.emplace_back(block, LineEnds::fromLineBreak(kind));
        }
        const QStringView lineText = QStringView(text).sliced(start, end - start);
        if (m_plainText && lineText.size() > LineEnds::PieceLength) {
            if (!cut) {
                pieces = text.left(start);
                pieces.reserve(text.size() + text.size() / LineEnds::PieceLength + 16);
                cut = true;
            }
            for (qsizetype from = 0, to; from < lineText.size(); from = to) {
                to = LineEnds::pieceEnd(lineText, from);
                if (from > 0) {
                    pieces += u'\n';
                    marks.emplace_back(++block, Join::Cut);
                }
                pieces += lineText.sliced(from, to - from);
            }
        } else if (cut) {
            pieces += lineText;
        }
        if (end < text.size() && cut)
            pieces += u'\n';
        ++block;
        start = end + 1;
    }

    QTextDocument* doc = document();
    {
        const QScopedValueRollback loading(m_loading, true);
        // setPlainText gives the whole new text the caret's format; the caret may stand in an
        // empty line whose format carries a line end.
        moveCursor(QTextCursor::Start);
        if (!textCursor().hasSelection())
            setCurrentCharFormat(plain(textCursor().charFormat()));
        QString documentText = cut ? pieces : text;
        pieces.clear();
        const std::vector<qsizetype> held = LineEnds::holdFrameMarkers(documentText);
        // The plain-text edit's own way would give the whole new text the caret's format in a
        // second pass over every block. The text goes in behind a stand-in character instead,
        // which keeps the caret at the start (no scrolling to the end and back), and the
        // stand-in goes in the same step.
        setPlainText(QStringLiteral("x"));
        doc->setUndoRedoEnabled(false);
        QTextCursor insertion(doc);
        insertion.beginEditBlock();
        insertion.setPosition(1);
        insertion.insertText(documentText);
        insertion.setPosition(0);
        insertion.deleteChar();
        insertion.endEditBlock();
        doc->setUndoRedoEnabled(true);
        documentText.clear();
        if (!held.empty()) {
            doc->setUndoRedoEnabled(false);
            QTextCursor cursor(doc);
            cursor.beginEditBlock();
            const QTextCharFormat format = LineEnds::heldFormat(QTextCharFormat());
            for (const qsizetype pos : held) {
                cursor.setPosition(int(pos));
                cursor.setPosition(int(pos) + 1, QTextCursor::KeepAnchor);
                cursor.mergeCharFormat(format);
            }
            cursor.endEditBlock();
            doc->setUndoRedoEnabled(true);
            m_held = true;
        }
        if (!marks.empty()) {
            doc->setUndoRedoEnabled(false);
            QTextCursor cursor(doc);
            cursor.beginEditBlock();
            std::vector<int> cutStarts;
            for (const auto& [number, join] : marks) {
                const QTextBlock marked = doc->findBlockByNumber(number);
                cursor.setPosition(marked.position());
                cursor.mergeBlockCharFormat(LineEnds::withJoin(QTextCharFormat(), join));
                if (join == Join::Cut)
                    cutStarts.push_back(marked.position());
            }
            cursor.endEditBlock();
            doc->setUndoRedoEnabled(true);
            m_marked = true;
            m_cutsPossible = !cutStarts.empty();
        }
    }
    if (m_cutsPossible)
        m_cuts.rebuild(doc);
    doc->clearUndoRedoStacks();
    moveCursor(QTextCursor::Start);
    doc->setModified(false);
}

QString TExtRich::fileText(LineBreaks* lineEnds) const
{
    lineEnds->clear();
    const QTextDocument* doc = document();
    if (!m_marked) {
        // Raw text: non-breaking spaces stay (toPlainText would turn them into blanks).
        QString text = fromDocument(doc->toRawText(), 0);
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        return text;
    }
    QString text;
    text.reserve(doc->characterCount());
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
        if (block != doc->begin()) {
            const Join join = LineEnds::joinBefore(block);
            if (join != Join::Cut) {
                text += u'\n';
                lineEnds->append(lineBreakOf(join, m_mainBreak));
            }
        }
        text += blockText(block);
    }
    return text;
}

bool TExtRich::convertLines(const std::function<QString(const QString&)>& convert)
{
    QTextDocument* doc = document();
    const QTextCursor shown = textCursor();
    const int anchor = shown.anchor();
    const int position = shown.position();

    // One snapshot with a U+2029 at every block separator, positions as the document counts
    // them. The lines are taken from the last to the first: a change moves nothing in front of
    // it, so the snapshot and the cut index stay true for every line still to come.
    static constexpr QChar Separator = QChar::ParagraphSeparator;
    const QString raw = fromDocument(doc->toRawText(), 0);
    const auto separatorBefore = [&raw](qsizetype pos) {
        return pos > 0 ? raw.lastIndexOf(Separator, pos - 1) : qsizetype(-1);
    };
    QTextCursor cursor(doc);
    bool changed = false;
    for (qsizetype lineEnd = raw.size();;) {
        std::vector<qsizetype> cuts; // document positions of the line's cut separators
        qsizetype separator = separatorBefore(lineEnd);
        while (separator >= 0 && m_cuts.startsAt(int(separator) + 1)) {
            cuts.push_back(separator);
            separator = separatorBefore(separator);
        }
        const qsizetype lineStart = separator + 1;
        std::reverse(cuts.begin(), cuts.end());
        QString line;
        std::vector<qsizetype> cutAt; // line offsets where a cut stands
        if (cuts.empty()) {
            line = QString::fromRawData(raw.constData() + lineStart, lineEnd - lineStart);
        } else {
            qsizetype from = lineStart;
            for (const qsizetype cut : cuts) {
                line.append(QStringView(raw).sliced(from, cut - from));
                cutAt.push_back(line.size());
                from = cut + 1;
            }
            line.append(QStringView(raw).sliced(from, lineEnd - from));
        }
        const QString converted = convert(line);
        if (converted.constData() != line.constData() && converted != line) {
            if (!changed)
                cursor.beginEditBlock();
            changed = true;
            const qsizetype prefix = commonPrefix(line, converted);
            const qsizetype tail =
                commonSuffix(line, converted, std::min(line.size(), converted.size()) - prefix);
            // Document position of a line offset; at a cut, behind it or in front of it.
            const auto at = [&](qsizetype offset, bool behindCut) {
                const auto before = behindCut
                                        ? std::upper_bound(cutAt.cbegin(), cutAt.cend(), offset)
                                        : std::lower_bound(cutAt.cbegin(), cutAt.cend(), offset);
                return int(lineStart + offset + (before - cutAt.cbegin()));
            };
            const int from = at(prefix, true);
            const int to = std::max(from, at(line.size() - tail, false));
            cursor.setPosition(from);
            cursor.setPosition(to, QTextCursor::KeepAnchor);
            const QString stretch = converted.sliced(prefix, converted.size() - tail - prefix);
            insertDocumentText(cursor, stretch, plain(cursor.charFormat()));
            cutLongBlocks(from, from + int(stretch.size()));
        }
        if (separator < 0)
            break;
        lineEnd = separator;
    }
    if (!changed)
        return false;
    cursor.endEditBlock();

    const int end = doc->characterCount() - 1;
    QTextCursor caret(doc);
    caret.setPosition(std::min(anchor, end));
    caret.setPosition(std::min(position, end), QTextCursor::KeepAnchor);
    setTextCursor(caret);
    return true;
}

void TExtRich::documentChanged(int from, int removed, int added)
{
    if (!m_highlighter->reportsOwnChange())
        m_marks->textChanged(from, removed, added);
    if (m_loading || !m_cutsPossible)
        return;
    const QTextDocument* doc = document();
    if (from == 0 && added >= doc->characterCount() - 1)
        m_cuts.rebuild(doc);
    else
        m_cuts.update(doc, from, removed, added);
}

// ---- formats ------------------------------------------------------------------------------

void TExtRich::setPlainTextMode(bool plain)
{
    m_plainText = plain;
    m_highlighter->setEnabled(m_plainText && m_coloursWanted);
    viewport()->update();
}

void TExtRich::setSyntaxColours(bool on)
{
    m_coloursWanted = on;
    if (m_highlighter->isEnabled() == (m_plainText && on))
        return;
    m_highlighter->setEnabled(m_plainText && on);
    viewport()->update();
}

bool TExtRich::lineNumbersShown() const
{
    return !m_numbers->isHidden();
}

void TExtRich::setLineNumbersShown(bool on)
{
    if (on == lineNumbersShown())
        return;
    m_numbers->setVisible(on);
    setEditRect();
}

void TExtRich::resizeEvent(QResizeEvent* event)
{
    // The plain-text edit would lay out the whole text again for a new width, giving every
    // block of a big page a layout of its own; the document layout lays out each block for the
    // new width when it is next needed instead.
    const QSize size = event->size();
    QResizeEvent sameWidth(size, QSize(size.width(), event->oldSize().height()));
    QPlainTextEdit::resizeEvent(&sameWidth);
    if (event->oldSize().width() != size.width())
        viewport()->update();
    if (!m_numbers)
        return;
    const QRect area = contentsRect();
    m_numbers->setGeometry(area.left(), area.top(), m_numbers->widthFor(lineCount()),
                           area.height());
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

void TExtRich::wholeLines(QTextCursor& cursor) const
{
    // The pieces of a cut line are one paragraph: they take their indents together.
    if (m_cuts.isEmpty())
        return;
    const QTextDocument* doc = document();
    const int start = cursor.selectionStart();
    const QTextBlock last = lastPieceOf(doc->findBlock(cursor.selectionEnd()));
    cursor.setPosition(firstPiece(hardLineOf(doc->findBlock(start))).position());
    cursor.setPosition(last.position(), QTextCursor::KeepAnchor);
}

void TExtRich::setParagraphIndents(const ParagraphIndents& indents)
{
    QTextCursor cursor = textCursor();
    wholeLines(cursor);
    cursor.beginEditBlock();
    cursor.mergeBlockFormat(formatOf(indents));
    cursor.endEditBlock();
}

void TExtRich::changeSelectedIndents(int ParagraphIndents::*member, int points)
{
    QTextCursor selection = textCursor();
    wholeLines(selection);
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

TExtRich::~TExtRich() = default;

void TExtRich::setWordWrap(bool on)
{
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void TExtRich::setEditRect()
{
    // The text starts right behind the gutter and at the very top, so no document margin.
    const int numbers = m_numbers && lineNumbersShown() ? m_numbers->widthFor(lineCount()) : 0;
    if (viewportMargins() != QMargins(numbers + gutter, 0, gutter, 0)) {
        setViewportMargins(numbers + gutter, 0, gutter, 0);
        const QRect area = contentsRect();
        if (m_numbers)
            m_numbers->setGeometry(area.left(), area.top(), numbers, area.height());
        emit textLeftChanged(numbers + gutter);
    }
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
    // Column and hard line (0-based) of a document position.
    const auto place = [this, doc](int qtPos) -> std::pair<int, int> {
        const QTextBlock block = doc->findBlock(qtPos);
        if (m_cuts.isEmpty())
            return {qtPos - block.position(), block.blockNumber()};
        const int line = hardLineOf(block);
        return {fromQtPosition(qtPos) - interfaceStart(firstPiece(line)), line};
    };
    const auto [col, line] = place(cursor.selectionStart());

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
    // line and column of the selection end, which the document finds without the walk.
    const auto [endCol, endLine] = place(cursor.selectionEnd());
    emit posChange(endCol, endLine + 1);
}

void TExtRich::mousePressEvent(QMouseEvent* event)
{
    QPlainTextEdit::mousePressEvent(event);
    placeCaretInRow(event, RowPlacement::Press);
    if (event->button() == Qt::LeftButton)
        reportPosition();
}

void TExtRich::mouseMoveEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseMoveEvent(event);
    placeCaretInRow(event, RowPlacement::Drag);
}

void TExtRich::mouseDoubleClickEvent(QMouseEvent* event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    placeCaretInRow(event, RowPlacement::Word);
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
        // The constructor changes the palette before the highlighter exists.
        if (m_highlighter) {
            m_highlighter->setBackground(palette().color(QPalette::Base));
            viewport()->update();
        }
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
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Insert &&
        !(mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        setOverwriteMode(!overwriteMode());
        emit modeChange(insertMode());
        event->accept();
        return;
    }
    // Shift+Return would insert a line separator inside the block; every break is a real line.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (mods & ~Qt::ShiftModifier) == Qt::NoModifier && !isReadOnly()) {
        breakLine();
        event->accept();
        return;
    }
    // Typed frame markers would break the line inside Qt: they take the way of pasted text.
    if (LineEnds::needsHolding(event->text()) && !isReadOnly() &&
        !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        insertAtCursor(event->text());
        ensureCursorVisible();
        event->accept();
        return;
    }
    if (!m_cuts.isEmpty()) {
        stepOverCuts(event);
        // Up and Down go by screen rows, which the pieces of a cut line share.
        const bool down = event->matches(QKeySequence::MoveToNextLine) ||
                          event->matches(QKeySequence::SelectNextLine);
        const bool up = event->matches(QKeySequence::MoveToPreviousLine) ||
                        event->matches(QKeySequence::SelectPreviousLine);
        const bool home = event->matches(QKeySequence::MoveToStartOfLine) ||
                          event->matches(QKeySequence::SelectStartOfLine);
        const bool end = event->matches(QKeySequence::MoveToEndOfLine) ||
                         event->matches(QKeySequence::SelectEndOfLine);
        if (home || end) {
            QPlainTextEdit::keyPressEvent(event);
            const bool selecting = event->matches(QKeySequence::SelectStartOfLine) ||
                                   event->matches(QKeySequence::SelectEndOfLine);
            moveToRowEdge(end, selecting ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
            return;
        }
        if (up || down) {
            const int rowBefore = cursorRect().top();
            QPlainTextEdit::keyPressEvent(event);
            const bool selecting = event->matches(QKeySequence::SelectNextLine) ||
                                   event->matches(QKeySequence::SelectPreviousLine);
            moveAcrossCutRows(down, selecting ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor,
                              rowBefore);
            return;
        }
    }
    // A piece grown this long by typing is cut again, in the same undo step as the key.
    if (m_plainText && typesText(event) && !isReadOnly() &&
        textCursor().block().length() > LineEnds::RecutLength) {
        QTextCursor step = textCursor();
        step.beginEditBlock();
        QPlainTextEdit::keyPressEvent(event);
        const int caret = textCursor().position();
        cutLongBlocks(caret, caret);
        step.endEditBlock();
        ensureCursorVisible();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TExtRich::breakLine()
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock();
    cursor.removeSelectedText();
    // At a cut the line ends right there: the cut becomes the line end.
    const QTextBlock block = cursor.block();
    QTextBlock behindCut;
    if (cursor.atBlockStart() && LineEnds::isCut(block))
        behindCut = block;
    else if (cursor.atBlockEnd() && LineEnds::isCut(block.next()))
        behindCut = block.next();
    if (behindCut.isValid()) {
        QTextCursor separator(document());
        separator.setPosition(behindCut.position() - 1);
        separator.setPosition(behindCut.position(), QTextCursor::KeepAnchor);
        separator.setCharFormat(plain(behindCut.charFormat()));
        cursor.setPosition(behindCut.position());
    } else {
        cursor.insertBlock(cursor.blockFormat(), plain(cursor.charFormat()));
    }
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TExtRich::stepOverCuts(const QKeyEvent* event)
{
    using Key = QKeySequence::StandardKey;
    const auto matches = [event](std::initializer_list<Key> keys) {
        return std::any_of(keys.begin(), keys.end(),
                           [event](Key key) { return event->matches(key); });
    };
    const bool selecting = matches({Key::SelectPreviousChar, Key::SelectNextChar,
                                    Key::SelectPreviousWord, Key::SelectNextWord});
    const bool backward =
        event->key() == Qt::Key_Backspace ||
        matches({Key::DeleteStartOfWord, Key::MoveToPreviousChar, Key::SelectPreviousChar,
                 Key::MoveToPreviousWord, Key::SelectPreviousWord});
    const bool forward = matches({Key::Delete, Key::DeleteEndOfWord, Key::MoveToNextChar,
                                  Key::SelectNextChar, Key::MoveToNextWord, Key::SelectNextWord}) ||
                         (overwriteMode() && typesText(event));
    QTextCursor cursor = textCursor();
    // Deleting or leaving a selection works on the selection, wherever its ends stand.
    if ((!backward && !forward) || (cursor.hasSelection() && !selecting))
        return;
    const QTextCursor::MoveMode mode =
        selecting ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    const int before = cursor.position();
    if (backward) {
        while (cursor.atBlockStart() && LineEnds::isCut(cursor.block()))
            cursor.setPosition(cursor.position() - 1, mode);
    } else {
        while (cursor.atBlockEnd() && LineEnds::isCut(cursor.block().next()))
            cursor.setPosition(cursor.position() + 1, mode);
    }
    if (cursor.position() != before)
        setTextCursor(cursor);
}

void TExtRich::inputMethodEvent(QInputMethodEvent* event)
{
    // A committed line break starts a line of the main kind, like the Return key; committed
    // frame markers are held like pasted ones.
    qsizetype breakLength = 0;
    const QString commit = event->commitString();
    if ((nextBreak(commit, 0, &breakLength) == commit.size() && !LineEnds::needsHolding(commit)) ||
        isReadOnly()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    insertAtCursor(commit);
    QInputMethodEvent rest(event->preeditString(), event->attributes());
    QPlainTextEdit::inputMethodEvent(&rest);
    event->accept();
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
    const QTextCursor cursor = textCursor();
    data->setText(withBreaks(cursor.selectedText(), cursor.selectionStart(), u"\n"));
    return data;
}
