// Tests of toolbar icons: glyphs readable at the toolbar's font size, theme icons with fallback.
#include "widgets/GlyphIcon.h"

#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QTest>

class TestGlyphIcon : public QObject
{
    Q_OBJECT

private slots:
    void glyphsKeepTheNormalFontSize_data();
    void glyphsKeepTheNormalFontSize();
    void themeIconsFallBack();
};

namespace
{

// Columns holding any visible pixel: the drawn text's horizontal extent.
QPair<int, int> inkColumns(const QImage& image)
{
    int first = image.width(), last = -1;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (qAlpha(image.pixel(x, y)) > 40) {
                first = qMin(first, x);
                last = qMax(last, x);
            }
    return {first, last};
}

} // namespace

void TestGlyphIcon::glyphsKeepTheNormalFontSize_data()
{
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<bool>("wider");
    QTest::newRow("one letter") << "B" << false;
    QTest::newRow("entity sign") << "©" << false;
    QTest::newRow("line break tag") << "<br>" << true;
    QTest::newRow("nobr") << "nobr" << true;
    QTest::newRow("blink") << "blink" << true;
    QTest::newRow("comment") << "<!>" << true;
}

void TestGlyphIcon::glyphsKeepTheNormalFontSize()
{
    QFETCH(QString, glyph);
    QFETCH(bool, wider);
    // A big toolbar font, as on a scaled desktop: even "<p>"-sized glyphs need room then.
    QFont font = QApplication::font();
    font.setPixelSize(14);
    QApplication::setFont(font);
    const QSize square(20, 20);
    const QIcon icon = glyphIcon(glyph);
    const QSize size = icon.actualSize(QSize(4 * square.width(), square.height()));
    QCOMPARE(size.height(), square.height());
    QCOMPARE(size.width() > square.width(), wider);
    QCOMPARE(glyphFitsSquare(icon, square.height()), !wider);
    QCOMPARE(glyphOf(icon), glyph);
    QCOMPARE(glyphOf(QIcon(icon)), glyph); // copies too

    QFont bold = font;
    bold.setBold(true);
    const int textWidth = QFontMetrics(bold).boundingRect(glyph).width();
    const QImage image = icon.pixmap(size).toImage();
    const auto [first, last] = inkColumns(image);
    QVERIFY2(last >= 0, "nothing drawn");
    // As wide as the text at the normal size (not shrunk), and not cut off at the sides.
    QVERIFY2(last - first + 1 >= textWidth * 9 / 10,
             qPrintable(QString("ink %1 of %2").arg(last - first + 1).arg(textWidth)));
    QVERIFY(first > 0 || !wider);
    QVERIFY(last < image.width() - 1 || !wider);

    // Twice the pixels at a device ratio of 2: the same picture, just sharper.
    const QPixmap sharp = icon.pixmap(size, 2.0);
    QCOMPARE(sharp.deviceIndependentSize().toSize(), size);
}

void TestGlyphIcon::themeIconsFallBack()
{
    QVERIFY(standardIcon(QString()).isNull());
    QVERIFY(standardIcon(QStringLiteral("tessaline-gibt-es-nicht")).isNull());
    const QIcon missing =
        themeOrGlyphIcon(QStringLiteral("tessaline-gibt-es-nicht"), QStringLiteral("X"));
    QVERIFY(!missing.isNull());
    QCOMPARE(glyphOf(missing), QStringLiteral("X"));
    QVERIFY(!applicationIcon().isNull());

    const QIcon open = standardIcon(QStringLiteral("document-open"));
    if (open.isNull())
        QSKIP("neither the desktop's icon theme nor the fallback theme is installed");
    QVERIFY(!open.pixmap(22).isNull());
    QVERIFY(glyphOf(open).isEmpty());
    QVERIFY(glyphFitsSquare(open, 22));
    const QImage image = open.pixmap(22).toImage();
    QVERIFY(inkColumns(image).second >= 0);
}

QTEST_MAIN(TestGlyphIcon)
#include "tst_glyphicon.moc"
