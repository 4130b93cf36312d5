// Tests of line ends and long lines: files come back byte for byte around the user's edits, and
// lines cut into display pieces behave as whole lines everywhere.
#include "app/Main.h"
#include "editor/DocumentWindow.h"
#include "editor/FrameFixture.h"
#include "editor/LineEnds.h"
#include "editor/Search.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <memory>

using LineEnds::PieceLength;

namespace
{

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Types keys: '\r' Return, '\b' Backspace, '\x7f' Delete, anything else as itself.
void typeKeys(QWidget* widget, const QString& keys)
{
    for (const QChar c : keys) {
        if (c == u'\r')
            QTest::keyClick(widget, Qt::Key_Return);
        else if (c == u'\b')
            QTest::keyClick(widget, Qt::Key_Backspace);
        else if (c == u'\x7f')
            QTest::keyClick(widget, Qt::Key_Delete);
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, c, Qt::NoModifier);
    }
}

// A line of markup: tags, attributes, words and an umlaut, without any line break.
QString markupLine(qsizetype length)
{
    static const QString unit = QStringLiteral("<td class=\"a\">Wert ä</td>");
    QString line;
    while (line.size() < length)
        line += unit;
    line.truncate(length);
    return line;
}

// The blocks the control holds, to look behind its interface.
QStringList blockTexts(const TExtRich& edit)
{
    QStringList texts;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        texts.append(block.text());
    return texts;
}

// Positions of the first character of every line of a CR LF text.
QList<int> lineStarts(const QString& text)
{
    QList<int> starts{0};
    for (qsizetype i = text.indexOf(QLatin1String("\r\n")); i >= 0;
         i = text.indexOf(QLatin1String("\r\n"), i + 2))
        starts.append(int(i + 2));
    return starts;
}

} // namespace

class TstLineEnds : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void fileComesBackAroundEdits_data();
    void fileComesBackAroundEdits();
    void backupKeepsLineEnds();
    void loadingForgetsEarlierLineEnds();
    void lineSeparatorIsACharacter();
    void frameMarkersAreCharacters_data();
    void frameMarkersAreCharacters();

    void cutLinesLookWhole_data();
    void cutLinesLookWhole();
    void keysAtACut_data();
    void keysAtACut();
    void returnAtACutEndsTheLine();
    void typingCutsAGrownPiece();
    void pastedLongLineIsCut();
    void searchReachesAcrossCuts();
    void caretReportsCountWholeLines();
    void indentsCoverTheWholeLine();
    void randomEditsKeepTheText();

private:
    TMDIChild* openFile(const QString& name, const QByteArray& bytes);
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TMainForm> m_frame;
};

void TstLineEnds::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_frame = std::make_unique<TMainForm>(StartOptions{});
    m_frame->shellState().backupDir = m_env->path(QStringLiteral("sicherung"));
    m_frame->shellState().backupExt = QStringLiteral(".bak");
}

void TstLineEnds::cleanup()
{
    closeFrameQuietly(m_frame);
    m_env.reset();
}

TMDIChild* TstLineEnds::openFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_env->path(name);
    writeBytes(path, bytes);
    return m_frame->openDocument(path);
}

// ---- line ends ------------------------------------------------------------------------------

