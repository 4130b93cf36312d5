// Tests of a line held as several pieces on screen: wrapped, its rows end where the same text
// uncut would end them; unwrapped, it is one row; clicks and Up/Down find the piece at a place.
#include "editor/LineEnds.h"
#include "editor/ParagraphLayout.h"
#include "editor/ShownEdit.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintEvent>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <functional>
#include <memory>

namespace
{

struct Row {
    int start = 0; // characters of the line in front of the row
    qreal y = 0;
};

// A line of about length characters; prose has blanks, markup breaks mostly behind its tags,
// and a data stretch has nowhere to break.
QString longLine(const QString& kind, int length)
{
    static const char* const words[] = {"Seite",
                                        "und",
                                        "Tabelle",
                                        "mit",
                                        "Verweis",
                                        "eine",
                                        "lange",
                                        "Zeile",
                                        "im",
                                        "Absatz",
                                        "ein",
                                        "Wort",
                                        "Donaudampfschifffahrt"};
    QRandomGenerator random(4711);
    QString line;
    while (line.size() < length) {
        const QString word = QLatin1String(words[random.bounded(int(std::size(words)))]);
        if (kind == QLatin1String("prose"))
            line += word + QLatin1Char(' ');
        else if (kind == QLatin1String("markup"))
            line += QStringLiteral("<td class=\"x\">") + word + QStringLiteral("</td>");
        else
            line += QStringLiteral("iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mNk");
    }
    return line;
}

// The rows of the edit's text (one line), as the blocks stack and their lines stand in them.
QList<Row> shownRows(TExtRich* edit)
{
    QAbstractTextDocumentLayout* layout = edit->document()->documentLayout();
    QList<Row> rows;
    qreal top = 0;
    int offset = 0;
    for (QTextBlock block = edit->document()->begin(); block.isValid(); block = block.next()) {
        // Pieces below the view that were laid out before the ones in front go on in their
        // row once they are drawn, which settles them from the top.
        if (auto* paragraphs = qobject_cast<ParagraphLayout*>(layout))
            paragraphs->settle(block);
        const QRectF box = layout->blockBoundingRect(block);
        const QTextLayout* lines = block.layout();
        for (int i = 0; i < lines->lineCount(); ++i) {
            const QTextLine line = lines->lineAt(i);
            const qreal y = top + line.y();
            if (!rows.isEmpty() && qAbs(rows.last().y - y) < 0.5)
                continue;
            rows.append({offset + line.textStart(), y});
        }
        top += box.height();
        offset += block.length() - 1;
    }
    return rows;
}

// The rows of the same text laid out in one piece, as wide as the edit's lines.
QList<Row> uncutRows(TExtRich* edit, const QString& text)
{
    const QTextDocument* doc = edit->document();
    QTextLayout layout(text, doc->defaultFont(), edit->viewport());
    layout.setTextOption(doc->defaultTextOption());
    QList<Row> rows;
    qreal y = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLeadingIncluded(true);
        line.setLineWidth(edit->viewport()->width() - 2 * doc->documentMargin());
        rows.append({line.textStart(), y});
        y += line.height();
    }
    layout.endLayout();
    return rows;
}

// The first piece, laid out from the top, that goes on in the row of the one in front and is
// wanted.
QTextBlock pieceInRow(TExtRich* edit, const std::function<bool(const QTextBlock&)>& wanted)
{
    QTextDocument* doc = edit->document();
    for (QTextBlock block = doc->begin().next(); block.isValid(); block = block.next()) {
        doc->documentLayout()->blockBoundingRect(block);
        if (ParagraphLayout::continuesRow(block) && wanted(block))
            return block;
    }
    return {};
}

} // namespace

class TstCutRows : public QObject
{
    Q_OBJECT
private slots:
    void init() { m_env = std::make_unique<TestEnvironment>(); }
    void cleanup()
    {
        m_edit.reset();
        m_env.reset();
    }

