// TColorGrid: sixteen colour cells in a 4 × 4 grid; a click picks the cell's colour.
#include "widgets/ColorGrid.h"

#include "core/ColorText.h"

#include <QGridLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

const std::array<std::uint32_t, 16> TColorGrid::Colors{
    0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0x808080,
    0xC0C0C0, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QGridLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t color = Colors.at(static_cast<std::size_t>(i));
        auto* cell = new QToolButton(this);
        cell->setObjectName(QStringLiteral("ColorCell%1").arg(i));
        cell->setCheckable(true);
        cell->setAutoRaise(false);
        QPixmap swatch(18, 18);
        swatch.fill(ColorText::toQColor(color));
        QPainter(&swatch).drawRect(0, 0, 17, 17);
        cell->setIcon(swatch);
        // The colour's name for screen readers and tooltips.
        cell->setAccessibleName(ColorText::toText(color));
        cell->setToolTip(ColorText::toText(color));
        connect(cell, &QToolButton::clicked, this, [this, i, color] {
            mark(i);
            emit colorClicked(color);
        });
        layout->addWidget(cell, i / 4, i % 4);
        m_cells.at(static_cast<std::size_t>(i)) = cell;
    }
}

void TColorGrid::clearMark()
{
    mark(-1);
}

void TColorGrid::mark(int index)
{
    m_marked = index;
    for (int i = 0; i < 16; ++i)
        m_cells.at(static_cast<std::size_t>(i))->setChecked(i == index);
}
