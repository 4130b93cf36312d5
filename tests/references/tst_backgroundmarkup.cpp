// Tests of the body tag: colour texts, the image attribute and where the old tag is found.
#include "references/BackgroundMarkup.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QPalette>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

class TestBackgroundMarkup : public QObject
{
    Q_OBJECT
private slots:
    void colorTexts_data();
    void colorTexts();
    void imageAttribute_data();
    void imageAttribute();
    void bodyTagTakesOnlyGivenParts();
    void findsTheTag_data();
    void findsTheTag();
};

void TestBackgroundMarkup::colorTexts_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<QString>("expected");

    // The palette below makes window white-blue and window text dark red.
    QTest::newRow("pure red") << 0x0000FFu << u"#FF0000"_s;
    QTest::newRow("bytes turn round") << 0x563412u << u"#123456"_s;
    QTest::newRow("clWindow") << 0x80000005u << u"#F0F8FF"_s;
    QTest::newRow("clWindowText") << 0x80000008u << u"#800000"_s;
    QTest::newRow("clNone shows the window") << 0x1FFFFFFFu << u"#F0F8FF"_s;
}

void TestBackgroundMarkup::colorTexts()
{
    QFETCH(uint, color);
    QFETCH(QString, expected);
    const QPalette old = QApplication::palette();
    auto restore = qScopeGuard([&] { QApplication::setPalette(old); });
    QPalette palette = old;
    palette.setColor(QPalette::Active, QPalette::Base, QColor(0xF0, 0xF8, 0xFF));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(0x80, 0, 0));
    QApplication::setPalette(palette);
    QCOMPARE(htmlColorText(color), expected);
    QCOMPARE(colorAttribute("vlink", color), uR"( vlink=")"_s + expected + u'"');
}

void TestBackgroundMarkup::imageAttribute_data()
{
    QTest::addColumn<bool>("external");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("fixed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("nothing") << false << QString() << QString() << false << QString();
    QTest::newRow("path alone writes nothing")
        << false << u"img/"_s << QString() << false << QString();
    QTest::newRow("local image") << false << u"img/"_s << u"stein.gif"_s << false
                                 << uR"( background="img/stein.gif")"_s;
    QTest::newRow("watermark without image")
        << false << QString() << QString() << true << uR"( background="" bgproperties=fixed)"_s;
    QTest::newRow("watermark with image") << false << QString() << u"a.jpg"_s << true
                                          << uR"( background="a.jpg" bgproperties=fixed)"_s;
    QTest::newRow("external prefix") << true << u"/bilder/"_s << u"a.gif"_s << false
                                     << uR"( background="http://www.orvanto.de/bilder/a.gif")"_s;
    QTest::newRow("long name is not cut")
        << false << QString(300, u'p') << u"x.gif"_s << false
        << uR"( background=")"_s + QString(300, u'p') + uR"(x.gif")"_s;
}

void TestBackgroundMarkup::imageAttribute()
{
    QFETCH(bool, external);
    QFETCH(QString, path);
    QFETCH(QString, file);
    QFETCH(bool, fixed);
    QFETCH(QString, expected);
    BackgroundImageValues v;
    v.external = external;
    v.protocol = u"http://"_s;
    v.server = u"www.orvanto"_s;
    v.type = u".de"_s;
    v.path = path;
    v.file = file;
    v.fixed = fixed;
    QCOMPARE(backgroundImageAttribute(v), expected);
}

void TestBackgroundMarkup::bodyTagTakesOnlyGivenParts()
{
    QCOMPARE(bodyTag({}), u"<body>"_s);
    BodyAttributes a;
    a.text = colorAttribute("text", 0x000000);
    a.alink = colorAttribute("alink", 0x00FF00);
    QCOMPARE(bodyTag(a), uR"(<body text="#000000" alink="#00FF00">)"_s);
    a.image = uR"( background="b.gif")"_s;
    a.bgcolor = colorAttribute("bgcolor", 0xFFFFFF);
    a.link = colorAttribute("link", 0xFF0000);
    a.vlink = colorAttribute("vlink", 0x800080);
    QCOMPARE(bodyTag(a), uR"(<body background="b.gif" bgcolor="#FFFFFF" text="#000000" )"
                         uR"(link="#0000FF" vlink="#800080" alink="#00FF00">)"_s);
}

void TestBackgroundMarkup::findsTheTag_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("place"); // line, column, end line, end column; {} = none

    QTest::newRow("no body") << QStringList{"<html>", "<p>body text</p>"} << QList<int>{};
    QTest::newRow("empty document") << QStringList{} << QList<int>{};
    QTest::newRow("begins its line")
        << QStringList{"<html>", "<body>Text"} << QList<int>{1, 0, 1, 6};
    QTest::newRow("upper case with attributes")
        << QStringList{"<BODY BGCOLOR=red>"} << QList<int>{0, 0, 0, 18};
    QTest::newRow("text before the tag stays")
        << QStringList{"<head></head><body text=x><p>"} << QList<int>{0, 13, 0, 26};
    QTest::newRow("only the first body counts")
        << QStringList{"a", "<body>", "<body bgcolor=x>"} << QList<int>{1, 0, 1, 6};
    QTest::newRow("tag over two lines")
        << QStringList{"<body", "  text=red>rest"} << QList<int>{0, 0, 1, 11};
    QTest::newRow("unclosed tag takes only its line")
        << QStringList{"x <body bgcolor", "<p>kept</p>"} << QList<int>{0, 2, 0, 15};
    QTest::newRow("unclosed at the end") << QStringList{"<body"} << QList<int>{0, 0, 0, 5};
}

void TestBackgroundMarkup::findsTheTag()
{
    QFETCH(QStringList, lines);
    QFETCH(QList<int>, place);
    const BodyTagPlace found = findBodyTag(lines);
    if (place.isEmpty()) {
        QVERIFY(!found.found());
        return;
    }
    QVERIFY(found.found());
    QCOMPARE((QList<int>{found.line, found.column, found.endLine, found.endColumn}), place);
}

TESSALINE_TEST_MAIN(TestBackgroundMarkup)
#include "tst_backgroundmarkup.moc"
