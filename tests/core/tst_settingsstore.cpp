// Tests of the settings store: typed reads, names, indexed lists and what ends up in the file.
#include "core/ColorText.h"
#include "core/SettingsStore.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QSettings>
#include <QTest>
#include <memory>

using Form = SettingsStore::CountForm;

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_env = std::make_unique<TestEnvironment>();
        m_env->clearSettings(); // these cases start from a store without any value
    }
    void cleanup() { m_env.reset(); }

    void parseInteger_data();
    void parseInteger();
    void readBool_data();
    void readBool();
    void readBoolOption_data();
    void readBoolOption();
    void boundedIntegers_data();
    void boundedIntegers();
    void typedValuesAsText();
    void namesIgnoreCase();
    void escapedNames_data();
    void escapedNames();
    void awkwardTexts_data();
    void awkwardTexts();
    void damagedFile();
    void lists();
    void shrinkingListKeepsEntries();
    void garbledCountIsBounded_data();
    void garbledCountIsBounded();
    void renameAndDelete();
    void valuesAndSubsectionsStayApart();
    void readingCreatesNothing();
    void instancesSeeEachOther();
    void keysAreSeparate();
    void unwritableStoreThrows();

private:
    QString rawFile() const
    {
        QFile f(m_env->settingsFile());
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    void writeRawFile(const QByteArray& content) const
    {
        QFile f(m_env->settingsFile());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    std::unique_ptr<TestEnvironment> m_env;
};

void TestSettingsStore::parseInteger_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");
    QTest::newRow("decimal") << "42" << true << 42;
    QTest::newRow("negative") << "-17" << true << -17;
    QTest::newRow("leading zeros") << "007" << true << 7;
    QTest::newRow("hex") << "0x10" << true << 16;
    QTest::newRow("hex upper X") << "0X1f" << true << 31;
    QTest::newRow("hex 32-bit pattern") << "0xFFFFFFFF" << true << -1;
    QTest::newRow("int min") << "-2147483648" << true << std::numeric_limits<int>::min();
    QTest::newRow("int max") << "2147483647" << true << std::numeric_limits<int>::max();
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("minus only") << "-" << false << 0;
    QTest::newRow("bare 0x") << "0x" << false << 0;
    QTest::newRow("hex garbage") << "0x1g" << false << 0;
    QTest::newRow("hex too long") << "0x100000000" << false << 0;
    QTest::newRow("negative hex") << "-0x5" << false << 0;
    QTest::newRow("overflow") << "2147483648" << false << 0;
    QTest::newRow("underflow") << "-2147483649" << false << 0;
    QTest::newRow("huge") << "99999999999999999999999" << false << 0;
    QTest::newRow("trailing text") << "12abc" << false << 0;
    QTest::newRow("spaces") << " 12" << false << 0;
    QTest::newRow("plus") << "+12" << false << 0;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("\u0663") << false << 0;
}

void TestSettingsStore::parseInteger()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    const auto parsed = parseStoreInteger(text);
    QCOMPARE(parsed.has_value(), valid);
    if (valid)
        QCOMPARE(*parsed, value);

    SettingsStore store;
    store.writeString("Optionen", "FontSize", text);
    QCOMPARE(store.readInteger("Optionen", "FontSize", -1), valid ? value : -1);
}

void TestSettingsStore::readBool_data()
{
    QTest::addColumn<QString>("stored"); // empty: absent
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");
    QTest::newRow("two") << "2" << false << true;
    QTest::newRow("zero") << "0" << true << false;
    QTest::newRow("minus one") << "-1" << false << true;
    QTest::newRow("hex zero") << "0x0" << true << false;
    QTest::newRow("garbage, default true") << "ja" << true << true;
    QTest::newRow("garbage, default false") << "ja" << false << false;
    QTest::newRow("absent, default true") << "" << true << true;
    QTest::newRow("absent, default false") << "" << false << false;
}

