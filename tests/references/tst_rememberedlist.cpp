// Tests of the remembered lists (loading, reading, insertion, target rotation) and of the file
// choice rule.
#include "core/SettingsStore.h"
#include "references/FileChoice.h"
#include "references/ReferenceFixture.h"
#include "references/RememberedList.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

namespace
{

const RememberedList& listNamed(const QString& section)
{
    for (const RememberedList* list :
         {&RememberedList::link(), &RememberedList::target(), &RememberedList::inlineImage(),
          &RememberedList::backPicture()})
        if (list->section() == section)
            return *list;
    qFatal("no such list");
}

} // namespace

class TestRememberedList : public QObject
{
    Q_OBJECT

private slots:
    void insertion_data();
    void insertion();
    void sixthLinkDropsTheOldestRecord();
    void loading_data();
    void loading();
    void readingRecordFields();
    void insertionFromComboBox();
    void insertionIsReadBackWhateverTheCounts_data();
    void insertionIsReadBackWhateverTheCounts();
    void fileParts_data();
    void fileParts();
    void longNamesAreCutBeforeSplitting();
    void filterTexts();
    void fileDialogChoiceAndCancel();
};

void TestRememberedList::insertion_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after"); // every value of the section, sorted by name
    QTest::addColumn<int>("written");

    QTest::newRow("empty list grows") << "BackPicture"
                                      << "MaxCount=5"
                                      << "Bild0=neu;Count=0;Link0=;MaxCount=5;Pfad0=;Prop0=;"
                                         "Prot0=;Server0=;Typ0="
                                      << 0;
    QTest::newRow("full list drops the oldest") << "Target"
                                                << "Count=2;MaxCount=3;T0=a;T1=b;T2=c"
                                                << "Count=2;MaxCount=3;T0=a;T1=b;T2=neu" << 2;
    QTest::newRow("fixed head stays, T5 drops")
        << "Target"
        << "Count=7;MaxCount=8;T0=a;T1=b;T2=c;T3=d;T4=e;T5=f;T6=g;T7=h"
        << "Count=7;MaxCount=8;T0=a;T1=b;T2=c;T3=d;T4=e;T5=g;T6=h;T7=neu" << 7;
    QTest::newRow("target MaxCount 5 overwrites T4")
        << "Target"
        << "Count=4;MaxCount=5;T0=a;T1=b;T2=c;T3=d;T4=e"
        << "Count=4;MaxCount=5;T0=a;T1=b;T2=c;T3=d;T4=neu" << 4;
    QTest::newRow("target grows after its head")
        << "Target"
        << "Count=4;MaxCount=20;T0=a;T1=b;T2=c;T3=d;T4=e"
        << "Count=5;MaxCount=20;T0=a;T1=b;T2=c;T3=d;T4=e;T5=neu" << 5;
    QTest::newRow("MaxCount absent counts as 20")
        << "Target"
        << "Count=6;T0=a;T1=b;T2=c;T3=d;T4=e;T5=f;T6=g"
        << "Count=7;T0=a;T1=b;T2=c;T3=d;T4=e;T5=f;T6=g;T7=neu" << 7;
    QTest::newRow("MaxCount 0 counts as 20") << "Target"
                                             << "Count=1;MaxCount=0;T0=a;T1=b"
                                             << "Count=2;MaxCount=0;T0=a;T1=b;T2=neu" << 2;
    QTest::newRow("MaxCount -1 counts as 20") << "Target"
                                              << "Count=0;MaxCount=-1;T0=a"
                                              << "Count=1;MaxCount=-1;T0=a;T1=neu" << 1;
    QTest::newRow("MaxCount garbled counts as 20") << "Target"
                                                   << "Count=0;MaxCount=viele;T0=a"
                                                   << "Count=1;MaxCount=viele;T0=a;T1=neu" << 1;
    QString full20, shifted20;
    for (int i = 0; i < 20; ++i) {
        full20 += QStringLiteral(";T%1=t%1").arg(i);
        if (i < 5)
            shifted20 += QStringLiteral(";T%1=t%1").arg(i);
        else if (i < 19)
            shifted20 += QStringLiteral(";T%1=t%2").arg(i).arg(i + 1);
    }
    QTest::newRow("absent MaxCount: twenty entries are full")
        << "Target" << QStringLiteral("Count=19") + full20
        << QStringLiteral("Count=19") + shifted20 + QStringLiteral(";T19=neu") << 19;
    QTest::newRow("gap moves down, never two at one index")
        << "Target"
        << "Count=7;MaxCount=8;T0=a;T1=b;T2=c;T3=d;T4=e;T5=f;T7=h"
        << "Count=7;MaxCount=8;T0=a;T1=b;T2=c;T3=d;T4=e;T6=h;T7=neu" << 7;
    QTest::newRow("Count beyond the values") << "Target"
                                             << "Count=6;MaxCount=20;T0=a;T1=b"
                                             << "Count=7;MaxCount=20;T0=a;T1=b;T7=neu" << 7;
    QTest::newRow("Count beyond the values of a full list")
        << "Target"
        << "Count=8;MaxCount=9;T0=a;T1=b;T2=c;T3=d;T4=e;T5=f;T6=g"
        << "Count=8;MaxCount=9;T0=a;T1=b;T2=c;T3=d;T4=e;T5=g;T8=neu" << 8;
    QTest::newRow("stale value above Count is overwritten")
        << "Target"
        << "Count=5;MaxCount=20;T0=a;T1=b;T2=c;T3=d;T4=e;T5=f;T6=alt"
        << "Count=6;MaxCount=20;T0=a;T1=b;T2=c;T3=d;T4=e;T5=f;T6=neu" << 6;
    QTest::newRow("garbled Count starts afresh") << "Target"
                                                 << "Count=x;T0=a"
                                                 << "Count=0;T0=neu" << 0;
}

