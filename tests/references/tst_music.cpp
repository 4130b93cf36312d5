// Tests of background music and embedded media: their tags, the bgsound's place and the dialogs.
#include "editor/DialogEnvironment.h"
#include "generators/DocumentFixture.h"
#include "references/BackgroundMusic.h"
#include "references/EmbedDialog.h"
#include "references/ReferenceFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QToolButton>

class TestMusic : public QObject
{
    Q_OBJECT
private slots:
    void init() { musicMemory() = {}; }

    void bgsoundTag_data();
    void bgsoundTag();
    void placement_data();
    void placement();
    void musicDialogInsertsAndRemembers();
    void musicOkNeedsAFileName();
    void cancelForgetsOnlyTheFileName();
    void musicFileChoiceTakesTheNameOnly();
    void commandWithoutBodyWritesAtTheCaret();

    void embedMarkup_data();
    void embedMarkup();
    void embedDialog_data();
    void embedDialog();
    void embedFileChoice_data();
    void embedFileChoice();
    void embedDialogIsResizable();
};

namespace
{

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

void TestMusic::bgsoundTag_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("loop");
    QTest::addColumn<QString>("expected");

    QTest::newRow("example") << "intro.mid"
                             << ""
                             << "infinite"
                             << "<bgsound src=\"intro.mid\" loop=\"infinite\">";
    QTest::newRow("empty loop stays quoted") << "a.wav"
                                             << ""
                                             << ""
                                             << "<bgsound src=\"a.wav\" loop=\"\">";
    QTest::newRow("path stands before the name as written")
        << "b.au"
        << "sound/"
        << "3"
        << "<bgsound src=\"sound/b.au\" loop=\"3\">";
    const QString longPath = QString(300, QLatin1Char('p')) + QLatin1Char('/');
    QTest::newRow("nothing is cut") << "c.mid" << longPath << "2"
                                    << "<bgsound src=\"" + longPath + "c.mid\" loop=\"2\">";
}

void TestMusic::bgsoundTag()
{
    QFETCH(QString, name);
    QFETCH(QString, path);
    QFETCH(QString, loop);
    QFETCH(QString, expected);
    QCOMPARE(::bgsoundTag({name, path, loop}), expected);
}

void TestMusic::placement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("expected");

    const QString tag = QStringLiteral("<bgsound src=\"m.mid\" loop=\"1\">");
    QTest::newRow("body on line 0 gets the tag as line 1")
        << "<body>\r\nerste\r\nzweite" << 0 << "<body>\r\n" + tag + "\r\nerste\r\nzweite";
    QTest::newRow("body tag found whatever its case")
        << "<html>\r\n<BODY bgcolor=\"#FFFFFF\">\r\n</html>" << 0
        << "<html>\r\n<BODY bgcolor=\"#FFFFFF\">\r\n" + tag + "\r\n</html>";
    QTest::newRow("only the first body line counts")
        << "<body>\r\n<body>\r\nx" << 0 << "<body>\r\n" + tag + "\r\n<body>\r\nx";
    QTest::newRow("body line last gets a new last line")
        << "<html>\r\n<body>" << 0 << "<html>\r\n<body>\r\n" + tag;
    QTest::newRow("body line before an empty last line") << "<body>\r\n"
                                                         << 0 << "<body>\r\n" + tag + "\r\n";
    QTest::newRow("without body at the caret") << "abc\r\ndef" << 6 << "abc\r\nd" + tag + "ef";
    QTest::newRow("empty document") << "" << 0 << tag;
}

void TestMusic::placement()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, expected);
    TExtRich memo;
    memo.loadText(text);
    memo.setSelStart(caret);
    placeBgsound(memo, QStringLiteral("<bgsound src=\"m.mid\" loop=\"1\">"));
    QCOMPARE(memo.text(), expected);
}

