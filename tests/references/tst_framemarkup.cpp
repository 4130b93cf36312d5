// Tests of the frame markup: frameset sizes and commas, frame sources and attributes, targets.
#include "references/FrameMarkup.h"
#include "support/TestSupport.h"

using namespace Qt::StringLiterals;

class TestFrameMarkup : public QObject
{
    Q_OBJECT
private slots:
    void frameset_data();
    void frameset();
    void frame_data();
    void frame();
    void targets_data();
    void targets();
};

void TestFrameMarkup::frameset_data()
{
    QTest::addColumn<bool>("rows");
    QTest::addColumn<QStringList>("sizes");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing chosen")
        << true << QStringList{"", "", "", "", ""} << uR"(<frameset rows="">)"_s;
    QTest::newRow("two rows") << true << QStringList{"20%", "80%", "", "", ""}
                              << uR"(<frameset rows="20%,80%">)"_s;
    QTest::newRow("first column only keeps its comma")
        << false << QStringList{"30%", "", "", "", ""} << uR"(<frameset cols="30%,">)"_s;
    QTest::newRow("first and third")
        << true << QStringList{"20%", "", "30%", "", ""} << uR"(<frameset rows="20%,,30%">)"_s;
    QTest::newRow("all five") << false << QStringList{"10%", "20%", "30%", "*", "40%"}
                              << uR"(<frameset cols="10%,20%,30%,*,40%">)"_s;
    QTest::newRow("second alone has no comma")
        << true << QStringList{"", "*", "", "", ""} << uR"(<frameset rows="*">)"_s;
    QTest::newRow("fifth alone gets one in front")
        << true << QStringList{"", "", "", "", "50%"} << uR"(<frameset rows=",50%">)"_s;
}

void TestFrameMarkup::frameset()
{
    QFETCH(bool, rows);
    QFETCH(QStringList, sizes);
    QFETCH(QString, expected);
    FramesetValues v;
    v.rows = rows;
    for (int i = 0; i < 5; ++i)
        v.sizes[std::size_t(i)] = sizes.at(i);
    QCOMPARE(framesetOpenTag(v), expected);
}

void TestFrameMarkup::frame_data()
{
    QTest::addColumn<QStringList>("fields"); // name=value pairs of FrameValues
    QTest::addColumn<QString>("expected");

    QTest::newRow("every input empty") << QStringList{} << uR"(<frame src="">)"_s;
    QTest::newRow("navigation frame")
        << QStringList{"file=links.htm", "name=nav", "scrolling=no", "noresize=1"}
        << uR"(<frame src="links.htm" name="nav" scrolling=no noresize>)"_s;
    QTest::newRow("internal ignores the server parts")
        << QStringList{"protocol=http://", "server=www.", "type=.de",
                       "path=docs/",       "file=a.htm",  "anchor=oben"}
        << uR"(<frame src="docs/a.htm#oben">)"_s;
    QTest::newRow("external puts them in front")
        << QStringList{"external=1", "protocol=http://", "server=www.orvanto",
                       "type=.de",   "path=/docs/",      "file=a.htm"}
        << uR"(<frame src="http://www.orvanto.de/docs/a.htm">)"_s;
    QTest::newRow("attributes in their order")
        << QStringList{"file=b.htm", "marginHeight=4", "marginWidth=8", "scrolling=auto",
                       "name=main"}
        << uR"(<frame src="b.htm" name="main" scrolling=auto marginwidth=8 marginheight=4>)"_s;
    QTest::newRow("anchor without file") << QStringList{"anchor=x"} << uR"(<frame src="#x">)"_s;
}

void TestFrameMarkup::frame()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, expected);
    FrameValues v;
    for (const QString& field : fields) {
        const QString key = field.section(u'=', 0, 0);
        const QString value = field.section(u'=', 1);
        QString* target = key == u"protocol"       ? &v.protocol
                          : key == u"server"       ? &v.server
                          : key == u"type"         ? &v.type
                          : key == u"path"         ? &v.path
                          : key == u"file"         ? &v.file
                          : key == u"anchor"       ? &v.anchor
                          : key == u"name"         ? &v.name
                          : key == u"scrolling"    ? &v.scrolling
                          : key == u"marginWidth"  ? &v.marginWidth
                          : key == u"marginHeight" ? &v.marginHeight
                                                   : nullptr;
        if (target)
            *target = value;
        else if (key == u"external")
            v.external = true;
        else if (key == u"noresize")
            v.noresize = true;
        else
            QFAIL(qPrintable(field));
    }
    QCOMPARE(frameTag(v), expected);
}

void TestFrameMarkup::targets_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("attribute");

    QTest::newRow("named") << u"main"_s << uR"(<base target="main">)"_s << uR"(target="main")"_s;
    QTest::newRow("special") << u"_top"_s << uR"(<base target="_top">)"_s << uR"(target="_top")"_s;
    QTest::newRow("empty inserts nothing") << QString() << QString() << QString();
}

void TestFrameMarkup::targets()
{
    QFETCH(QString, target);
    QFETCH(QString, base);
    QFETCH(QString, attribute);
    QCOMPARE(baseTargetTag(target), base);
    QCOMPARE(targetAttribute(target), attribute);
}

TESSALINE_TEST_MAIN(TestFrameMarkup)
#include "tst_framemarkup.moc"