void TestSettingsStore::readBool()
{
    QFETCH(QString, stored);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    SettingsStore store;
    if (!stored.isEmpty())
        store.writeString("Optionen", "Hints", stored);
    QCOMPARE(store.readBool("Optionen", "Hints", def), expected);
}

void TestSettingsStore::readBoolOption_data()
{
    QTest::addColumn<QString>("stored"); // null: absent
    QTest::addColumn<bool>("expected");  // with true for absent, false for unreadable
    QTest::newRow("absent") << QString() << true;
    QTest::newRow("one") << "1" << true;
    QTest::newRow("two") << "2" << true;
    QTest::newRow("zero") << "0" << false;
    QTest::newRow("hex zero") << "0x0" << false;
    QTest::newRow("yes") << "yes" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("overflow") << "4294967296" << false;
}

void TestSettingsStore::readBoolOption()
{
    QFETCH(QString, stored);
    QFETCH(bool, expected);
    SettingsStore store;
    if (!stored.isNull())
        store.writeString("Optionen", "fsBold", stored);
    QCOMPARE(store.readBoolOption("Optionen", "fsBold", true, false), expected);
    // The plain reader keeps its one default for both cases.
    const bool readable = !stored.isNull() && parseStoreInteger(stored).has_value();
    QCOMPARE(store.readBool("Optionen", "fsBold", true), readable ? expected : true);
}

void TestSettingsStore::boundedIntegers_data()
{
    QTest::addColumn<QString>("stored"); // null: absent
    QTest::addColumn<int>("expected");   // default -7, bounds 0 ... 29
    QTest::newRow("absent") << QString() << -7;
    QTest::newRow("words") << "viele" << -7;
    QTest::newRow("inside") << "12" << 12;
    QTest::newRow("upper bound") << "29" << 29;
    QTest::newRow("above") << "30" << 29;
    QTest::newRow("largest") << "2147483647" << 29;
    QTest::newRow("hex largest") << "0x7FFFFFFF" << 29;
    QTest::newRow("below") << "-1" << 0;
    QTest::newRow("smallest") << "-2147483648" << 0;
}

void TestSettingsStore::boundedIntegers()
{
    QFETCH(QString, stored);
    QFETCH(int, expected);
    SettingsStore store;
    if (!stored.isNull())
        store.writeString("History", "MaxCount", stored);
    QCOMPARE(store.readBoundedInteger("History", "MaxCount", -7, 0, 29), expected);
}

void TestSettingsStore::typedValuesAsText()
{
    {
        SettingsStore store;
        store.writeInteger("MainForm", "Left", -20);
        store.writeBool("Optionen", "fsBold", true);
        store.writeBool("Optionen", "fsItalic", false);
        store.writeColor("Optionen", "FontColor", 0x0000FF);
        store.writeColor("Optionen", "Background", 0x00FF8000);
        store.writeColor("Optionen", "Other", ColorText::SystemColorBase + 15);
        store.writeString("Optionen", "Bad", "Default");
    }
    QSettings raw(m_env->settingsFile(), QSettings::IniFormat);
    raw.beginGroup("Einstellungen");
    for (const QString& key : raw.allKeys())
        QCOMPARE(raw.value(key).typeId(), QMetaType::QString);
    QCOMPARE(raw.value("MainForm/Left").toString(), "-20");
    QCOMPARE(raw.value("Optionen/fsBold").toString(), "1");
    QCOMPARE(raw.value("Optionen/fsItalic").toString(), "0");
    QCOMPARE(raw.value("Optionen/FontColor").toString(), "clRed");
    QCOMPARE(raw.value("Optionen/Background").toString(), "$00FF8000");
    QCOMPARE(raw.value("Optionen/Other").toString(), "clBtnFace");

    SettingsStore store;
    QCOMPARE(store.readInteger("MainForm", "Left", -1), -20);
    QCOMPARE(store.readColor("Optionen", "FontColor"), std::optional<std::uint32_t>(0x0000FF));
    QCOMPARE(store.readColor("Optionen", "Background"), std::optional<std::uint32_t>(0xFF8000));
    QVERIFY(!store.readColor("Optionen", "Bad"));
    QVERIFY(!store.readColor("Optionen", "Missing"));
    QCOMPARE(store.readString("Browser", "Browser1", "Default"), "Default");
}