void TestMusic::musicDialogInsertsAndRemembers()
{
    DocumentFixture f;
    f.setText(QStringLiteral("<html>\r\n<body text=\"#000000\">\r\n<p>Hallo</p>\r\n</body>"));
    answerDialog<TDBgrMusic>([](TDBgrMusic* d) {
        QVERIFY(d->Edit1->text().isEmpty());
        QVERIFY(d->ComboBox1->currentText().isEmpty());
        QCOMPARE(d->windowTitle(), QStringLiteral("Hintergrundmusik (nur MSIE)"));
        QTest::keyClicks(d->Edit1, QStringLiteral("intro.mid"));
        d->Edit2->setText(QStringLiteral("musik/"));
        d->ComboBox1->setEditText(QStringLiteral("infinite"));
    });
    f.trigger("Hintergrundmusik1");
    QCOMPARE(f.memo->text(), QStringLiteral("<html>\r\n<body text=\"#000000\">\r\n"
                                            "<bgsound src=\"musik/intro.mid\" loop=\"infinite\">"
                                            "\r\n<p>Hallo</p>\r\n</body>"));

    // The next dialog of the run shows all three values again.
    MusicValues shown;
    answerDialog<TDBgrMusic>(
        [&shown](TDBgrMusic* d) {
            shown = {d->Edit1->text(), d->Edit2->text(), d->ComboBox1->currentText()};
            QVERIFY(d->okButton()->isEnabled());
        },
        QStringLiteral("BitBtn1"));
    f.trigger("Hintergrundmusik1");
    QCOMPARE(shown.fileName, QStringLiteral("intro.mid"));
    QCOMPARE(shown.path, QStringLiteral("musik/"));
    QCOMPARE(shown.loop, QStringLiteral("infinite"));
}

void TestMusic::musicOkNeedsAFileName()
{
    DocumentFixture f;
    f.setText(QStringLiteral("Text"));
    bool enabledEmpty = true, enabledTyped = false, openAfterReturn = false;
    answerDialog<TDBgrMusic>(
        [&](TDBgrMusic* d) {
            enabledEmpty = d->okButton()->isEnabled();
            QTest::keyClick(d, Qt::Key_Return);
            openAfterReturn = d->isVisible();
            d->Edit1->setText(QStringLiteral("x.mid"));
            enabledTyped = d->okButton()->isEnabled();
            d->Edit1->clear();
        },
        QStringLiteral("BitBtn2"));
    f.trigger("Hintergrundmusik1");
    QVERIFY(!enabledEmpty);
    QVERIFY(openAfterReturn);
    QVERIFY(enabledTyped);
    QCOMPARE(f.memo->text(), QStringLiteral("Text"));
}

void TestMusic::cancelForgetsOnlyTheFileName()
{
    DocumentFixture f;
    musicMemory() = {QStringLiteral("alt.mid"), QStringLiteral("pfad/"), QStringLiteral("5")};
    answerDialog<TDBgrMusic>([](TDBgrMusic* d) { d->Edit1->setText(QStringLiteral("neu.mid")); },
                             QStringLiteral("BitBtn2"));
    f.trigger("Hintergrundmusik1");
    QVERIFY(f.memo->text().isEmpty());
    QVERIFY(musicMemory().fileName.isEmpty());
    QCOMPARE(musicMemory().path, QStringLiteral("pfad/"));
    QCOMPARE(musicMemory().loop, QStringLiteral("5"));

    // Escape is Abbruch too.
    musicMemory().fileName = QStringLiteral("noch.mid");
    answerDialog<TDBgrMusic>([](TDBgrMusic* d) { QTest::keyClick(d, Qt::Key_Escape); }, QString());
    f.trigger("Hintergrundmusik1");
    QVERIFY(musicMemory().fileName.isEmpty());
    QCOMPARE(musicMemory().loop, QStringLiteral("5"));
}

void TestMusic::musicFileChoiceTakesTheNameOnly()
{
    DocumentFixture f;
    const QString file = f.env.path(QStringLiteral("titel.mid"));
    touch(file);
    TDBgrMusic dialog(dialogEnv(*f.child), musicMemory());
    dialog.Edit2->setText(QStringLiteral("ton/"));
    answerFileDialog(file);
    dialog.SBtnFileOpen->click();
    QCOMPARE(dialog.Edit1->text(), QStringLiteral("titel.mid"));
    QCOMPARE(dialog.Edit2->text(), QStringLiteral("ton/"));
    QVERIFY(dialog.okButton()->isEnabled());
    QCOMPARE(musicMemory().fileName, QStringLiteral("titel.mid"));

    answerFileDialog(QString());
    dialog.SBtnFileOpen->click();
    QCOMPARE(dialog.Edit1->text(), QStringLiteral("titel.mid"));
}

void TestMusic::commandWithoutBodyWritesAtTheCaret()
{
    DocumentFixture f;
    f.setText(QStringLiteral("vorher nachher"));
    f.memo->setSelStart(7);
    f.memo->setSelLength(7);
    musicMemory() = {QStringLiteral("a.wav"), QString(), QString()};
    answerDialog<TDBgrMusic>([](TDBgrMusic*) {});
    f.trigger("Hintergrundmusik1");
    QCOMPARE(f.memo->text(), QStringLiteral("vorher <bgsound src=\"a.wav\" loop=\"\">"));
}