    void wrappedRowsAsUncut_data();
    void wrappedRowsAsUncut();
    void unwrappedLineIsOneRow_data();
    void unwrappedLineIsOneRow();
    void unwrappedVeryLongLineGoesOnInRows_data();
    void unwrappedVeryLongLineGoesOnInRows();
    void clickAndArrowsFindThePieceInARow();
    void typingInAPieceDrawsTheSharedRowAgain_data();
    void typingInAPieceDrawsTheSharedRowAgain();
    void typingMovesThePieceBehindAlongItsRow();
    void keysGoByTheRowsOfACutLine_data();
    void keysGoByTheRowsOfACutLine();
    void returnAtACutStartsARow_data();
    void returnAtACutStartsARow();

private:
    TExtRich* shownEdit(const QString& text, QSize size)
    {
        m_edit = showEdit(text, size);
        return m_edit.get();
    }
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TExtRich> m_edit;
};

void TstCutRows::wrappedRowsAsUncut_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("width");
    for (const char* kind : {"prose", "markup", "data"}) {
        for (const int width : {420, 733, 780})
            QTest::addRow("%s, %d pixels", kind, width) << QString::fromLatin1(kind) << width;
    }
}

void TstCutRows::wrappedRowsAsUncut()
{
    QFETCH(QString, kind);
    QFETCH(int, width);
    const QString text = longLine(kind, 5000);
    TExtRich* edit = shownEdit(text, QSize(width, 400));
    QVERIFY(edit);
    QVERIFY(edit->wordWrap());
    QVERIFY(edit->document()->blockCount() >= 5);
    const QList<Row> shown = shownRows(edit);
    const QList<Row> uncut = uncutRows(edit, text);
    QCOMPARE(edit->document()->lineCount(), uncut.size());
    QCOMPARE(shown.size(), uncut.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        QCOMPARE(shown[i].start, uncut[i].start);
        // Blocks stack at whole pixels.
        QVERIFY2(qAbs(shown[i].y - uncut[i].y) < 1 + i * 0.01,
                 qPrintable(QStringLiteral("row %1 at %2, uncut at %3")
                                .arg(i)
                                .arg(shown[i].y)
                                .arg(uncut[i].y)));
    }
    // Typing at a cut keeps the rows as the uncut text's.
    const QTextBlock second = edit->document()->findBlockByNumber(1);
    QTextCursor cursor(second);
    cursor.insertText(QStringLiteral("Einschub "));
    QString typed = text;
    typed.insert(second.position() - 1, QStringLiteral("Einschub "));
    edit->viewport()->repaint();
    const QList<Row> after = shownRows(edit);
    const QList<Row> uncutAfter = uncutRows(edit, typed);
    QCOMPARE(after.size(), uncutAfter.size());
    for (qsizetype i = 0; i < after.size(); ++i)
        QCOMPARE(after[i].start, uncutAfter[i].start);
}

void TstCutRows::unwrappedLineIsOneRow_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("prose") << QStringLiteral("prose");
    QTest::newRow("markup") << QStringLiteral("markup");
}

void TstCutRows::unwrappedLineIsOneRow()
{
    QFETCH(QString, kind);
    const QString text =
        QStringLiteral("<p>davor</p>\n") + longLine(kind, 5000) + QStringLiteral("\n<p>danach</p>");
    TExtRich* edit = shownEdit(text, QSize(500, 300));
    QVERIFY(edit);
    edit->setWordWrap(false);
    edit->viewport()->repaint();
    QTextDocument* doc = edit->document();
    QVERIFY(doc->blockCount() >= 7);
    QCOMPARE(doc->lineCount(), 3);
    QCOMPARE(shownRows(edit).size(), 3);
    // Each piece goes on where the one in front ended.
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    for (QTextBlock block = doc->begin().next().next(); LineEnds::isCut(block);
         block = block.next()) {
        layout->blockBoundingRect(block);
        const QTextLine front = block.previous().layout()->lineAt(0);
        QCOMPARE(block.layout()->lineCount(), 1);
        QCOMPARE(block.layout()->lineAt(0).x(), front.cursorToX(front.textLength()));
    }
    // The line behind comes right under it, and the last piece's end is as far as a line
    // reaches sideways.
    QCOMPARE(edit->cursorRect(QTextCursor(doc->lastBlock())).top() -
                 edit->cursorRect(QTextCursor(doc->begin())).top(),
             2 * (edit->cursorRect(QTextCursor(doc->begin().next())).top() -
                  edit->cursorRect(QTextCursor(doc->begin())).top()));
    const QTextBlock lastPiece = doc->lastBlock().previous();
    layout->blockBoundingRect(lastPiece);
    const QTextLine end = lastPiece.layout()->lineAt(0);
    QVERIFY(layout->documentSize().width() >= end.x() + end.naturalTextWidth());
}