void TestSettingsStore::namesIgnoreCase()
{
    SettingsStore store;
    store.writeInteger("MainForm", "Top", 100);
    QCOMPARE(store.readInteger("mainform", "top", -1), 100);
    store.writeInteger("MAINFORM", "top", 5);
    QCOMPARE(store.readInteger("MainForm", "Top", -1), 5);
    QCOMPARE(store.sections(), QStringList{"MainForm"});
    QCOMPARE(store.valueNames("mainForm"), QStringList{"Top"});
    store.writeString(QString::fromUtf8("Größe"), QString::fromUtf8("Äpfel"), "x");
    QCOMPARE(store.readString(QString::fromUtf8("GRÖßE"), QString::fromUtf8("äPFEL"), ""), "x");
    QVERIFY(store.hasValue(QString::fromUtf8("größe"), QString::fromUtf8("ÄPFEL")));
}

void TestSettingsStore::escapedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("slash") << "Rot/Blau";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("percent") << "50% Rabatt";
    QTest::newRow("escape look-alike") << "x%2Fy%";
    QTest::newRow("lone percent") << "%";
    QTest::newRow("spaces") << "  mit Leerzeichen ";
    QTest::newRow("umlauts") << QString::fromUtf8("Grün/Weiß\\Ä");
    QTest::newRow("INI specials") << "[a];b=c#d,e\"f";
    QTest::newRow("General") << "General";
    QTest::newRow("empty") << "";
}

void TestSettingsStore::escapedNames()
{
    QFETCH(QString, name);
    {
        SettingsStore store;
        store.writeString(name, name, "value");
        store.writeString(name, "Plain", "other");
    }
    SettingsStore store;
    QCOMPARE(store.sections(), QStringList{name});
    QStringList values = store.valueNames(name);
    values.sort();
    QStringList expected{name, "Plain"};
    expected.sort();
    QCOMPARE(values, expected);
    QCOMPARE(store.readString(name, name, "none"), "value");
    QVERIFY(!store.hasSection("Rot"));

    QSettings raw(m_env->settingsFile(), QSettings::IniFormat);
    raw.beginGroup("Einstellungen");
    QCOMPARE(raw.childGroups().size(), 1);
    QCOMPARE(raw.childKeys().size(), 0);

    store.deleteSection(name);
    QVERIFY(store.sections().isEmpty());
}

void TestSettingsStore::awkwardTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("comma") << "a,b";
    QTest::newRow("comma space") << "a, b, c";
    QTest::newRow("quotes") << "\"zitiert\"";
    QTest::newRow("semicolon") << "x;y";
    QTest::newRow("leading spaces") << "  vorn";
    QTest::newRow("trailing spaces") << "hinten  ";
    QTest::newRow("only a space") << " ";
    QTest::newRow("empty") << "";
    QTest::newRow("equals") << "a=b";
    QTest::newRow("line breaks") << "eins\r\nzwei\nd";
    QTest::newRow("variant look-alike") << "@Variant(\\0\\0\\0\\x7f)";
    QTest::newRow("at signs") << "@@";
    QTest::newRow("backslashes") << "C:\\Programme\\x.exe";
    QTest::newRow("comment chars") << "#;[Sektion]";
    QTest::newRow("umlauts") << QString::fromUtf8("Straße Ä € \u4e2d");
    QTest::newRow("tab") << "a\tb";
}

void TestSettingsStore::awkwardTexts()
{
    QFETCH(QString, text);
    {
        SettingsStore store;
        store.writeString("User", "UserStreet", text);
    }
    SettingsStore store;
    QCOMPARE(store.readString("User", "UserStreet", "none"), text);
}

