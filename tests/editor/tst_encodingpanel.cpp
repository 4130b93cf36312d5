// Tests of the encoding and line-end panel and the charset guard: what the panel shows, its menu,
// conversions byte for byte, the Windows-1252 refusal, and the guard's three answers.
#include "app/Main.h"
#include "core/TextFileCodec.h"
#include "editor/CharsetGuard.h"
#include "editor/DocumentWindow.h"
#include "editor/EncodingChoice.h"
#include "editor/FrameFixture.h"
#include "editor/TextControl.h"
#include "support/TestSupport.h"
#include "widgets/HintStatusBar.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <memory>

using Encoding = TextFileFormat::Encoding;
Q_DECLARE_METATYPE(TextFileFormat::Encoding)

namespace
{

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

QByteArray latin1(const char* utf8)
{
    return encodeWindows1252(QString::fromUtf8(utf8));
}

} // namespace

class TstEncodingPanel : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void panelShowsTheFormat_data();
    void panelShowsTheFormat();
    void conversionsRoundTrip();
    void lineEndsAreUnified();
    void windows1252IsRefusedForForeignCharacters();
    void panelClickOffersTheOthers();
    void declarations_data();
    void declarations();
    void guardAnswers_data();
    void guardAnswers();
    void guardAsksAboutTheEncodingWritten_data();
    void guardAsksAboutTheEncodingWritten();

private:
    TMDIChild* openFile(const QString& name, const QByteArray& bytes);
    QString panel() const
    {
        return m_frame->hintStatusBar()->panelText(QLatin1String(TMDIChild::EncodingPanel));
    }
    std::unique_ptr<TestEnvironment> m_env;
    std::unique_ptr<TMainForm> m_frame;
};

void TstEncodingPanel::init()
{
    m_env = std::make_unique<TestEnvironment>();
    m_frame = std::make_unique<TMainForm>(StartOptions{});
}

void TstEncodingPanel::cleanup()
{
    waitNoModal(1000);
    closeFrameQuietly(m_frame);
    m_env.reset();
}

TMDIChild* TstEncodingPanel::openFile(const QString& name, const QByteArray& bytes)
{
    const QString path = m_env->path(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return nullptr;
    file.close();
    TMDIChild* child = m_frame->openDocument(path);
    QCoreApplication::processEvents();
    return child;
}

void TstEncodingPanel::panelShowsTheFormat_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("utf-8, crlf") << QByteArray("<p>\xC3\xA4</p>\r\nx\r\n") << "UTF-8 · CR LF";
    QTest::newRow("bom, lf") << QByteArray("\xEF\xBB\xBFp\nq\n") << "UTF-8 mit BOM · LF";
    QTest::newRow("windows-1252") << QByteArray("\xE4\r\n") << "Windows-1252 · CR LF";
}

void TstEncodingPanel::panelShowsTheFormat()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QVERIFY(openFile(QStringLiteral("a.html"), bytes));
    QCOMPARE(panel(), shown);
    QVERIFY(m_frame->hintStatusBar()->panel(QLatin1String(TMDIChild::EncodingPanel))->x() >
            m_frame->hintStatusBar()->panel(QStringLiteral("HintStatusPanel3"))->x());
}

void TstEncodingPanel::conversionsRoundTrip()
{
    const QByteArray original = latin1("<p>Grüße aus Köln – für 5 €</p>\r\nÄ\r\n");
    TMDIChild* child = openFile(QStringLiteral("seite.html"), original);
    QVERIFY(child);
    QCOMPARE(child->fileFormat().encoding, Encoding::Windows1252);

    QVERIFY(child->setEncoding(Encoding::Utf8));
    QVERIFY(child->TextMemo->isModified());
    QCOMPARE(panel(), QStringLiteral("UTF-8 · CR LF"));
    QVERIFY(child->save());
    QCOMPARE(readBytes(child->FileName),
             QString::fromUtf8("<p>Grüße aus Köln – für 5 €</p>\r\nÄ\r\n").toUtf8());

    QVERIFY(child->setEncoding(Encoding::Utf8Bom));
    QVERIFY(child->save());
    QVERIFY(readBytes(child->FileName).startsWith("\xEF\xBB\xBF<p>"));

    QVERIFY(child->setEncoding(Encoding::Windows1252));
    QVERIFY(child->save());
    QCOMPARE(readBytes(child->FileName), original);
    QVERIFY(!child->TextMemo->isModified());
}

