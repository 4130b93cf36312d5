// Tests of the marks laid over the text: they follow edits, give their tips, and show as wavy
// lines in plain and coloured text.
#include "editor/ShownEdit.h"
#include "editor/TextControl.h"
#include "editor/TextMarks.h"
#include "support/TestSupport.h"

#include <QTest>
#include <QTextCursor>

using Mark = TextMarks::Mark;

class TstTextMarks : public QObject
{
    Q_OBJECT

private slots:
    void marksFollowEdits_data();
    void marksFollowEdits();
    void tipsAndSearches();
    void wavesAreDrawn_data();
    void wavesAreDrawn();
};

void TstTextMarks::marksFollowEdits_data()
{
    // The text "eins zwei drei" with marks on "eins" (0-4) and "drei" (10-14); an edit at
    // position from removes some characters and inserts others.
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("removed");
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QList<int>>("starts"); // where the marks that stay begin

    using L = QList<int>;
    QTest::newRow("typed between them") << 6 << 0 << "xx" << L{0, 12};
    QTest::newRow("typed behind the first") << 4 << 0 << "x" << L{0, 11};
    QTest::newRow("typed in front of the second") << 10 << 0 << "x" << L{0, 11};
    QTest::newRow("typed inside the first") << 2 << 0 << "x" << L{11};
    QTest::newRow("deleted across the second") << 8 << 4 << "" << L{0};
    QTest::newRow("a line break in front of all") << 0 << 0 << "\n" << L{1, 11};
    QTest::newRow("the whole text replaced") << 0 << 14 << "neu" << L{};
}

void TstTextMarks::marksFollowEdits()
{
    QFETCH(int, from);
    QFETCH(int, removed);
    QFETCH(QString, inserted);
    QFETCH(QList<int>, starts);

    TExtRich edit;
    edit.loadText(QStringLiteral("eins zwei drei"));
    TextMarks* marks = edit.marks();
    marks->setMarks(TextMarks::Layer::Spelling,
                    {{10, 4, Qt::red, QStringLiteral("drei?")}, {0, 4, Qt::red, {}}});
    QTextCursor cursor(edit.document());
    cursor.setPosition(from);
    cursor.setPosition(from + removed, QTextCursor::KeepAnchor);
    cursor.insertText(inserted);
    QList<int> found;
    for (const Mark& mark : marks->marks(TextMarks::Layer::Spelling)) {
        found.append(mark.start);
        QCOMPARE(edit.document()->toPlainText().mid(mark.start, mark.length).size(), 4);
    }
    QCOMPARE(found, starts);
}

void TstTextMarks::tipsAndSearches()
{
    // A combining accent has the block coloured through formats, which the document reports.
    auto edit = showEdit(QStringLiteral("<p>Hallo We\u0301t</p>"), QSize(300, 100));
    QVERIFY(edit);
    TextMarks* marks = edit->marks();
    marks->setMarks(TextMarks::Layer::PageCheck, {{0, 17, Qt::red, QStringLiteral("A")},
                                                  {12, 0, Qt::blue, QStringLiteral("B")}});
    marks->setMarks(TextMarks::Layer::Spelling, {{9, 4, Qt::red, QStringLiteral("C")}});
    QCOMPARE(marks->tipAt(12), QStringLiteral("A\nC\nB"));
    QCOMPARE(marks->tipAt(3), QStringLiteral("A"));
    QCOMPARE(marks->marksIn(14, 20).size(), 1);
    QCOMPARE(marks->marksIn(9, 12, TextMarks::Layer::PageCheck).size(), 2);
    QCOMPARE(marks->marksIn(0, 8, TextMarks::Layer::Spelling).size(), 0);
    // New colours of blocks are no change of the text: the marks stay.
    edit->setSyntaxColours(false);
    QCOMPARE(marks->marksIn(0, 17).size(), 3);
}

void TstTextMarks::wavesAreDrawn_data()
{
    QTest::addColumn<bool>("coloured");
    QTest::newRow("plain") << false;
    QTest::newRow("coloured") << true;
}

void TstTextMarks::wavesAreDrawn()
{
    QFETCH(bool, coloured);
    auto edit = showEdit(QStringLiteral("<b>Fehler</b> und mehr"), QSize(400, 120),
                         [coloured](TExtRich* e) { e->setSyntaxColours(coloured); });
    QVERIFY(edit);
    const QColor wave(0, 200, 0);
    const auto greenColumns = [&edit]() {
        const QImage image = shownImage(edit.get());
        QList<int> columns;
        for (int x = 0; x < image.width(); ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y).green() > 150 && image.pixelColor(x, y).red() < 100) {
                    columns.append(x);
                    break;
                }
        return columns;
    };
    QVERIFY(greenColumns().isEmpty());
    edit->marks()->setMarks(TextMarks::Layer::Spelling, {{3, 6, wave, {}}});
    const QList<int> columns = greenColumns();
    QVERIFY(!columns.isEmpty());
    // The wave runs under "Fehler" and nowhere else.
    QTextCursor cursor(edit->document());
    cursor.setPosition(3);
    const int left = edit->cursorRect(cursor).left();
    cursor.setPosition(9);
    const int right = edit->cursorRect(cursor).left();
    QVERIFY2(columns.first() >= left - 2 && columns.last() <= right + 2,
             qPrintable(QStringLiteral("%1-%2 outside %3-%4")
                            .arg(columns.first())
                            .arg(columns.last())
                            .arg(left)
                            .arg(right)));
    QVERIFY(columns.size() > (right - left) / 2);
}

TESSALINE_TEST_MAIN(TstTextMarks)
#include "tst_textmarks.moc"
