// The colour picker: the standard colour dialog with the program's sixteen custom colours.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

class QWidget;

namespace ColorPicker
{

// Custom colour slots A to P as 00BBGGRR values: light tints and greys for page backgrounds.
constexpr std::array<std::uint32_t, 16> CustomColors{
    0xC8C8FF, 0xE6E6FE, 0xC8FFFF, 0xE6FFFF, 0xFFC8C8, 0xFFE6E6, 0xC8FFC8, 0xE6FFE6,
    0xFFFFC8, 0xFFFFE6, 0xFFC8FF, 0xFFE6FF, 0xC8C8C8, 0xE6E6E6, 0xF0F0F0, 0xFAFAFA};

constexpr int HelpTopic = 319;

// Shows the picker modally (F1 opens the help topic); the picked 00BBGGRR value, or nothing
// when it was cancelled. The custom colours are preset at the first use; later changes by the
// user stay for the rest of the run.
std::optional<std::uint32_t> pick(QWidget* parent, std::uint32_t initial = 0x000000,
                                  int helpTopic = HelpTopic);

} // namespace ColorPicker