void TestRememberedList::insertion()
{
    QFETCH(QString, section);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, written);
    TestEnvironment env;
    writeState(section, before);
    const RememberedList& list = listNamed(section);
    const int entries = int(list.entries().size());
    const ListRecord record{{list.mainField(), QStringLiteral("neu")}};
    QCOMPARE(list.insert(entries, record), written);
    QCOMPARE(sectionState(section), sortedState(after));
}

void TestRememberedList::sixthLinkDropsTheOldestRecord()
{
    TestEnvironment env;
    const RememberedList& links = RememberedList::link();
    const QStringList fields = links.fields();
    QCOMPARE(fields.size(), 13);
    writeState(QStringLiteral("Link"), QStringLiteral("MaxCount=5"));
    QComboBox box;
    box.setEditable(true);
    for (int i = 0; i < 6; ++i) {
        ListRecord record;
        for (const QString& field : fields)
            record.insert(field, field.toLower() + QString::number(i));
        links.loadInto(&box);
        box.setEditText(QStringLiteral("datei%1").arg(i));
        QCOMPARE(links.insert(&box, record), std::min(i, 4));
    }
    const SettingsStore store;
    QCOMPARE(store.readInteger(QStringLiteral("Link"), QStringLiteral("Count"), -1), 4);
    for (const QString& field : fields) {
        for (int i = 0; i < 5; ++i)
            QCOMPARE(links.value(i, field), field.toLower() + QString::number(i + 1));
        QVERIFY(!store.hasValue(QStringLiteral("Link"), field + QStringLiteral("5")));
    }
    QCOMPARE(store.valueNames(QStringLiteral("Link")).size(), 2 + 5 * 13);
    links.loadInto(&box);
    QCOMPARE(box.count(), 5);
    QCOMPARE(box.itemText(0), QStringLiteral("datei1"));
    QCOMPARE(box.itemText(4), QStringLiteral("datei5"));
}

void TestRememberedList::loading_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("no list") << "" << QStringList();
    QTest::newRow("Count -1") << "Count=-1;T0=a" << QStringList();
    QTest::newRow("oldest first, duplicates kept")
        << "Count=2;T0=a;T1=b;T2=a" << QStringList{"a", "b", "a"};
    QTest::newRow("gap reads Default") << "Count=2;T0=a;T2=c" << QStringList{"a", "Default", "c"};
    QTest::newRow("Count beyond the values")
        << "Count=3;T0=a" << QStringList{"a", "Default", "Default", "Default"};
    QTest::newRow("values beyond Count stay hidden") << "Count=0;T0=a;T1=b" << QStringList{"a"};
    QTest::newRow("garbled Count") << "Count=zwei;T0=a" << QStringList();
}

