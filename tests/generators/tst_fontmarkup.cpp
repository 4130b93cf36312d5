// Tests of the font and rule markup and of the colour swatch.
#include "generators/AllFontSettingsDialog.h"
#include "generators/FontCommands.h"
#include "generators/RuleDialog.h"
#include "widgets/ColorSwatch.h"

#include <QSignalSpy>
#include <QTest>

class TstFontMarkup : public QObject
{
    Q_OBJECT
private slots:
    void wrappers_data();
    void wrappers();
    void faceList_data();
    void faceList();
    void allSettings_data();
    void allSettings();
    void rules_data();
    void rules();
    void sizedRule_data();
    void sizedRule();
    void swatchTakesOnlyNewColours();
};

void TstFontMarkup::wrappers_data()
{
    QTest::addColumn<QString>("built");
    QTest::addColumn<QString>("markup");
    QTest::newRow("size") << fontSizeMarkup("+4", "Hallo") << "<font size=\"+4\">Hallo</font>";
    QTest::newRow("size, nothing selected")
        << fontSizeMarkup("3", "") << "<font size=\"3\"></font>";
    QTest::newRow("base size") << baseFontMarkup("2", "Text")
                               << "<basefont size=\"2\">Text</basefont>";
    QTest::newRow("colour") << fontColorMarkup("FF0000", "rot")
                            << "<font color=\"#FF0000\">rot</font>";
    QTest::newRow("face") << fontFaceMarkup("Arial,Courier", "x")
                          << "<font face=\"Arial,Courier\">x</font>";
    QTest::newRow("many lines") << fontSizeMarkup("1", "a\r\nb")
                                << "<font size=\"1\">a\r\nb</font>";
}

void TstFontMarkup::wrappers()
{
    QFETCH(QString, built);
    QFETCH(QString, markup);
    QCOMPARE(built, markup);
}

void TstFontMarkup::faceList_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("third");
    QTest::addColumn<QString>("list");
    QTest::newRow("first only") << "Arial"
                                << ""
                                << ""
                                << "Arial";
    QTest::newRow("first and third") << "Arial"
                                     << ""
                                     << "Courier"
                                     << "Arial,Courier";
    QTest::newRow("all three") << "Arial"
                               << "Helvetica"
                               << "sans-serif"
                               << "Arial,Helvetica,sans-serif";
    // The face dialog writes what it is given: alternatives without a first face keep the comma.
    QTest::newRow("alternatives only") << ""
                                       << "Times"
                                       << ""
                                       << ",Times";
    QTest::newRow("names with blanks") << "Times New Roman"
                                       << "Courier New"
                                       << ""
                                       << "Times New Roman,Courier New";
}

void TstFontMarkup::faceList()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, third);
    QFETCH(QString, list);
    QCOMPARE(fontFaceList(first, second, third), list);
}

void TstFontMarkup::allSettings_data()
{
    QTest::addColumn<QStringList>("fields"); // first, second, third, colour, size
    QTest::addColumn<QString>("markup");
    QTest::newRow("alternatives alone are dropped")
        << QStringList{"", "Arial", "Courier", "", "3"} << "<font size=\"3\">S</font>";
    QTest::newRow("everything") << QStringList{"Arial", "", "Courier", "#FF0000", "+1"}
                                << "<font face=\"Arial,Courier\" color=\"#FF0000\" size=\"+1\">S"
                                   "</font>";
    QTest::newRow("colour name only")
        << QStringList{"", "", "", "navy", ""} << "<font color=\"navy\">S</font>";
    QTest::newRow("nothing at all") << QStringList{"", "", "", "", ""} << "<font>S</font>";
}

void TstFontMarkup::allSettings()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, markup);
    const AllFontSettings settings{fields[0], fields[1], fields[2], fields[3], fields[4]};
    QCOMPARE(allFontMarkup(settings, QStringLiteral("S")), markup);
}

void TstFontMarkup::rules_data()
{
    QTest::addColumn<bool>("noshade");
    QTest::addColumn<QStringList>("fields"); // width, size, align, colour
    QTest::addColumn<QString>("markup");
    QTest::newRow("noshade, width, align") << true << QStringList{"50%", "", "center", ""}
                                           << "<hr noshade width=\"50%\" align=\"center\">";
    QTest::newRow("nothing") << false << QStringList{"", "", "", ""} << "<hr>";
    QTest::newRow("everything")
        << true << QStringList{"200", "3", "left", "#00FF00"}
        << "<hr noshade width=\"200\" size=\"3\" align=\"left\" color=\"#00FF00\">";
    QTest::newRow("colour name and size")
        << false << QStringList{"", "2", "", "red"} << "<hr size=\"2\" color=\"red\">";
}

void TstFontMarkup::rules()
{
    QFETCH(bool, noshade);
    QFETCH(QStringList, fields);
    QFETCH(QString, markup);
    QCOMPARE(ruleMarkup({noshade, fields[0], fields[1], fields[2], fields[3]}), markup);
    // A long colour text keeps the closing quote and bracket: nothing is cut at 255.
    const QString longColour(300, QLatin1Char('c'));
    QVERIFY(ruleMarkup({noshade, fields[0], fields[1], fields[2], longColour})
                .endsWith(longColour + QStringLiteral("\">")));
}

void TstFontMarkup::sizedRule_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("markup");
    QTest::newRow("default") << "1"
                             << "<hr size=\"1\">";
    QTest::newRow("typed") << "12"
                           << "<hr size=\"12\">";
    QTest::newRow("empty answer writes nothing") << ""
                                                 << "";
}

void TstFontMarkup::sizedRule()
{
    QFETCH(QString, answer);
    QFETCH(QString, markup);
    QCOMPARE(sizedRuleMarkup(answer), markup);
}

void TstFontMarkup::swatchTakesOnlyNewColours()
{
    TCShape shape;
    QCOMPARE(shape.ChangeColor(), 0x00FFFFFFu);
    QCOMPARE(shape.brushColor(), QColor(Qt::white));
    QSignalSpy changes(&shape, &TCShape::ChangeColorChanged);
    shape.setChangeColor(0x00FFFFFF);
    QCOMPARE(changes.count(), 0);
    shape.setChangeColor(0x00123456); // blue 12, green 34, red 56
    QCOMPARE(changes.count(), 1);
    QCOMPARE(shape.brushColor(), QColor(0x56, 0x34, 0x12));
    // A fill set directly is kept until the value really changes.
    shape.setBrushColor(Qt::black);
    shape.setChangeColor(0x00123456);
    QCOMPARE(shape.brushColor(), QColor(Qt::black));
    QCOMPARE(shape.property("ChangeColor").toUInt(), 0x00123456u);
    shape.setProperty("ChangeColor", 0x000000FFu);
    QCOMPARE(shape.brushColor(), QColor(Qt::red));
}

QTEST_MAIN(TstFontMarkup)
#include "tst_fontmarkup.moc"