void TstEncodingPanel::lineEndsAreUnified()
{
    TMDIChild* child = openFile(QStringLiteral("mixed.html"), "a\r\nb\nc\r\nd");
    QVERIFY(child);
    child->setMainLineBreak(TextFileFormat::LineBreak::Lf);
    QVERIFY(child->TextMemo->isModified());
    QCOMPARE(panel(), QStringLiteral("UTF-8 · LF"));
    QVERIFY(child->save());
    QCOMPARE(readBytes(child->FileName), QByteArray("a\nb\nc\nd"));
    // Lines typed later get the chosen kind as well.
    child->TextMemo->setSelStart(child->TextMemo->textLength());
    child->TextMemo->replaceSelection(QStringLiteral("\r\ne"));
    QVERIFY(child->save());
    QCOMPARE(readBytes(child->FileName), QByteArray("a\nb\nc\nd\ne"));
    child->setMainLineBreak(TextFileFormat::LineBreak::CrLf);
    QVERIFY(child->save());
    QCOMPARE(readBytes(child->FileName), QByteArray("a\r\nb\r\nc\r\nd\r\ne"));
}

void TstEncodingPanel::windows1252IsRefusedForForeignCharacters()
{
    TMDIChild* child =
        openFile(QStringLiteral("u.html"), QString::fromUtf8("ä €\r\nok ✓ Ω\r\n").toUtf8());
    QVERIFY(child);
    QString message;
    answerMessageBox(QMessageBox::Ok, &message);
    QVERIFY(!child->setEncoding(Encoding::Windows1252));
    QVERIFY(waitNoModal());
    QVERIFY2(message.contains(QString::fromUtf8("„✓“ (U+2713)")), qPrintable(message));
    QVERIFY(message.contains(QStringLiteral("Zeile 2")));
    QCOMPARE(child->fileFormat().encoding, Encoding::Utf8);
    QVERIFY(!child->TextMemo->isModified());
    QCOMPARE(EncodingChoice::firstUnencodable(QString::fromUtf8("aé€Ÿ\u0081x😀")), 6);
}

void TstEncodingPanel::panelClickOffersTheOthers()
{
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    TMDIChild* child = openFile(QStringLiteral("k.html"), "<p>x</p>\r\n");
    QVERIFY(child);
    QLabel* label = m_frame->hintStatusBar()->panel(QLatin1String(TMDIChild::EncodingPanel));
    QTest::mouseClick(label, Qt::LeftButton);
    QMenu* menu = nullptr;
    QTRY_VERIFY((menu = child->findChild<QMenu*>(QStringLiteral("EncodingMenu"))) &&
                menu->isVisible());
    QStringList items;
    QAction* lf = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        items << (a->isChecked() ? QStringLiteral("*") : QString()) + a->text();
        if (a->text() == QLatin1String("LF"))
            lf = a;
    }
    QCOMPARE(items, QStringList({"*UTF-8", "UTF-8 mit BOM", "Windows-1252", "*CR LF", "LF"}));
    QVERIFY(lf);
    lf->trigger();
    menu->close();
    QCOMPARE(child->fileFormat().lineBreak, TextFileFormat::LineBreak::Lf);
    QCOMPARE(panel(), QStringLiteral("UTF-8 · LF"));
}

void TstEncodingPanel::declarations_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name"); // empty: none found
    QTest::addColumn<Encoding>("encoding");
    QTest::newRow("meta charset") << "<head><meta charset=\"UTF-8\">"
                                  << "UTF-8" << Encoding::Utf8;
    QTest::newRow("unquoted") << "<META CHARSET=windows-1252>"
                              << "windows-1252" << Encoding::Windows1252;
    QTest::newRow("http-equiv")
        << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">"
        << "iso-8859-1" << Encoding::Windows1252;
    QTest::newRow("unknown encoding") << "<meta charset=\"shift_jis\">"
                                      << "" << Encoding::Utf8;
    QTest::newRow("no declaration") << "<p>charset=utf-8</p>"
                                    << "" << Encoding::Utf8;
    // A lone half of a surrogate pair anywhere in front, or a pair cut in two by the read limit.
    QTest::newRow("lone surrogate in front")
        << QStringLiteral("<p>\xD83D</p><meta charset=\"utf-8\">") << "utf-8" << Encoding::Utf8;
    QTest::newRow("lone surrogate in the tag")
        << QStringLiteral("<meta name=\"\xDE00\" charset=latin1>") << "latin1"
        << Encoding::Windows1252;
    QTest::newRow("pair cut by the read limit")
        << QStringLiteral("<meta charset=\"utf-8\">") + QString(64 * 1024 - 23, u'x') +
               QStringLiteral("\U0001F600")
        << "utf-8" << Encoding::Utf8;
}

