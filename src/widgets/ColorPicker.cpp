// The colour picker: the standard colour dialog with the program's sixteen custom colours.
#include "widgets/ColorPicker.h"

#include "core/ColorText.h"
#include "widgets/DialogHelp.h"

#include <QColorDialog>

namespace ColorPicker
{

std::optional<std::uint32_t> pick(QWidget* parent, std::uint32_t initial, int helpTopic)
{
    static const bool preset = [] {
        for (int slot = 0; slot < int(CustomColors.size()); ++slot)
            QColorDialog::setCustomColor(slot, ColorText::toQColor(CustomColors[slot]));
        return true;
    }();
    Q_UNUSED(preset);

    QColorDialog dialog(ColorText::toQColor(initial), parent);
    dialog.setObjectName(QStringLiteral("ColorDialog1"));
    // Our own dialog, so the custom colours and the help key work on every desktop.
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    bindHelpKey(&dialog, helpTopic);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ColorText::fromQColor(dialog.selectedColor()) & 0xFFFFFF;
}

} // namespace ColorPicker