void TestMusic::embedMarkup_data()
{
    QTest::addColumn<QStringList>("values"); // file, width, height, autostart, loop
    QTest::addColumn<QString>("expected");

    QTest::newRow("example") << QStringList{"film.avi", "320", "240", "true", ""}
                             << "<EMBED src=\"film.avi\" width=320 height=240 autostart=true>";
    QTest::newRow("file alone") << QStringList{"a.mid", "", "", "", ""} << "<EMBED src=\"a.mid\">";
    QTest::newRow("loop alone") << QStringList{"a.mid", "", "", "", "false"}
                                << "<EMBED src=\"a.mid\" loop=false>";
    QTest::newRow("height without width")
        << QStringList{"w.wrl", "", "90", "", ""} << "<EMBED src=\"w.wrl\" height=90>";
    QTest::newRow("every part in order")
        << QStringList{"x.wav", "1", "2", "false", "true"}
        << "<EMBED src=\"x.wav\" width=1 height=2 autostart=false loop=true>";
}

void TestMusic::embedMarkup()
{
    QFETCH(QStringList, values);
    QFETCH(QString, expected);
    QCOMPARE(::embedMarkup({values[0], values[1], values[2], values[3], values[4]}), expected);
}

void TestMusic::embedDialog_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("expected");

    QTest::newRow("OK replaces the selection")
        << "film.avi"
        << "BitBtn1"
        << "alt <EMBED src=\"film.avi\" width=320 height=240 autostart=true> neu";
    QTest::newRow("OK without a file inserts nothing") << ""
                                                       << "BitBtn1"
                                                       << "alt Auswahl neu";
    QTest::newRow("Abbruch inserts nothing") << "film.avi"
                                             << "BitBtn2"
                                             << "alt Auswahl neu";
}

void TestMusic::embedDialog()
{
    QFETCH(QString, file);
    QFETCH(QString, button);
    QFETCH(QString, expected);
    DocumentFixture f;
    f.setText(QStringLiteral("alt Auswahl neu"));
    f.memo->setSelStart(4);
    f.memo->setSelLength(7);
    answerDialog<TForm4>(
        [file](TForm4* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Embed"));
            QVERIFY(d->ComboBox1->currentText().isEmpty());
            d->Edit2->setText(file);
            // The width field is reached by its label's mnemonic.
            QTest::keyClick(d, Qt::Key_W, Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), d->Edit3);
            QTest::keyClicks(d->Edit3, QStringLiteral("320"));
            d->Edit1->setText(QStringLiteral("240"));
            d->ComboBox1->setCurrentIndex(d->ComboBox1->findText(QStringLiteral("true")));
        },
        button);
    f.trigger("EmbedLiveaudi1");
    QCOMPARE(f.memo->text(), expected);
}

void TestMusic::embedFileChoice_data()
{
    QTest::addColumn<bool>("withPath");
    QTest::addColumn<bool>("cancel");

    QTest::newRow("name alone") << false << false;
    QTest::newRow("with the local path") << true << false;
    QTest::newRow("cancel empties the field") << true << true;
}

void TestMusic::embedFileChoice()
{
    QFETCH(bool, withPath);
    QFETCH(bool, cancel);
    DocumentFixture f;
    const QString file = f.env.path(QStringLiteral("film.avi"));
    touch(file);
    TForm4 dialog(dialogEnv(*f.child));
    dialog.Edit2->setText(QStringLiteral("vorher.avi"));
    dialog.CBVPfad->setChecked(withPath);
    answerFileDialog(cancel ? QString() : file);
    dialog.SBtnFileOpen->click();
    QString expected;
    if (!cancel) {
        expected = QStringLiteral("film.avi");
        if (withPath) {
            QString dir = QDir::fromNativeSeparators(f.env.dir()) + QLatin1Char('/');
            expected = QStringLiteral("file://localhost") + (dir.startsWith(u'/') ? "" : "/") +
                       dir + expected;
        }
    }
    QCOMPARE(dialog.Edit2->text(), expected);
}

void TestMusic::embedDialogIsResizable()
{
    DocumentFixture f;
    TForm4 dialog(dialogEnv(*f.child));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    const QSize before = dialog.size();
    dialog.resize(before + QSize(120, 40));
    QCOMPARE(dialog.size(), before + QSize(120, 40));
    QVERIFY(dialog.helpButton());
    QCOMPARE(dialog.helpTopic(), 328);
}

TESSALINE_TEST_MAIN(TestMusic)
#include "tst_music.moc"