void TstLineEnds::fileComesBackAroundEdits_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("keys");   // typed over the selection
    QTest::addColumn<QString>("pasted"); // or put in its place through the interface
    QTest::addColumn<QByteArray>("saved");

    // Lines eins (CR LF), zwei (LF), DREI (CR), vier (U+2029), fünf U+2028 sechs (CR LF), and
    // an empty last line. Interface positions: eins 0, zwei 6, DREI 12, vier 18, fünf 24.
    const QByteArray all = "eins\r\nzwei\nDREI\rvier\xE2\x80\xA9"
                           "f\xC3\xBCnf\xE2\x80\xA8sechs\r\n";
    const auto with = [&all](qsizetype at, qsizetype cut, const QByteArray& in) {
        return QByteArray(all).replace(at, cut, in);
    };
    QTest::newRow("unchanged") << all << 0 << 0 << ""
                               << "" << all;
    QTest::newRow("typing in a line") << all << 7 << 0 << "X"
                                      << "" << with(7, 0, "X");
    QTest::newRow("Return inside an LF line gets the main kind") << all << 8 << 0 << "\r"
                                                                 << "" << with(8, 0, "\r\n");
    QTest::newRow("Return at a line's start") << all << 6 << 0 << "\r"
                                              << "" << with(6, 0, "\r\n");
    QTest::newRow("Return at a line's end") << all << 10 << 0 << "\r"
                                            << "" << with(10, 0, "\r\n");
    QTest::newRow("Backspace joins with the line above") << all << 12 << 0 << "\b"
                                                         << "" << with(10, 1, "");
    QTest::newRow("Delete joins with the line below") << all << 16 << 0 << "\x7f"
                                                      << "" << with(15, 1, "");
    QTest::newRow("a line and its end, from its start") << all << 6 << 6 << "\b"
                                                        << "" << with(6, 5, "");
    QTest::newRow("a line and the end before it") << all << 4 << 6 << "\x7f"
                                                  << "" << with(4, 6, "");
    QTest::newRow("typed over lines of three kinds") << all << 8 << 12 << "-"
                                                     << "" << with(8, 10, "-");
    QTest::newRow("pasted lines get the main kind") << all << 16 << 0 << ""
                                                    << "a\nb\rc" << with(15, 0, "a\r\nb\r\nc");
    QTest::newRow("pasted over a separator line end") << all << 20 << 6 << ""
                                                      << "\r\n"
                                                      << with(18, 8, "\r\n");
    QTest::newRow("U+2028 stays a character") << all << 29 << 0 << "Y"
                                              << "" << with(31, 0, "Y");

    // A Return at the start of the line behind a lone CR: a new empty line with LF there would
    // read back as CR LF, one line less.
    const QByteArray loneCr = "a\nb\rc\nd\n";
    QTest::newRow("Return behind a lone CR") << loneCr << 6 << 0 << "\r"
                                             << "" << QByteArray("a\nb\n\nc\nd\n");
    QTest::newRow("emptied line behind a lone CR") << QByteArray("a\rx\nc\n") << 3 << 1 << "\b"
                                                   << "" << QByteArray("a\n\nc\n");

    // U+FDD0 and U+FDD1 are characters of their lines, whatever Qt makes of them.
    const QByteArray markers = "a\xEF\xB7\x90"
                               "b\r\nc\xEF\xB7\x91\r\n\xEF\xB7\x92zwei\n";
    QTest::newRow("frame markers, edited elsewhere") << markers << 11 << 0 << "X"
                                                     << "" << QByteArray(markers).insert(17, "X");
    QTest::newRow("frame markers pasted")
        << markers << 1 << 0 << "" << QStringLiteral("\uFDD1\uFDD0\uFDD2")
        << QByteArray(markers).insert(1, "\xEF\xB7\x91\xEF\xB7\x90\xEF\xB7\x92");
    QTest::newRow("frame marker typed") << markers << 2 << 0 << QStringLiteral("\uFDD1") << ""
                                        << QByteArray(markers).insert(4, "\xEF\xB7\x91");

    // Mostly LF: lines added get LF; a long line is cut for display only. The interface counts
    // every line break as two characters: the long line starts at 6.
    const QString longLine = markupLine(3 * PieceLength + 100);
    const QByteArray lf = "kopf\n" + longLine.toUtf8() + "\r\nfuss\n";
    // Byte offset in the file of a character of the long line.
    const auto byteAt = [&longLine](qsizetype chars) {
        return 5 + longLine.left(chars).toUtf8().size();
    };
    QTest::newRow("long line unchanged") << lf << 0 << 0 << ""
                                         << "" << lf;
    QTest::newRow("typing in a long line")
        << lf << 6 + 2 * PieceLength << 0 << "Q"
        << "" << QByteArray(lf).insert(byteAt(2 * PieceLength), "Q");
    QTest::newRow("Return in a long line gets LF")
        << lf << 6 + PieceLength << 0 << "\r"
        << "" << QByteArray(lf).insert(byteAt(PieceLength), "\n");
    QTest::newRow("a long line deleted with its end") << lf << 6 << int(longLine.size()) + 2 << "\b"
                                                      << "" << QByteArray("kopf\nfuss\n");
}

