// Tests of the colour texts: names, "$" hex texts, integer texts and the screen colours.
#include "core/ColorText.h"
#include "core/SettingsStore.h"
#include "support/TestSupport.h"

#include <QPalette>

class TestColorText : public QObject
{
    Q_OBJECT
private slots:
    void readTexts_data();
    void readTexts();
    void writtenTexts_data();
    void writtenTexts();
    void everyNameRoundTrips();
    void screenColours();
    void htmlDigits_data();
    void htmlDigits();
    void throughTheStore();
};

void TestColorText::readTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("value"); // -1: cannot be converted

    QTest::newRow("name") << "clRed" << qint64(0x0000FF);
    QTest::newRow("name in any case") << "CLNAVY" << qint64(0x800000);
    QTest::newRow("system colour") << "clBtnFace" << qint64(0x8000000F);
    QTest::newRow("last system colour") << "clInfoBk" << qint64(0x80000018);
    QTest::newRow("none") << "clNone" << qint64(0x1FFFFFFF);
    QTest::newRow("dollar hex") << "$00FF8000" << qint64(0x00FF8000);
    QTest::newRow("dollar lower hex") << "$00ff8000" << qint64(0x00FF8000);
    QTest::newRow("short dollar hex") << "$FF" << qint64(0xFF);
    QTest::newRow("0x hex") << "0x10" << qint64(16);
    QTest::newRow("decimal") << "255" << qint64(255);
    QTest::newRow("negative system colour") << "-2147483633" << qint64(0x8000000F);
    QTest::newRow("default text") << "Default" << qint64(-1);
    QTest::newRow("empty") << "" << qint64(-1);
    QTest::newRow("lone dollar") << "$" << qint64(-1);
    QTest::newRow("too many hex digits") << "$1FFFFFFFF" << qint64(-1);
    QTest::newRow("bad hex digit") << "$00GG0000" << qint64(-1);
    QTest::newRow("beyond 32 bits") << "99999999999" << qint64(-1);
    QTest::newRow("name with blank") << "clRed " << qint64(-1);
    QTest::newRow("minus alone") << "-" << qint64(-1);
}

void TestColorText::readTexts()
{
    QFETCH(QString, text);
    QFETCH(qint64, value);
    const std::optional<std::uint32_t> read = ColorText::fromText(text);
    if (value < 0) {
        QVERIFY2(!read, qPrintable(text));
    } else {
        QVERIFY2(read, qPrintable(text));
        QCOMPARE(qint64(*read), value);
    }
}

void TestColorText::writtenTexts_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("named plain colour") << qint64(0xFFFFFF) << "clWhite";
    QTest::newRow("named system colour") << qint64(0x80000005) << "clWindow";
    QTest::newRow("unnamed") << qint64(0x00FF8000) << "$00FF8000";
    QTest::newRow("unnamed small") << qint64(0x0A) << "$0000000A";
    QTest::newRow("unnamed system index") << qint64(0x8000001E) << "$8000001E";
}

void TestColorText::writtenTexts()
{
    QFETCH(qint64, value);
    QFETCH(QString, text);
    QCOMPARE(ColorText::toText(std::uint32_t(value)), text);
}

void TestColorText::everyNameRoundTrips()
{
    // Named plain colours, the 25 system colours and clNone come back by their names.
    for (std::uint32_t v : {0x000000u, 0x000080u, 0x008000u, 0x808080u, 0xC0C0C0u, 0xFF00FFu}) {
        const QString text = ColorText::toText(v);
        QVERIFY2(text.startsWith(QStringLiteral("cl")), qPrintable(text));
        QCOMPARE(*ColorText::fromText(text), v);
    }
    for (std::uint32_t index = 0; index <= 24; ++index) {
        const QString text = ColorText::toText(ColorText::SystemColorBase + index);
        QVERIFY2(text.startsWith(QStringLiteral("cl")), qPrintable(text));
        QCOMPARE(*ColorText::fromText(text), ColorText::SystemColorBase + index);
    }
    QCOMPARE(ColorText::toText(ColorText::SystemColorBase + 21), QStringLiteral("cl3DDkShadow"));
    QCOMPARE(ColorText::toText(ColorText::None), QStringLiteral("clNone"));
}

void TestColorText::screenColours()
{
    QCOMPARE(ColorText::toQColor(0x0000FF), QColor(255, 0, 0)); // red in the lowest byte
    QCOMPARE(ColorText::toQColor(0xFF8000), QColor(0, 0x80, 0xFF));
    QCOMPARE(ColorText::fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412u);
    QCOMPARE(ColorText::toQColor(ColorText::SystemColorBase + 5),
             QGuiApplication::palette().color(QPalette::Active, QPalette::Base));
    QCOMPARE(ColorText::toQColor(ColorText::None).alpha(), 0);
    QCOMPARE(ColorText::fromQColor(QColor()), ColorText::None);
    // An index beyond the platform's table is black rather than out of bounds.
    QCOMPARE(ColorText::toQColor(ColorText::SystemColorBase + 200), QColor(Qt::black));
}

void TestColorText::htmlDigits_data()
{
    QTest::addColumn<qint64>("value");
    QTest::addColumn<QString>("html");
    QTest::newRow("pure red") << qint64(0x000000FF) << "FF0000";
    QTest::newRow("byte order") << qint64(0x00123456) << "563412";
    QTest::newRow("white") << qint64(0x00FFFFFF) << "FFFFFF";
    QTest::newRow("black keeps its zeros") << qint64(0) << "000000";
    QTest::newRow("upper-case digits") << qint64(0x00ABCDEF) << "EFCDAB";
    QTest::newRow("high byte ignored") << qint64(0x80000005) << "050000";
}

void TestColorText::htmlDigits()
{
    QFETCH(qint64, value);
    QFETCH(QString, html);
    QCOMPARE(ColorText::toHtml(std::uint32_t(value)), html);
}

void TestColorText::throughTheStore()
{
    TestEnvironment env;
    SettingsStore store;
    store.writeColor(QStringLiteral("Optionen"), QStringLiteral("FontColor"), 0x80000012);
    store.writeString(QStringLiteral("Optionen"), QStringLiteral("Background"),
                      QStringLiteral("Rotbraun"));
    QCOMPARE(store.readString(QStringLiteral("Optionen"), QStringLiteral("fontcolor"), QString()),
             QStringLiteral("clBtnText"));
    QCOMPARE(store.readColor(QStringLiteral("optionen"), QStringLiteral("FontColor")),
             std::optional<std::uint32_t>(0x80000012));
    QVERIFY(!store.readColor(QStringLiteral("Optionen"), QStringLiteral("Background")));
    QVERIFY(!store.readColor(QStringLiteral("Optionen"), QStringLiteral("Absent")));
}

TESSALINE_TEST_MAIN(TestColorText)
#include "tst_colortext.moc"
