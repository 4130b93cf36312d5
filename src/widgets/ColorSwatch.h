// TCShape: a rectangle filled with one colour, the preview swatch of the colour dialogs.
#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

class TCShape : public QWidget
{
    Q_OBJECT
    // The colour as a 00BBGGRR value; setting it repaints the fill.
    Q_PROPERTY(uint ChangeColor READ ChangeColor WRITE setChangeColor NOTIFY ChangeColorChanged)
public:
    explicit TCShape(QWidget* parent = nullptr);

    std::uint32_t ChangeColor() const { return m_value; }
    void setChangeColor(std::uint32_t value);
    // The fill as drawn; it may also be set directly without touching ChangeColor.
    QColor brushColor() const { return m_brush; }
    void setBrushColor(const QColor& color);

    QSize sizeHint() const override { return {65, 65}; }

signals:
    void ChangeColorChanged(std::uint32_t value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::uint32_t m_value = 0x00FFFFFF;
    QColor m_brush = Qt::white;
};