void TstLineEnds::fileComesBackAroundEdits()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, start);
    QFETCH(int, length);
    QFETCH(QString, keys);
    QFETCH(QString, pasted);
    QFETCH(QByteArray, saved);

    TMDIChild* child = openFile(QStringLiteral("gemischt.htm"), bytes);
    QVERIFY(child);
    TExtRich* memo = child->TextMemo;
    memo->setSelStart(start);
    memo->setSelLength(length);
    if (!pasted.isEmpty())
        memo->replaceSelection(pasted);
    typeKeys(memo, keys);
    child->Save1Click();
    QCOMPARE(readBytes(child->FileName), saved);

    // Undone, the file is what it was.
    while (memo->canUndo())
        memo->undoLast();
    child->Save1Click();
    QCOMPARE(readBytes(child->FileName), bytes);
}

void TstLineEnds::backupKeepsLineEnds()
{
    const QByteArray bytes = "a\rb\nc\r\n" + markupLine(2 * PieceLength).toUtf8() + "\n";
    TMDIChild* child = openFile(QStringLiteral("sicher.htm"), bytes);
    QVERIFY(child);
    child->Timer1Timer();
    QCOMPARE(readBytes(m_env->path(QStringLiteral("sicherung/sicher.bak"))), bytes);
}

void TstLineEnds::loadingForgetsEarlierLineEnds()
{
    // The caret stands in an empty line behind an LF; the next text must not take that end.
    TExtRich edit;
    edit.loadText(QStringLiteral("a\n\nb"),
                  {TextFileFormat::LineBreak::CrLf, TextFileFormat::LineBreak::Lf},
                  TextFileFormat::LineBreak::CrLf);
    edit.setSelStart(3);
    QCOMPARE(edit.lineOfPosition(edit.selStart()), 1);
    edit.loadText(QStringLiteral("x\ny\nz"), {}, TextFileFormat::LineBreak::CrLf);
    LineBreaks ends;
    QCOMPARE(edit.fileText(&ends), QStringLiteral("x\ny\nz"));
    for (const TextFileFormat::LineBreak end : ends)
        QCOMPARE(end, TextFileFormat::LineBreak::CrLf);
}

void TstLineEnds::lineSeparatorIsACharacter()
{
    TExtRich edit;
    edit.loadText(QStringLiteral("a\u2028b\r\nc"));
    QCOMPARE(edit.lineCount(), 2);
    QCOMPARE(edit.line(0), QStringLiteral("a\u2028b"));
    QCOMPARE(edit.textLength(), 6);
    edit.setSelStart(1);
    edit.replaceSelection(QStringLiteral("\u2028"));
    QCOMPARE(edit.lineCount(), 2);
    QCOMPARE(edit.text(), QStringLiteral("a\u2028\u2028b\r\nc"));
}

void TstLineEnds::frameMarkersAreCharacters_data()
{
    // How the text with U+FDD0 and U+FDD1 came in; U+FDD2 is no marker and stays itself.
    QTest::addColumn<QString>("way");
    QTest::newRow("loaded") << "load";
    QTest::newRow("pasted") << "paste";
    QTest::newRow("typed") << "type";
    QTest::newRow("converted") << "convert";
    QTest::newRow("loaded into a long line") << "long";
}

void TstLineEnds::frameMarkersAreCharacters()
{
    QFETCH(QString, way);
    const QString pad = way == QLatin1String("long") ? markupLine(2 * PieceLength) : QString();
    const QString text = pad + QStringLiteral("a\uFDD0\uFDD2b\r\n\uFDD1c");
    TExtRich edit;
    if (way == QLatin1String("load") || way == QLatin1String("long")) {
        edit.loadText(text);
    } else if (way == QLatin1String("paste")) {
        edit.replaceSelection(text);
    } else if (way == QLatin1String("type")) {
        typeKeys(&edit, QString(text).replace(QLatin1String("\r\n"), QLatin1String("\r")));
    } else {
        edit.loadText(QStringLiteral("a&#xFDD0;\uFDD2b\r\n&#xFDD1;c"));
        QVERIFY(edit.convertLines([](const QString& line) {
            return QString(line)
                .replace(QLatin1String("&#xFDD0;"), QChar(0xFDD0))
                .replace(QLatin1String("&#xFDD1;"), QChar(0xFDD1));
        }));
    }
    const int at = int(pad.size());
    QCOMPARE(edit.lineCount(), 2);
    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.line(1), QStringLiteral("\uFDD1c"));
    QCOMPARE(edit.textSpan(at + 1, 6), QStringLiteral("\uFDD0\uFDD2b\r\n\uFDD1"));
    LineBreaks ends;
    QCOMPARE(edit.fileText(&ends), QString(text).replace(QLatin1String("\r\n"), "\n"));

    // Search, copy and conversions read them as they are.
    QVERIFY(SearchInControl(&edit, QStringLiteral("\uFDD1"), SearchOptions{}) ||
            SearchInControl(&edit, QStringLiteral("\uFDD1"), SearchOptions{false, false, false}));
    QCOMPARE(edit.selStart(), at + 6);
    edit.setSelStart(at);
    edit.setSelLength(3);
    QCOMPARE(edit.selText(), QStringLiteral("a\uFDD0\uFDD2"));
    edit.copySelection();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("a\uFDD0\uFDD2"));
    QString seen;
    edit.convertLines([&seen](const QString& line) {
        seen += line;
        return line.toUpper();
    });
    QCOMPARE(seen, QStringLiteral("\uFDD1c") + pad + QStringLiteral("a\uFDD0\uFDD2b"));
    QCOMPARE(edit.text(), QString(text).toUpper());

    // Pasted back after an undo, the copy is the same characters.
    edit.undoLast();
    edit.setSelStart(0);
    edit.pasteClipboard();
    QCOMPARE(edit.text(), QStringLiteral("a\uFDD0\uFDD2") + text);
}

