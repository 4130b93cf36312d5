// TCShape: a rectangle filled with one colour, the preview swatch of the colour dialogs.
#include "widgets/ColorSwatch.h"

#include "core/ColorText.h"

#include <QPainter>

TCShape::TCShape(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("CShape"));
}

void TCShape::setChangeColor(std::uint32_t value)
{
    if (value == m_value)
        return;
    m_value = value;
    setBrushColor(ColorText::toQColor(value));
    emit ChangeColorChanged(value);
}

void TCShape::setBrushColor(const QColor& color)
{
    if (color == m_brush)
        return;
    m_brush = color;
    update();
}

void TCShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(m_brush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