void TestRememberedList::loading()
{
    QFETCH(QString, state);
    QFETCH(QStringList, entries);
    TestEnvironment env;
    writeState(QStringLiteral("Target"), state);
    QCOMPARE(RememberedList::target().entries(), entries);
    QComboBox box;
    box.setEditable(true);
    box.addItem(QStringLiteral("alt"));
    box.setEditText(QStringLiteral("getippt"));
    RememberedList::target().loadInto(&box);
    QStringList shown;
    for (int i = 0; i < box.count(); ++i)
        shown << box.itemText(i);
    QCOMPARE(shown, entries);
    QCOMPARE(box.currentText(), QStringLiteral("getippt"));
}

void TestRememberedList::readingRecordFields()
{
    TestEnvironment env;
    writeState(QStringLiteral("Link"),
               QStringLiteral("Count=2;Datei0=a.htm;Pfad0=docs/;Link0=0;Datei1=b.htm;Link1=1;"
                              "Link2=kaputt"));
    const RememberedList& links = RememberedList::link();
    QCOMPARE(links.value(0, QStringLiteral("Pfad")), QStringLiteral("docs/"));
    QCOMPARE(links.value(1, QStringLiteral("Pfad")), QStringLiteral("Default"));
    QCOMPARE(links.value(7, QStringLiteral("Datei")), QStringLiteral("Default"));
    QCOMPARE(links.flag(0, QStringLiteral("Link"), true), false);
    QCOMPARE(links.flag(1, QStringLiteral("Link"), false), true);
    QCOMPARE(links.flag(5, QStringLiteral("Link"), true), true);
    QCOMPARE(links.flag(2, QStringLiteral("Link"), true), true);
}

void TestRememberedList::insertionFromComboBox()
{
    TestEnvironment env;
    writeState(QStringLiteral("InlineImage"),
               QStringLiteral("Count=0;MaxCount=20;Bild0=a.gif;Alt0=A"));
    QComboBox box;
    box.setEditable(true);
    RememberedList::inlineImage().loadInto(&box);
    box.lineEdit()->setText(QStringLiteral("b.gif"));
    const ListRecord record{{QStringLiteral("Bild"), QStringLiteral("b.gif")},
                            {QStringLiteral("Alt"), QStringLiteral("B")}};
    QCOMPARE(RememberedList::inlineImage().insert(&box, record), 1);
    QCOMPARE(box.count(), 2);
    QCOMPARE(box.itemText(1), QStringLiteral("b.gif"));
    QCOMPARE(RememberedList::inlineImage().entries(), (QStringList{"a.gif", "b.gif"}));
    QCOMPARE(RememberedList::inlineImage().value(1, QStringLiteral("Alt")), QStringLiteral("B"));
    // Fields the record leaves out are written empty, not left absent.
    QCOMPARE(RememberedList::inlineImage().value(1, QStringLiteral("lowsrc")), QString());
}

void TestRememberedList::insertionIsReadBackWhateverTheCounts_data()
{
    QTest::addColumn<QString>("count");    // stored "Count"; empty: absent
    QTest::addColumn<QString>("maxCount"); // stored "MaxCount"; empty: absent
    QTest::addColumn<int>("written");
    QTest::addColumn<QString>("oldest"); // first drop-down entry afterwards

    // "Datei0=a;Datei1=b" are stored in every row.
    QTest::newRow("both 10^9") << "1000000000"
                               << "1000000000" << 999 << "b";
    QTest::newRow("both 2147483647") << "2147483647"
                                     << "2147483647" << 999 << "b";
    QTest::newRow("both hexadecimal") << "0x7FFFFFFF"
                                      << "0x3B9ACA00" << 999 << "b";
    QTest::newRow("Count at the bound, MaxCount 10^9") << "999"
                                                       << "1000000000" << 999 << "b";
    QTest::newRow("MaxCount one past the bound") << "1000000000"
                                                 << "1001" << 999 << "b";
    QTest::newRow("MaxCount 10^9, short list grows") << "1"
                                                     << "1000000000" << 2 << "a";
    QTest::newRow("Count 10^9, MaxCount absent") << "1000000000" << QString() << 999 << "b";
    QTest::newRow("both -5") << "-5"
                             << "-5" << 0 << "neu";
    QTest::newRow("both -2147483648") << "-2147483648"
                                      << "-2147483648" << 0 << "neu";
    QTest::newRow("both abc") << "abc"
                              << "abc" << 0 << "neu";
}

