// Toolbar icons: the icon theme's where one exists, else a short glyph drawn at any size.
#include "widgets/GlyphIcon.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QStandardPaths>
#include <cmath>

void setUpIcons()
{
    QIcon::setFallbackThemeName(FallbackIconTheme);
    QApplication::setWindowIcon(applicationIcon());
}

QIcon applicationIcon()
{
    // The resource sits in the static library, where nothing else would pull it in.
    Q_INIT_RESOURCE(icons);
    return QIcon(QStringLiteral(":/icons/tessaline.svg"));
}

QIcon standardIcon(const QString& name)
{
    if (name.isEmpty())
        return {};
    if (QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    // Qt consults the fallback theme only for themes that name no parent of their own, so the
    // fallback theme's files are looked up here directly.
    static const char* const folders[] = {"actions", "apps", "preferences", "places", "devices"};
    static const int sizes[] = {16, 22, 32, 48, 64};
    QIcon icon;
    // Not every platform names the XDG icon folders among Qt's search paths.
    QStringList bases = QIcon::themeSearchPaths();
    bases += QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("icons"),
                                       QStandardPaths::LocateDirectory);
    for (const QString& base : std::as_const(bases)) {
        const QDir theme(base + QLatin1Char('/') + FallbackIconTheme);
        if (!theme.exists())
            continue;
        for (const char* folder : folders)
            for (int size : sizes) {
                const QString file = theme.filePath(
                    QStringLiteral("%1/%2/%3.svg").arg(QLatin1String(folder)).arg(size).arg(name));
                if (QFileInfo::exists(file))
                    icon.addFile(file, QSize(size, size));
            }
        if (!icon.isNull())
            break;
    }
    return icon;
}

int glyphMinimumPixelSize()
{
    return QFontInfo(QApplication::font("QToolButton")).pixelSize();
}

namespace
{

class GlyphIconEngine : public QIconEngine
{
public:
    explicit GlyphIconEngine(const QString& glyph) : m_glyph(glyph) {}

    // Room for the glyph in a square of height pixels at the smallest font: a wider icon where
    // the square cannot hold it.
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int height = size.height();
        const int needed = qCeil(textWidth(glyphMinimumPixelSize()) / Fill) + 2;
        if (shrinkToFit(height, height) >= glyphMinimumPixelSize() || needed <= height)
            return size.boundedTo(QSize(height, height)).expandedTo(QSize(1, 1));
        return QSize(qMin(size.width(), needed), height);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override
    {
        paintScaled(painter, rect, mode, 1.0);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal scale) override
    {
        QPixmap result(size);
        result.fill(Qt::transparent);
        QPainter painter(&result);
        paintScaled(&painter, QRect(QPoint(0, 0), size), mode, scale);
        painter.end();
        result.setDevicePixelRatio(scale);
        return result;
    }

    QIconEngine* clone() const override { return new GlyphIconEngine(m_glyph); }

private:
    static constexpr double Fill = 0.95; // share of the width the text may take

    static QFont glyphFont(int pixelSize)
    {
        QFont font = QApplication::font("QToolButton");
        font.setBold(true);
        font.setPixelSize(qMax(1, pixelSize));
        return font;
    }

    int textWidth(int pixelSize) const
    {
        return QFontMetrics(glyphFont(pixelSize)).horizontalAdvance(m_glyph);
    }

    // The largest pixel size up to 80 % of the height at which the glyph fits the width.
    int shrinkToFit(int width, int height) const
    {
        int pixelSize = qMax(1, int(height * 0.8));
        const int w = textWidth(pixelSize);
        if (w > width * Fill)
            pixelSize = qMax(1, int(std::floor(pixelSize * width * Fill / w)));
        return pixelSize;
    }

    // rect is in device pixels; scale device pixels make one pixel of the toolbar's font.
    void paintScaled(QPainter* painter, const QRect& rect, QIcon::Mode mode, qreal scale) const
    {
        painter->save();
        painter->setRenderHint(QPainter::TextAntialiasing);
        const int smallest = qRound(glyphMinimumPixelSize() * scale);
        const int pixelSize = qMax(smallest, shrinkToFit(rect.width(), rect.height()));
        painter->setFont(glyphFont(pixelSize));
        const QPalette palette = QApplication::palette();
        painter->setPen(mode == QIcon::Disabled ? palette.color(QPalette::Disabled, QPalette::Text)
                                                : palette.color(QPalette::Active, QPalette::Text));
        painter->drawText(rect, Qt::AlignCenter, m_glyph);
        painter->restore();
    }

    QString m_glyph;
};

} // namespace

namespace
{

// Glyph icons by cache key: copies of an icon share its key.
QHash<qint64, QString>& glyphRegistry()
{
    static QHash<qint64, QString> glyphs;
    return glyphs;
}

} // namespace

QIcon glyphIcon(const QString& glyph)
{
    const QIcon icon(new GlyphIconEngine(glyph));
    glyphRegistry().insert(icon.cacheKey(), glyph);
    return icon;
}

QString glyphOf(const QIcon& icon)
{
    return glyphRegistry().value(icon.cacheKey());
}

bool glyphFitsSquare(const QIcon& icon, int side)
{
    return glyphOf(icon).isEmpty() || icon.actualSize(QSize(4 * side, side)).width() <= side;
}

QIcon themeOrGlyphIcon(const QString& themeName, const QString& glyph)
{
    const QIcon themed = standardIcon(themeName);
    return themed.isNull() ? glyphIcon(glyph) : themed;
}