// ---- long lines -------------------------------------------------------------------------------

void TstLineEnds::cutLinesLookWhole_data()
{
    QTest::addColumn<QString>("text"); // CR LF between lines

    const QString markup = markupLine(5 * PieceLength + 17);
    QTest::newRow("markup") << markup;
    QTest::newRow("no tag and no blank") << QString(3 * PieceLength + 1, u'x');
    QTest::newRow("surrogate pairs") << QStringLiteral("😀").repeated(PieceLength + 7);
    QTest::newRow("among short lines")
        << QStringLiteral("kurz\r\n") + markup + QStringLiteral("\r\n\r\nmitte\r\n") +
               QString(2 * PieceLength, u'y') + QStringLiteral("\r\nende\r\n");
    QTest::newRow("exactly one piece") << QString(PieceLength, u'z') + QStringLiteral("\r\nz");
}

void TstLineEnds::cutLinesLookWhole()
{
    QFETCH(QString, text);
    TExtRich edit;
    edit.resize(500, 300);
    edit.show();
    edit.loadText(text);

    const QList<int> starts = lineStarts(text);
    const QStringList blocks = blockTexts(edit);
    for (const QString& block : blocks) {
        QVERIFY(block.size() <= PieceLength);
        QVERIFY(!block.isEmpty() ? !block.front().isLowSurrogate() : true);
    }
    if (text.startsWith(QLatin1String("<td"))) // cut behind a tag's end where there is one
        QVERIFY(blocks.constFirst().endsWith(u'>'));

    QCOMPARE(edit.text(), text);
    QCOMPARE(edit.textLength(), text.size());
    QCOMPARE(edit.lineCount(), starts.size());
    for (int i = 0; i < starts.size(); ++i) {
        const int end = i + 1 < starts.size() ? starts[i + 1] - 2 : int(text.size());
        QCOMPARE(edit.line(i), text.mid(starts[i], end - starts[i]));
        QCOMPARE(edit.firstPositionOfLine(i), starts[i]);
    }
    LineBreaks ends;
    QCOMPARE(edit.fileText(&ends), QString(text).replace(QLatin1String("\r\n"), "\n"));

    for (int pos = 0; pos <= text.size(); pos += 13) {
        const bool insideBreak = pos > 0 && text[pos - 1] == u'\r';
        const int line =
            int(std::upper_bound(starts.cbegin(), starts.cend(), pos) - starts.cbegin()) - 1;
        QCOMPARE(edit.lineOfPosition(pos), line);
        edit.setSelStart(pos);
        QCOMPARE(edit.selStart(), insideBreak ? pos - 1 : pos);
        if (insideBreak)
            continue;
        edit.setSelLength(PieceLength + 3);
        QCOMPARE(edit.selText(), text.mid(pos, PieceLength + 3));
        QCOMPARE(edit.textSpan(pos, 2 * PieceLength), text.mid(pos, 2 * PieceLength));
    }
    // Spans that begin or end inside a line break.
    for (qsizetype at = text.indexOf(u'\n'); at >= 0; at = text.indexOf(u'\n', at + 1)) {
        QCOMPARE(edit.textSpan(int(at), 3), text.mid(at, 3));
        QCOMPARE(edit.textSpan(int(at) - 5, 5), text.mid(at - 5, 5));
    }
}

