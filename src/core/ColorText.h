// Colour texts of the store: names such as "clRed" or "clBtnFace", or "$" and eight hex digits.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>

namespace ColorText
{

// Colour values are 00BBGGRR; 0x80000000 + n is system colour n; clNone is 0x1FFFFFFF.
constexpr std::uint32_t SystemColorBase = 0x80000000u;
constexpr std::uint32_t None = 0x1FFFFFFFu;
constexpr std::uint32_t Black = 0x00000000u;
constexpr std::uint32_t White = 0x00FFFFFFu;

// The name when the value has one, else "$" + eight upper-case hex digits.
QString toText(std::uint32_t value);
// A name of the table (any letter case) or an integer text (decimal, or hex after "$").
std::optional<std::uint32_t> fromText(const QString& text);
// Screen colour of a value; system colours come from the application palette.
QColor toQColor(std::uint32_t value);
std::uint32_t fromQColor(const QColor& color);

// The HTML digits of a colour value: six upper-case hex digits red, green, blue (no "#").
QString toHtml(std::uint32_t value);

} // namespace ColorText