void TstCutRows::unwrappedVeryLongLineGoesOnInRows_data()
{
    QTest::addColumn<bool>("fromTheEnd");
    QTest::newRow("laid out from the start") << false;
    QTest::newRow("laid out from the end") << true;
}

void TstCutRows::unwrappedVeryLongLineGoesOnInRows()
{
    QFETCH(bool, fromTheEnd);
    // Several rows' worth of pieces.
    const QString text = QStringLiteral("<p>davor</p>\n") +
                         longLine(QStringLiteral("markup"), 36000) +
                         QStringLiteral("\n<p>danach</p>");
    TExtRich* edit = shownEdit(text, QSize(500, 300));
    QVERIFY(edit);
    edit->setWordWrap(false);
    if (fromTheEnd) {
        QTextCursor end(edit->document());
        end.movePosition(QTextCursor::End);
        edit->setTextCursor(end);
    }
    edit->viewport()->repaint();
    QTextDocument* doc = edit->document();
    QAbstractTextDocumentLayout* layout = doc->documentLayout();
    const QTextBlock first = doc->begin().next();
    auto rowsOfTheLine = [&] {
        // For each row: its first piece and how many pieces stand in it.
        QList<std::pair<int, int>> rows;
        for (QTextBlock block = first; block == first || LineEnds::isCut(block);
             block = block.next()) {
            layout->blockBoundingRect(block);
            if (ParagraphLayout::continuesRow(block))
                ++rows.last().second;
            else
                rows.append({block.blockNumber(), 1});
        }
        return rows;
    };
    const QList<std::pair<int, int>> rows = rowsOfTheLine();
    QVERIFY2(rows.size() >= 4, qPrintable(QString::number(rows.size())));
    int pieces = 0;
    for (const auto& [start, count] : rows) {
        QVERIFY(count <= ParagraphLayout::MostPiecesInRow);
        pieces += count;
        QCOMPARE(doc->findBlockByNumber(start).layout()->lineAt(0).x(), doc->documentMargin());
    }
    QCOMPARE(pieces, doc->blockCount() - 2);
    QCOMPARE(doc->lineCount(), rows.size() + 2);

    // Typing in the first row moves the rest of that row sideways, and no other row.
    const QTextBlock secondRow = doc->findBlockByNumber(rows.at(1).first);
    const QTextBlock lastInFirstRow = secondRow.previous();
    const qreal before = lastInFirstRow.layout()->lineAt(0).x();
    const qreal secondRowEnd = secondRow.next().layout()->lineAt(0).x();
    QTextCursor typing(first);
    typing.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 10);
    edit->setTextCursor(typing);
    QTest::keyClicks(edit, QStringLiteral("WWWW"));
    layout->blockBoundingRect(lastInFirstRow);
    layout->blockBoundingRect(secondRow.next());
    QVERIFY(lastInFirstRow.layout()->lineAt(0).x() > before);
    QCOMPARE(secondRow.next().layout()->lineAt(0).x(), secondRowEnd);
    QCOMPARE(rowsOfTheLine(), rows);
}