void TstLineEnds::keysAtACut_data()
{
    QTest::addColumn<int>("caret");       // interface position before the keys
    QTest::addColumn<QList<int>>("keys"); // pressed one after another, with modifiers
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<int>("removedAt"); // the character removed, or -1
    QTest::addColumn<int>("removed");

    using L = QList<int>;
    const int cut = int(PieceLength);
    const int shift = int(Qt::ShiftModifier);
    QTest::newRow("Backspace behind a cut")
        << cut << L{Qt::Key_Backspace} << cut - 1 << 0 << cut - 1 << 1;
    QTest::newRow("Right then Delete before a cut")
        << cut - 1 << L{Qt::Key_Right, Qt::Key_Delete} << cut << 0 << cut << 1;
    QTest::newRow("Right over a cut in two steps")
        << cut - 1 << L{Qt::Key_Right, Qt::Key_Right} << cut + 1 << 0 << -1 << 0;
    QTest::newRow("Left over a cut in two steps")
        << cut + 1 << L{Qt::Key_Left, Qt::Key_Left} << cut - 1 << 0 << -1 << 0;
    QTest::newRow("Shift+Right selects across a cut")
        << cut - 1 << L{Qt::Key_Right | shift, Qt::Key_Right | shift} << cut - 1 << 2 << -1 << 0;
    QTest::newRow("Backspace twice over a cut")
        << cut + 1 << L{Qt::Key_Backspace, Qt::Key_Backspace} << cut - 1 << 0 << cut - 1 << 2;
}

void TstLineEnds::keysAtACut()
{
    QFETCH(int, caret);
    QFETCH(QList<int>, keys);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(int, removedAt);
    QFETCH(int, removed);

    // Letters without blanks or tags: the cuts fall at every PieceLength characters.
    QString text;
    for (int i = 0; i < 3 * PieceLength; ++i)
        text += QChar(u'a' + i % 26);
    TExtRich edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.loadText(text);
    QCOMPARE(blockTexts(edit).size(), 3);
    edit.setSelStart(caret);
    for (const int key : keys)
        QTest::keyClick(&edit, Qt::Key(key & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(key & Qt::KeyboardModifierMask));
    QCOMPARE(edit.selStart(), selStart);
    QCOMPARE(edit.selLength(), selLength);
    QCOMPARE(edit.selText(), text.mid(selStart, selLength));
    QCOMPARE(edit.text(), removedAt < 0 ? text : QString(text).remove(removedAt, removed));
}

void TstLineEnds::returnAtACutEndsTheLine()
{
    const QString text(2 * PieceLength + 5, u'w');
    for (const bool behind : {true, false}) {
        TExtRich edit;
        edit.loadText(text);
        const int blocks = edit.document()->blockCount();
        // Behind the cut or, one step right from the last character before it, in front of it.
        edit.setSelStart(behind ? PieceLength : PieceLength - 1);
        if (!behind)
            QTest::keyClick(&edit, Qt::Key_Right);
        QCOMPARE(edit.selStart(), PieceLength);
        QTest::keyClick(&edit, Qt::Key_Return);
        QCOMPARE(edit.text(), QString(text).insert(PieceLength, QLatin1String("\r\n")));
        QCOMPARE(edit.selStart(), PieceLength + 2);
        QCOMPARE(edit.lineCount(), 2);
        QCOMPARE(edit.document()->blockCount(), blocks); // the cut became the line end
        LineBreaks ends;
        edit.fileText(&ends);
        QCOMPARE(ends, LineBreaks{TextFileFormat::LineBreak::CrLf});
        edit.undoLast();
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.lineCount(), 1);
    }
}