void TstEncodingPanel::declarations()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(Encoding, encoding);
    const auto found = CharsetGuard::declared(text);
    QCOMPARE(found.has_value(), !name.isEmpty());
    if (found) {
        QCOMPARE(found->name, name);
        QCOMPARE(found->encoding, encoding);
    }
}

void TstEncodingPanel::guardAnswers_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<int>("answer"); // 0: no question expected
    QTest::addColumn<QByteArray>("written");

    const QByteArray utf8Page = "<meta charset=\"utf-8\">\r\nK\xC3\xB6ln\r\n";
    const QByteArray latinPage = "<meta charset=\"utf-8\">\r\nK\xF6ln\r\n";
    QTest::newRow("write as declared") << latinPage << int(QMessageBox::Yes) << utf8Page;
    QTest::newRow("save as it is") << latinPage << int(QMessageBox::No) << latinPage;
    QTest::newRow("cancel") << latinPage << int(QMessageBox::Cancel) << QByteArray();
    QTest::newRow("declaration agrees") << utf8Page << 0 << utf8Page;

    const QByteArray equivUtf8 =
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n\xC3\xA4";
    const QByteArray equivLatin =
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n\xE4";
    QTest::newRow("http-equiv written as declared")
        << equivUtf8 << int(QMessageBox::Yes) << equivLatin;
}

void TstEncodingPanel::guardAnswers()
{
    QFETCH(QByteArray, original);
    QFETCH(int, answer);
    QFETCH(QByteArray, written);
    TMDIChild* child = openFile(QStringLiteral("g.html"), original);
    QVERIFY(child);
    child->TextMemo->setModified(true);
    QString question;
    if (answer != 0)
        answerMessageBox(QMessageBox::StandardButton(answer), &question);
    const bool saved = child->save();
    QVERIFY(waitNoModal());
    QCOMPARE(saved, !written.isEmpty());
    if (answer != 0)
        QVERIFY2(question.contains(QStringLiteral("Zeichensatz")), qPrintable(question));
    QCOMPARE(readBytes(child->FileName), written.isEmpty() ? original : written);
    QCOMPARE(child->TextMemo->isModified(), written.isEmpty());
}

void TstEncodingPanel::guardAsksAboutTheEncodingWritten_data()
{
    QTest::addColumn<QByteArray>("original");
    QTest::addColumn<bool>("chooseWindows1252");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("asked");   // the encoding the question says would be written
    QTest::addColumn<QString>("refusal"); // a part of the warning after the answer, if any

    // U+2029 line ends make even a Windows-1252 document be written as UTF-8.
    const QByteArray separatorEnds = "<meta charset=\"windows-1252\">\xE2\x80\xA9K\xC3\xB6ln"
                                     "\xE2\x80\xA9";
    QTest::newRow("U+2029 line ends, saved as they are")
        << separatorEnds << true << int(QMessageBox::No) << "UTF-8"
        << "";
    QTest::newRow("U+2029 line ends cannot be Windows-1252")
        << separatorEnds << true << int(QMessageBox::Yes) << "UTF-8"
        << "U+2029";
    // A UTF-8 page whose emoji stands across the limit of the declaration search.
    QByteArray cutPair = "<meta charset=\"windows-1252\">";
    cutPair += QByteArray(64 * 1024 - 1 - cutPair.size(), 'x') + "\xF0\x9F\x98\x80\r\n";
    QTest::newRow("pair cut by the read limit")
        << cutPair << false << int(QMessageBox::No) << "UTF-8"
        << "";
}

void TstEncodingPanel::guardAsksAboutTheEncodingWritten()
{
    QFETCH(QByteArray, original);
    QFETCH(bool, chooseWindows1252);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(QString, refusal);
    TMDIChild* child = openFile(QStringLiteral("w.html"), original);
    QVERIFY(child);
    if (chooseWindows1252)
        QVERIFY(child->setEncoding(Encoding::Windows1252));
    child->TextMemo->setModified(true);
    QString question;
    QString warning;
    answerMessageBox(QMessageBox::StandardButton(answer), &question);
    if (!refusal.isEmpty())
        answerMessageBox(QMessageBox::Ok, &warning);
    const bool saved = child->save();
    QVERIFY(waitNoModal());
    QVERIFY2(question.contains(QStringLiteral("gespeichert würde sie aber als %1.").arg(asked)),
             qPrintable(question));
    QVERIFY2(warning.contains(refusal), qPrintable(warning));
    QCOMPARE(saved, refusal.isEmpty());
    // Saved as it is: the file keeps its bytes (UTF-8), as the question said.
    QCOMPARE(readBytes(child->FileName), original);
}

TESSALINE_TEST_MAIN(TstEncodingPanel)
#include "tst_encodingpanel.moc"