void TstCutRows::clickAndArrowsFindThePieceInARow()
{
    TExtRich* edit = shownEdit(longLine(QStringLiteral("prose"), 3000), QSize(420, 600));
    QVERIFY(edit);
    QTextDocument* doc = edit->document();
    // A piece whose first line goes on in the last row of the piece in front.
    QTextBlock behind = doc->begin().next();
    QVERIFY(LineEnds::isCut(behind));
    QTextLine first = behind.layout()->lineAt(0);
    QVERIFY(first.y() < 0);
    QVERIFY(first.textLength() > 4);
    const int inBehind = behind.position() + 2;
    QTextCursor target(doc);
    target.setPosition(inBehind);
    const QRect spot = edit->cursorRect(target);

    // A click there puts the caret there, not at the end of the piece in front.
    QTest::mouseClick(edit->viewport(), Qt::LeftButton, {}, spot.center());
    QCOMPARE(edit->textCursor().position(), inBehind);

    // Down from the row above lands in that row at the same x, Down again one row lower, and
    // Up twice comes back.
    QTextCursor above = edit->cursorForPosition(spot.center() - QPoint(0, spot.height()));
    edit->setTextCursor(above);
    const int start = above.position();
    const int rowAbove = edit->cursorRect().top();
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->textCursor().block(), behind);
    QCOMPARE(edit->cursorRect().top(), rowAbove + spot.height());
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->cursorRect().top(), rowAbove + 2 * spot.height());
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->cursorRect().top(), rowAbove + spot.height());
    QTest::keyClick(edit, Qt::Key_Up);
    QCOMPARE(edit->textCursor().position(), start);
}

void TstCutRows::typingInAPieceDrawsTheSharedRowAgain_data()
{
    // A word made shorter in the second row may move up into the shared row.
    QTest::addColumn<bool>("nextToSharedRow");
    QTest::newRow("in the second row") << true;
    QTest::newRow("further down") << false;
}

void TstCutRows::typingInAPieceDrawsTheSharedRowAgain()
{
    QFETCH(bool, nextToSharedRow);
    // Words Qt draws without ligatures, so that their colours need no formats.
    QString text;
    while (text.size() < 5000)
        text += QStringLiteral("Seite und Tabelle mit Verweis eine lange Zeile im Absatz. ");
    TExtRich* edit = shownEdit(text, QSize(420, 600));
    QVERIFY(edit);
    edit->viewport()->repaint();
    const QTextBlock shared = pieceInRow(
        edit, [](const QTextBlock& block) { return block.previous().layout()->lineCount() > 2; });
    QVERIFY(shared.isValid());
    // Typing in the piece draws the rows it changed again, and of the piece in front only the
    // row they share, when the key may have changed that row.
    QTextCursor caret(shared);
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor,
                       nextToSharedRow ? shared.layout()->lineAt(1).textStart() + 4
                                       : shared.length() / 2);
    edit->setTextCursor(caret);
    edit->ensureCursorVisible();
    edit->viewport()->repaint();
    const QPoint inRow(50, edit->cursorRect(QTextCursor(shared)).center().y());
    const QPoint aboveRow(50, edit->cursorRect(QTextCursor(shared.previous())).center().y());
    QVERIFY(inRow.y() > aboveRow.y());
    QVERIFY(edit->viewport()->rect().contains(aboveRow));

    // The first key also colours and checks what came into view.
    QTest::keyClicks(edit, QStringLiteral("x"));
    QCoreApplication::processEvents();
    PaintedRegion painted;
    edit->viewport()->installEventFilter(&painted);
    QTest::keyClicks(edit, QStringLiteral("x"));
    QCoreApplication::processEvents();
    edit->viewport()->removeEventFilter(&painted);
    QVERIFY2(painted.region.contains(inRow) == nextToSharedRow,
             nextToSharedRow ? "the shared row is not drawn again"
                             : "an unchanged row is drawn again");
    QVERIFY2(!painted.region.contains(aboveRow), "the piece in front is drawn again whole");
    // The rows behind the one typed in are the same as before: they are not drawn again.
    QTextCursor pieceEnd(shared);
    pieceEnd.movePosition(QTextCursor::EndOfBlock);
    const QPoint lastRow(50, edit->cursorRect(pieceEnd).center().y());
    QVERIFY(lastRow.y() > edit->cursorRect().bottom() + edit->cursorRect().height());
    QVERIFY2(painted.region.contains(edit->cursorRect().center()), "the typed row is not drawn");
    QVERIFY2(!painted.region.contains(lastRow), "rows the key left alone are drawn again");
}