void TstLineEnds::typingCutsAGrownPiece()
{
    TExtRich edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    const QString text(PieceLength, u'v');
    edit.loadText(text);
    QCOMPARE(edit.document()->blockCount(), 1);
    edit.setSelStart(10);
    const QString typed(LineEnds::RecutLength - PieceLength + 2, u't');
    QTest::keyClicks(&edit, typed);
    const QString grown = QString(text).insert(10, typed);
    QCOMPARE(edit.text(), grown);
    QVERIFY(edit.document()->blockCount() > 1);
    for (const QString& block : blockTexts(edit))
        QVERIFY(block.size() <= LineEnds::RecutLength);
    QCOMPARE(edit.selStart(), 10 + typed.size());
    QCOMPARE(edit.lineCount(), 1);
    edit.undoLast();
    QVERIFY(edit.text().size() < grown.size());
    QVERIFY(grown.startsWith(edit.text().left(10)));
}

void TstLineEnds::pastedLongLineIsCut()
{
    TExtRich edit;
    edit.loadText(QStringLiteral("vorher\r\nnachher"));
    const QString line = markupLine(4 * PieceLength);
    edit.setSelStart(6);
    edit.replaceSelection(QStringLiteral("\n") + line + QStringLiteral("\r") + line);
    const QString expected =
        QStringLiteral("vorher\r\n") + line + QStringLiteral("\r\n") + line + "\r\nnachher";
    QCOMPARE(edit.text(), expected);
    QCOMPARE(edit.lineCount(), 4);
    QCOMPARE(edit.line(2), line);
    for (const QString& block : blockTexts(edit))
        QVERIFY(block.size() <= PieceLength);
    edit.undoLast();
    QCOMPARE(edit.text(), QStringLiteral("vorher\r\nnachher"));
    QCOMPARE(edit.document()->blockCount(), 2);
}

void TstLineEnds::searchReachesAcrossCuts()
{
    QString line(5 * PieceLength, u'x');
    line.replace(PieceLength - 2, 5, QStringLiteral("NADEL"));     // across the first cut
    line.replace(4 * PieceLength - 1, 5, QStringLiteral("nadel")); // across the fourth
    TExtRich edit;
    edit.loadText(QStringLiteral("oben\r\n") + line + QStringLiteral("\r\nunten"));
    QVERIFY(edit.document()->blockCount() > 6);

    QVERIFY(SearchInControl(&edit, QStringLiteral("nadel"), SearchOptions{}));
    QCOMPARE(edit.selStart(), 6 + PieceLength - 2);
    QCOMPARE(edit.selText(), QStringLiteral("NADEL"));
    QVERIFY(SearchInControl(&edit, QStringLiteral("nadel"), SearchOptions{true, true, false}));
    QCOMPARE(edit.selStart(), 6 + 4 * PieceLength - 1);
    QVERIFY(SearchInControl(&edit, QStringLiteral("x\r\nunt"), SearchOptions{}));
    QCOMPARE(edit.selStart(), 6 + 5 * PieceLength - 1);

    edit.setSelStart(edit.textLength());
    QVERIFY(SearchInControl(&edit, QStringLiteral("NADEL"), SearchOptions{false, true, false}));
    QCOMPARE(edit.selStart(), 6 + PieceLength - 2);
}

void TstLineEnds::caretReportsCountWholeLines()
{
    TExtRich edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.loadText(QStringLiteral("erste\r\n") + QString(3 * PieceLength, u'q') + "\r\ndritte");
    QSignalSpy spy(&edit, &TExtRich::posChange);
    const int inPiece = 7 + 2 * PieceLength + 5;
    edit.setSelStart(inPiece);
    edit.reportPosition();
    QCOMPARE(spy.last(), (QList<QVariant>{2 * PieceLength + 5, 2}));
    // Extended forward over a cut, the end shows; backward, the start.
    edit.setSelStart(7 + PieceLength - 1);
    edit.reportPosition();
    edit.setSelLength(3);
    edit.reportPosition();
    QCOMPARE(spy.last(), (QList<QVariant>{PieceLength + 2, 2}));
    edit.setSelStart(edit.firstPositionOfLine(2) + 1);
    edit.reportPosition();
    QCOMPARE(spy.last(), (QList<QVariant>{1, 3}));
}

