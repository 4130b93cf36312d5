// ShownEdit: a text control on screen with a text, painted once, for the editor's tests.
#pragma once

#include "editor/TextControl.h"

#include <QImage>
#include <QPaintEvent>
#include <QRegion>
#include <QTest>
#include <cstdlib>
#include <functional>
#include <memory>

// prepare runs before the text is loaded; nullptr when the control never came on screen.
inline std::unique_ptr<TExtRich> showEdit(const QString& text, QSize size,
                                          const std::function<void(TExtRich*)>& prepare = {})
{
    auto edit = std::make_unique<TExtRich>();
    if (prepare)
        prepare(edit.get());
    edit->resize(size);
    edit->loadText(text);
    edit->show();
    if (!QTest::qWaitForWindowExposed(edit.get()))
        return nullptr;
    edit->viewport()->repaint();
    return edit;
}

// What the control's text area shows now.
inline QImage shownImage(TExtRich* edit)
{
    return edit->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// How many pixels of image come within tolerance of colour in every channel.
inline int pixelsNear(const QImage& image, const QColor& colour, int tolerance = 16)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (std::abs(qRed(row[x]) - colour.red()) <= tolerance &&
                std::abs(qGreen(row[x]) - colour.green()) <= tolerance &&
                std::abs(qBlue(row[x]) - colour.blue()) <= tolerance)
                ++count;
    }
    return count;
}

// Collects what a widget is asked to draw again.
class PaintedRegion : public QObject
{
public:
    QRegion region;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            region += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};