void TestSettingsStore::damagedFile()
{
    writeRawFile("[Einstellungen]\n"
                 "Tools\\Name0=a, b\n"
                 "Tools\\Point=@Variant(\\0\\0\\0\\x19\\0\\0\\0\\x1\\0\\0\\0\\x2)\n"
                 "Tools\\Count=0x2\n"
                 "[kaputt\n"
                 "ohne Gleichheitszeichen\n"
                 "=nur Wert\n");
    {
        SettingsStore store;
        QCOMPARE(store.readString("Tools", "Name0", "none"), "a, b");
        QCOMPARE(store.readString("Tools", "Point", "none"), "none");
        QCOMPARE(store.readInteger("Tools", "Count", -1), 2);
        store.writeString("Tools", "Name1", "neu");
        store.sync(); // a damaged file is not a failed save
    }
    SettingsStore store;
    QCOMPARE(store.readList("Tools", "Name", Form::EntryCount), (QStringList{"a, b", "neu"}));
}

void TestSettingsStore::lists()
{
    SettingsStore store;
    QVERIFY(store.readList("Tools", "Name", Form::EntryCount).isEmpty());
    QVERIFY(store.readList("History", "File", Form::HighestIndex).isEmpty());

    store.writeInteger("Tools", "Count", 2);
    for (int i = 0; i < 3; ++i)
        store.writeString("Tools", "Name" + QString::number(i), "Tool" + QString::number(i));
    QCOMPARE(store.readList("Tools", "Name", Form::EntryCount), (QStringList{"Tool0", "Tool1"}));

    store.writeInteger("History", "Count", 2);
    store.writeString("History", "File0", "a.htm");
    store.writeString("History", "File2", "c.htm");
    QCOMPARE(store.readList("History", "File", Form::HighestIndex),
             (QStringList{"a.htm", "Default", "c.htm"}));
    QCOMPARE(store.readList("History", "File", Form::HighestIndex, "-"),
             (QStringList{"a.htm", "-", "c.htm"}));

    store.writeInteger("History", "Count", -1);
    QVERIFY(store.readList("History", "File", Form::HighestIndex).isEmpty());

    QStringList thirteen;
    for (int i = 0; i < 13; ++i)
        thirteen << "f" + QString::number(i);
    store.writeList("History", "File", thirteen, Form::HighestIndex);
    QCOMPARE(store.readInteger("History", "Count", 0), 12);
    QCOMPARE(store.readString("History", "File12", ""), "f12");
    QVERIFY(!store.hasValue("History", "File012"));
    QCOMPARE(store.readList("History", "File", Form::HighestIndex), thirteen);

    store.writeList("Empty", "X", {}, Form::HighestIndex);
    QCOMPARE(store.readString("Empty", "Count", ""), "-1");
    store.writeList("Empty", "X", {}, Form::EntryCount);
    QCOMPARE(store.readString("Empty", "Count", ""), "0");
}

void TestSettingsStore::shrinkingListKeepsEntries()
{
    SettingsStore store;
    store.writeList("Tools", "Name", {"a", "b", "c"}, Form::EntryCount);
    QCOMPARE(store.readInteger("Tools", "Count", -1), 3);
    store.writeList("Tools", "Name", {"x"}, Form::EntryCount);
    QCOMPARE(store.readInteger("Tools", "Count", -1), 1);
    QCOMPARE(store.readList("Tools", "Name", Form::EntryCount), QStringList{"x"});
    QCOMPARE(store.readString("Tools", "Name1", ""), "b");
    QCOMPARE(store.readString("Tools", "Name2", ""), "c");
}

void TestSettingsStore::garbledCountIsBounded_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("highestIndexEntries");
    QTest::addColumn<int>("entryCountEntries");
    const int bound = SettingsStore::MaxListEntries;
    QTest::newRow("largest integer") << "2147483647" << bound << bound;
    QTest::newRow("a billion") << "1000000000" << bound << bound;
    QTest::newRow("at the bound") << QString::number(bound) << bound << bound;
    QTest::newRow("one below the bound") << QString::number(bound - 1) << bound << bound - 1;
    QTest::newRow("smallest integer") << "-2147483648" << 0 << 0;
    QTest::newRow("minus two") << "-2" << 0 << 0;
}