void TstLineEnds::indentsCoverTheWholeLine()
{
    using Indents = TExtRich::ParagraphIndents;
    TExtRich edit;
    edit.resize(400, 300);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    edit.loadText(QStringLiteral("kurz\r\n") + QString(3 * PieceLength, u'i') + "\r\nkurz");
    edit.setSelStart(6 + 2 * PieceLength + 3); // in the third piece of line 1
    edit.setParagraphIndents({30, -15, 0});    // first line 40 pixels, the others 20
    for (int piece = 0; piece < 3; ++piece) {
        edit.setSelStart(6 + piece * PieceLength);
        QCOMPARE(edit.paragraphIndents(), Indents({30, -15, 0}));
        // Only the line's own first character stands at the first-line indent; a later piece
        // goes on in the row of the one in front, and its own rows start at the left indent.
        if (piece == 0) {
            QCOMPARE(edit.cursorRect().left(), 40);
        } else {
            QVERIFY(edit.cursorRect().left() > 40);
            const QTextBlock block = edit.textCursor().block();
            QVERIFY(block.layout()->lineCount() > 1);
            QTextCursor second(block);
            second.setPosition(block.position() + block.layout()->lineAt(1).textStart());
            QCOMPARE(edit.cursorRect(second).left(), 20);
        }
    }
    edit.setSelStart(0);
    QCOMPARE(edit.paragraphIndents(), Indents{});
    edit.setSelStart(edit.textLength());
    QCOMPARE(edit.paragraphIndents(), Indents{});
}

void TstLineEnds::randomEditsKeepTheText()
{
    // Edits, undo and redo in any order: every answer of the interface keeps matching the
    // text, also in lines cut into many pieces.
    QRandomGenerator random(20241209);
    const auto someText = [&random]() -> QString {
        switch (random.bounded(6)) {
        case 0:
            return QString();
        case 1:
            return QStringLiteral("ab");
        case 2:
            return QStringLiteral("x\r\ny");
        case 3:
            return QStringLiteral("\n");
        case 4:
            return markupLine(PieceLength + random.bounded(int(2 * PieceLength)));
        default:
            return markupLine(30) + QStringLiteral("\r\n") + markupLine(3 * PieceLength);
        }
    };
    TExtRich edit;
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    QString text = markupLine(4 * PieceLength) + QStringLiteral("\r\nmitte\r\n") +
                   markupLine(2 * PieceLength + 9);
    edit.loadText(text);
    QStringList history{text};
    QStringList future;
    for (int step = 0; step < 250; ++step) {
        const int action = int(random.bounded(10));
        if (action == 0 && edit.canUndo()) {
            edit.undoLast();
            // Qt joins neighbouring keystrokes in one step: the text is one of the earlier ones.
            const qsizetype back = history.lastIndexOf(edit.text(), history.size() - 2);
            QVERIFY2(back >= 0, "undo gave a text never seen");
            while (history.size() > back + 1)
                future.prepend(history.takeLast());
        } else if (action == 1 && !future.isEmpty()) {
            edit.redo();
            const qsizetype ahead = future.indexOf(edit.text());
            QVERIFY2(ahead >= 0, "redo gave a text never seen");
            history += future.mid(0, ahead + 1);
            future.remove(0, ahead + 1);
        } else {
            const int start = int(random.bounded(edit.textLength() + 1));
            edit.setSelStart(start);
            edit.setSelLength(int(random.bounded(3)) == 0 ? int(random.bounded(3000)) : 0);
            if (action < 6) {
                edit.replaceSelection(someText());
            } else {
                static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return,
                                               Qt::Key_Left, Qt::Key_Right};
                QTest::keyClick(&edit, keys[random.bounded(int(std::size(keys)))]);
                history.append(edit.text());
                QTest::keyClicks(&edit, QStringLiteral("k"));
            }
            future.clear();
            history.append(edit.text());
        }
        text = history.last();
        QCOMPARE(edit.text(), text);
        QCOMPARE(edit.textLength(), text.size());
        const QList<int> starts = lineStarts(text);
        QCOMPARE(edit.lineCount(), starts.size());
        const int line = int(random.bounded(starts.size()));
        QCOMPARE(edit.firstPositionOfLine(line), starts[line]);
        const int end = line + 1 < starts.size() ? starts[line + 1] - 2 : int(text.size());
        QCOMPARE(edit.line(line), text.mid(starts[line], end - starts[line]));
        const int pos = int(random.bounded(text.size() + 1));
        QCOMPARE(edit.textSpan(pos, 300), text.mid(pos, 300));
        QCOMPARE(edit.lineOfPosition(pos),
                 int(std::upper_bound(starts.cbegin(), starts.cend(), pos) - starts.cbegin()) - 1);
    }
}

TESSALINE_TEST_MAIN(TstLineEnds)
#include "tst_lineends.moc"