void TstCutRows::typingMovesThePieceBehindAlongItsRow()
{
    // Keys typed at the end of a piece move the piece behind, which goes on in the same row:
    // its rows stay those of the uncut text and its first character stands right behind the
    // typed one. While its first row keeps its characters, the rows below are not drawn again.
    const QString text = longLine(QStringLiteral("prose"), 5000);
    TExtRich* edit = shownEdit(text, QSize(420, 600));
    QVERIFY(edit);
    edit->viewport()->repaint();
    const QTextBlock behind =
        pieceInRow(edit, [](const QTextBlock& block) { return block.layout()->lineCount() > 2; });
    QVERIFY(behind.isValid());
    const QTextBlock piece = behind.previous();
    QTextCursor caret(piece);
    caret.movePosition(QTextCursor::EndOfBlock);
    edit->setTextCursor(caret);
    edit->viewport()->repaint();
    const int viewBottom = edit->viewport()->height() - 4;
    QVERIFY(edit->cursorRect().bottom() < viewBottom / 2);
    QString typed = text;
    int keptRows = 0;
    for (int key = 0; key < 12; ++key) {
        std::vector<int> starts;
        for (int l = 1; l < behind.layout()->lineCount(); ++l)
            starts.push_back(behind.layout()->lineAt(l).textStart());
        typed.insert(edit->textCursor().position() - piece.blockNumber(), u'i');
        PaintedRegion painted;
        edit->viewport()->installEventFilter(&painted);
        QTest::keyClicks(edit, QStringLiteral("i"));
        QCoreApplication::processEvents();
        edit->viewport()->removeEventFilter(&painted);
        const QList<Row> shown = shownRows(edit);
        const QList<Row> uncut = uncutRows(edit, typed);
        QCOMPARE(shown.size(), uncut.size());
        for (qsizetype i = 0; i < shown.size(); ++i)
            QCOMPARE(shown[i].start, uncut[i].start);
        const QRect end = edit->cursorRect();
        const QRect next = edit->cursorRect(QTextCursor(behind));
        QVERIFY2(qAbs(end.center().y() - next.center().y()) < 2 && qAbs(end.x() - next.x()) <= 1,
                 qPrintable(QStringLiteral("key %1").arg(key)));
        QVERIFY2(painted.region.contains(next.center()), "the shared row is not drawn again");
        std::vector<int> startsAfter;
        for (int l = 1; l < behind.layout()->lineCount(); ++l)
            startsAfter.push_back(behind.layout()->lineAt(l).textStart());
        // The first key also colours and checks what came into view.
        if (key > 0 && startsAfter == starts) {
            ++keptRows;
            QVERIFY2(!painted.region.contains(QPoint(50, viewBottom)),
                     qPrintable(QStringLiteral("key %1 drew the view to its end").arg(key)));
        }
    }
    QVERIFY(keptRows > 0);
}

void TstCutRows::keysGoByTheRowsOfACutLine_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<int>("length");
    QTest::newRow("word wrap") << true << 5000;
    QTest::newRow("no word wrap") << false << 36000;
}