void TestSettingsStore::garbledCountIsBounded()
{
    QFETCH(QString, count);
    QFETCH(int, highestIndexEntries);
    QFETCH(int, entryCountEntries);
    SettingsStore store;
    store.writeString("History", "Count", count);
    store.writeString("History", "MaxCount", count);
    QCOMPARE(store.readList("History", "File", Form::HighestIndex).size(),
             qsizetype(highestIndexEntries));
    QCOMPARE(store.readList("History", "File", Form::EntryCount).size(),
             qsizetype(entryCountEntries));
    QCOMPARE(store.readListSize("History", "MaxCount", Form::HighestIndex), highestIndexEntries);
    QCOMPARE(store.readListSize("History", "MaxCount", Form::EntryCount), entryCountEntries);
}

void TestSettingsStore::renameAndDelete()
{
    SettingsStore store;
    store.writeString("Link", "Link0", "eins");
    store.writeString("Link", "Link1", "zwei");

    store.renameValue("Link", "Fehlt", "Link5");
    QVERIFY(!store.hasValue("Link", "Link5"));
    store.renameValue("Link", "link0", "LINK1"); // target exists, ignoring case
    QCOMPARE(store.readString("Link", "Link0", ""), "eins");
    QCOMPARE(store.readString("Link", "Link1", ""), "zwei");
    store.renameValue("Nirgends", "Link0", "Link9");
    QVERIFY(!store.hasSection("Nirgends"));

    store.renameValue("LINK", "link0", "Link2");
    QVERIFY(!store.hasValue("Link", "Link0"));
    QCOMPARE(store.readString("Link", "link2", ""), "eins");
    QVERIFY(store.valueNames("Link").contains("Link2"));

    store.deleteValue("Link", "Fehlt");
    store.deleteValue("Nirgends", "Link1");
    QVERIFY(!store.hasSection("Nirgends"));
    store.deleteValue("link", "LINK1");
    QVERIFY(!store.hasValue("Link", "Link1"));
    QVERIFY(store.hasValue("Link", "Link2"));

    {
        SettingsStore schemes(SettingsStore::Key::Settings, "BackPicture");
        schemes.writeColor("Rot/Blau", "Text", 0x0000FF);
        schemes.writeColor("Nacht", "Text", 0xFFFFFF);
        QCOMPARE(schemes.sections(), (QStringList{"Nacht", "Rot/Blau"}));
    }
    store.writeInteger("BackPicture", "SCount", 1);
    QCOMPARE(store.valueNames("BackPicture"), QStringList{"SCount"});
    {
        SettingsStore schemes(SettingsStore::Key::Settings, "backpicture");
        schemes.deleteSection("rot/blau");
        QCOMPARE(schemes.sections(), QStringList{"Nacht"});
        QCOMPARE(schemes.readColor("Nacht", "Text"), std::optional<std::uint32_t>(0xFFFFFF));
    }
    store.deleteSection("BackPicture");
    QVERIFY(!store.hasSection("BackPicture"));
    QCOMPARE(SettingsStore(SettingsStore::Key::Settings, "BackPicture").sections(), QStringList());
    QCOMPARE(store.sections(), QStringList{"Link"});
}

void TestSettingsStore::valuesAndSubsectionsStayApart()
{
    SettingsStore store;
    store.writeString("BackPicture", "Count", "3");
    SettingsStore schemes(SettingsStore::Key::Settings, "BackPicture");
    schemes.writeString("Count", "Text", "clRed");

    schemes.deleteSection("Count");
    QCOMPARE(store.readString("BackPicture", "Count", ""), "3");
    schemes.writeString("Count", "Text", "clRed");
    store.deleteValue("BackPicture", "Count");
    QVERIFY(!store.hasValue("BackPicture", "Count"));
    QCOMPARE(schemes.readString("Count", "Text", ""), "clRed");
}

