// TColorGrid: sixteen colour cells in a 4 × 4 grid; a click picks the cell's colour.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>

class QToolButton;

class TColorGrid : public QWidget
{
    Q_OBJECT
public:
    // The sixteen named colours as 00BBGGRR, black to white.
    static const std::array<std::uint32_t, 16> Colors;

    explicit TColorGrid(QWidget* parent = nullptr);

    // The cell marked as the text colour, -1 when none is.
    int marked() const { return m_marked; }
    void clearMark();
    QToolButton* cell(int index) const { return m_cells.at(static_cast<std::size_t>(index)); }

signals:
    void colorClicked(std::uint32_t color);

private:
    void mark(int index);

    std::array<QToolButton*, 16> m_cells{};
    int m_marked = -1;
};