void TstCutRows::keysGoByTheRowsOfACutLine()
{
    QFETCH(bool, wrap);
    QFETCH(int, length);
    const QString text = QStringLiteral("<p>davor</p>\n") +
                         longLine(QStringLiteral("markup"), length) +
                         QStringLiteral("\n<p>danach</p>");
    TExtRich* edit = shownEdit(text, QSize(500, 300));
    QVERIFY(edit);
    edit->setWordWrap(wrap);
    edit->viewport()->repaint();
    QTextDocument* doc = edit->document();
    // The caret in the first line of a piece that goes on in the row in front of it.
    QTextBlock shared;
    for (QTextBlock block = doc->begin().next().next(); LineEnds::isCut(block);
         block = block.next()) {
        doc->documentLayout()->blockBoundingRect(block);
        if (ParagraphLayout::continuesRow(block) && block.layout()->lineAt(0).textLength() > 4) {
            shared = block;
            break;
        }
    }
    QVERIFY(shared.isValid());
    QTextCursor caret(shared);
    caret.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, 2);
    edit->setTextCursor(caret);
    const int rowTop = edit->cursorRect().top();
    auto topAt = [&](int pos) {
        QTextCursor at(doc);
        at.setPosition(pos);
        return edit->cursorRect(at).top();
    };

    // End stands behind the row's last character (which the edit shows at the start of the
    // next row when the row broke at no blank, as in an uncut line).
    QTest::keyClick(edit, Qt::Key_End);
    const int end = edit->textCursor().position();
    QCOMPARE(topAt(end - 1), rowTop);
    QVERIFY2(topAt(end + 1) > rowTop, "End stops short of the row's end");
    edit->setTextCursor(caret);
    QTest::keyClick(edit, Qt::Key_Home, Qt::ShiftModifier);
    const int start = edit->textCursor().position();
    QCOMPARE(edit->cursorRect().top(), rowTop);
    QVERIFY2(topAt(start - 1) < rowTop, "Home stops short of the row's start");
    QCOMPARE(edit->textCursor().selectionEnd(), caret.position());
    QVERIFY(start < shared.position());

    // Down goes to the next row, not past it.
    QTest::keyClick(edit, Qt::Key_Down);
    QCOMPARE(edit->cursorRect().top() - rowTop, edit->cursorRect().height());
}

void TstCutRows::returnAtACutStartsARow_data()
{
    QTest::addColumn<bool>("wrap");
    QTest::newRow("word wrap") << true;
    QTest::newRow("no word wrap") << false;
}

void TstCutRows::returnAtACutStartsARow()
{
    QFETCH(bool, wrap);
    const QString text = longLine(QStringLiteral("prose"), 3000);
    TExtRich* edit = shownEdit(text, QSize(420, 600));
    QVERIFY(edit);
    edit->setWordWrap(wrap);
    edit->viewport()->repaint();
    QTextDocument* doc = edit->document();
    const QTextBlock behind = doc->begin().next();
    QVERIFY(LineEnds::isCut(behind));
    QVERIFY(ParagraphLayout::continuesRow(behind));
    const int rows = doc->lineCount();
    QTextCursor cursor(behind);
    edit->setTextCursor(cursor);
    QTest::keyClick(edit, Qt::Key_Return);
    edit->viewport()->repaint();
    QCOMPARE(edit->lineCount(), 2);
    QVERIFY(!LineEnds::isCut(behind));
    QVERIFY(!ParagraphLayout::continuesRow(behind));
    // The rows are those of the two lines on their own.
    const QString first = text.left(behind.position());
    if (wrap) {
        QCOMPARE(doc->lineCount(),
                 uncutRows(edit, first).size() + uncutRows(edit, text.mid(first.size())).size());
    } else {
        QCOMPARE(doc->lineCount(), 2);
    }
    edit->undoLast();
    edit->viewport()->repaint();
    QCOMPARE(edit->lineCount(), 1);
    QVERIFY(ParagraphLayout::continuesRow(behind));
    QCOMPARE(doc->lineCount(), rows);
}

QTEST_MAIN(TstCutRows)
#include "tst_cutrows.moc"
