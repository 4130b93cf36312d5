// Toolbar icons: the desktop theme's icon where one exists, else a short glyph drawn at any size.
#include "widgets/GlyphIcon.h"

#include <QApplication>
#include <QFontMetrics>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace
{

class GlyphIconEngine : public QIconEngine
{
public:
    explicit GlyphIconEngine(const QString& glyph) : m_glyph(glyph) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::TextAntialiasing);
        QFont font = QApplication::font();
        font.setBold(true);
        // Longer glyphs get a smaller font so that "<p>" or "blink" still fit the square.
        font.setPixelSize(qMax(6, int(rect.height() * 0.8)));
        const int width = QFontMetrics(font).horizontalAdvance(m_glyph);
        if (width > rect.width() * 0.95)
            font.setPixelSize(qMax(5, int(font.pixelSize() * rect.width() * 0.95 / width)));
        painter->setFont(font);
        const QPalette palette = QApplication::palette();
        painter->setPen(mode == QIcon::Disabled ? palette.color(QPalette::Disabled, QPalette::Text)
                                                : palette.color(QPalette::Active, QPalette::Text));
        painter->drawText(rect, Qt::AlignCenter, m_glyph);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return result;
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph); }

private:
    QString m_glyph;
};

} // namespace

QIcon glyphIcon(const QString& glyph)
{
    return QIcon(new GlyphIconEngine(glyph));
}

QIcon themeOrGlyphIcon(const QString& themeName, const QString& glyph)
{
    if (!themeName.isEmpty() && QIcon::hasThemeIcon(themeName))
        return QIcon::fromTheme(themeName);
    return glyphIcon(glyph);
}