void TestSettingsStore::readingCreatesNothing()
{
    {
        SettingsStore store;
        QCOMPARE(store.readString("Optionen", "FontName", "Default"), "Default");
        QCOMPARE(store.readInteger("Optionen", "AutoSave", -1), -1);
        QVERIFY(store.readBool("TipsDialog", "DialogZeigen", true));
        QVERIFY(!store.readColor("Optionen", "FontColor"));
        QVERIFY(store.readList("History", "File", Form::HighestIndex).isEmpty());
        QVERIFY(!store.hasSection("User"));
        QVERIFY(store.valueNames("User").isEmpty());
        store.deleteValue("User", "UserName");
        store.renameValue("User", "UserName", "UserFirma");
        store.deleteSection("User");
        SettingsStore schemes(SettingsStore::Key::Settings, "BackPicture");
        QVERIFY(schemes.sections().isEmpty());
        store.sync();
    }
    QVERIFY(!QFile::exists(m_env->settingsFile()));

    SettingsStore(SettingsStore::Key::Toolbars).writeBool("XToolBar1", "Visible", true);
    const QString before = rawFile();
    {
        SettingsStore store;
        QCOMPARE(store.readString("MainForm", "WindowState", "Default"), "Default");
        QVERIFY(store.sections().isEmpty());
        SettingsStore bars(SettingsStore::Key::Toolbars);
        QVERIFY(!bars.hasValue("XToolBar1", "DockedTo"));
        QVERIFY(!bars.hasSection("XToolBar2"));
    }
    QCOMPARE(rawFile(), before);
}

void TestSettingsStore::instancesSeeEachOther()
{
    SettingsStore first;
    QCOMPARE(first.readInteger("MainForm", "Width", -1), -1);
    {
        SettingsStore second;
        second.writeInteger("mainform", "WIDTH", 640);
        QCOMPARE(first.readInteger("MainForm", "Width", -1), 640);
        first.writeInteger("MainForm", "Width", 800);
        QCOMPARE(second.readInteger("MainForm", "Width", -1), 800);
        second.deleteSection("MAINFORM");
    }
    QVERIFY(!first.hasSection("MainForm"));
    first.writeInteger("MainForm", "Height", 480);
    first.sync();
    QCOMPARE(SettingsStore().valueNames("MainForm"), QStringList{"Height"});
}

void TestSettingsStore::keysAreSeparate()
{
    {
        SettingsStore bars(SettingsStore::Key::Toolbars);
        bars.writeString("XToolBar1", "DockedTo", "Docks1");
        SettingsStore settings;
        settings.writeString("User", "UserName", "Erika");
    }
    SettingsStore bars(SettingsStore::Key::Toolbars);
    SettingsStore settings;
    QCOMPARE(bars.sections(), QStringList{"XToolBar1"});
    QCOMPARE(settings.sections(), QStringList{"User"});
    QCOMPARE(bars.readString("xtoolbar1", "dockedto", ""), "Docks1");
    QCOMPARE(settings.readString("User", "UserName", ""), "Erika");

    QSettings raw(m_env->settingsFile(), QSettings::IniFormat);
    QCOMPARE(raw.value("Toolbars/XToolBar1/DockedTo").toString(), "Docks1");
    QCOMPARE(raw.value("Einstellungen/User/UserName").toString(), "Erika");
}

void TestSettingsStore::unwritableStoreThrows()
{
    // A regular file where the settings directory should be: nothing can be written there.
    QFile blocker(m_env->path("blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SettingsStore::useFile(m_env->path("blocker/settings.ini"));
    QString message;
    {
        SettingsStore store;
        QCOMPARE(store.readString("User", "UserName", "Default"), "Default");
        try {
            store.writeString("User", "UserName", "Erika");
        } catch (const SettingsError& e) {
            message = QString::fromUtf8(e.what());
        }
    }
    QVERIFY(message.startsWith("Die Einstellungen konnten nicht gespeichert werden: "));
    QVERIFY(message.contains("blocker"));
}

QTEST_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