void TestRememberedList::insertionIsReadBackWhateverTheCounts()
{
    QFETCH(QString, count);
    QFETCH(QString, maxCount);
    QFETCH(int, written);
    QFETCH(QString, oldest);
    TestEnvironment env;
    QString state = QStringLiteral("Datei0=a;Datei1=b");
    if (!count.isNull())
        state += QStringLiteral(";Count=") + count;
    if (!maxCount.isNull())
        state += QStringLiteral(";MaxCount=") + maxCount;
    writeState(QStringLiteral("Link"), state);
    const RememberedList& links = RememberedList::link();
    // As the link dialog does it: load the drop-down, type a new file, OK.
    QComboBox box;
    box.setEditable(true);
    links.loadInto(&box);
    box.setEditText(QStringLiteral("neu"));
    QCOMPARE(links.insert(&box, {{QStringLiteral("Datei"), QStringLiteral("neu")},
                                 {QStringLiteral("Pfad"), QStringLiteral("p/")}}),
             written);
    // The next dialog shows the new entry last, with its record.
    QComboBox next;
    links.loadInto(&next);
    QCOMPARE(next.count(), written + 1);
    QCOMPARE(next.itemText(written), QStringLiteral("neu"));
    QCOMPARE(next.itemText(0), oldest);
    QCOMPARE(links.value(written, QStringLiteral("Pfad")), QStringLiteral("p/"));
    QVERIFY(links.maxCount() <= SettingsStore::MaxListEntries);
}

void TestRememberedList::fileParts_data()
{
    QTest::addColumn<QString>("fullName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("linux") << "/home/anna/web/seite.htm"
                           << "seite.htm"
                           << "file://localhost/home/anna/web/";
    QTest::newRow("linux root") << "/seite.htm"
                                << "seite.htm"
                                << "file://localhost/";
    QTest::newRow("windows") << "C:\\web\\docs\\page.htm"
                             << "page.htm"
                             << "file://localhost/C:/web/docs/";
    QTest::newRow("windows drive only") << "C:page.htm"
                                        << "page.htm"
                                        << "file://localhost/C:";
    QTest::newRow("forward slashes on a drive") << "D:/bilder/logo.gif"
                                                << "logo.gif"
                                                << "file://localhost/D:/bilder/";
    QTest::newRow("no directory") << "page.htm"
                                  << "page.htm"
                                  << "file://localhost/";
}

void TestRememberedList::fileParts()
{
    QFETCH(QString, fullName);
    QFETCH(QString, name);
    QFETCH(QString, path);
    QCOMPARE(FileChoice::fileName(fullName), name);
    QCOMPARE(FileChoice::localPath(fullName), path);
    const FileChoice::Chosen with = FileChoice::split(fullName, true);
    QCOMPARE(with.name, name);
    QCOMPARE(with.path, path);
    QCOMPARE(FileChoice::split(fullName, false).path, QString());
}

void TestRememberedList::longNamesAreCutBeforeSplitting()
{
    const QString directory =
        QStringLiteral("/") + QString(250, QLatin1Char('d')) + QStringLiteral("/");
    const FileChoice::Chosen chosen =
        FileChoice::split(directory + QStringLiteral("name.htm"), true);
    QCOMPARE(chosen.name, QStringLiteral("nam"));
    QCOMPARE(chosen.path, QStringLiteral("file://localhost") + directory);
}

void TestRememberedList::filterTexts()
{
    QCOMPARE(FileChoice::nameFilters(FileChoice::PageFilter),
             (QStringList{"HTML Seiten (*.htm *.html *.shtml)", "Archive (*.zip)",
                          "Anwendungen (*.exe)", "Alle Dateien (*.*)"}));
    QCOMPARE(FileChoice::nameFilters(FileChoice::ImageFilter),
             (QStringList{"GIF-Bilder (*.gif)", "JPEG-Bilder (*.jpg)"}));
}

void TestRememberedList::fileDialogChoiceAndCancel()
{
    TestEnvironment env;
    const QString file = env.path(QStringLiteral("seite.htm"));
    QFile(file).open(QIODevice::WriteOnly);
    answerFileDialog(file);
    const auto chosen = FileChoice::choose(nullptr, FileChoice::PageFilter, true);
    QVERIFY(chosen);
    QCOMPARE(chosen->name, QStringLiteral("seite.htm"));
    QCOMPARE(chosen->path, QStringLiteral("file://localhost") + env.dir() + QLatin1Char('/'));

    answerFileDialog(QString());
    QVERIFY(!FileChoice::choose(nullptr, FileChoice::ImageFilter, false));
}

TESSALINE_TEST_MAIN(TestRememberedList)
#include "tst_rememberedlist.moc"
