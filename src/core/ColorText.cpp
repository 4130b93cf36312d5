// Colour texts of the settings store and the screen colours of stored colour values.
#include "core/ColorText.h"

#include "core/SettingsStore.h"
#include <QGuiApplication>
#include <QLatin1StringView>
#include <QPalette>
#include <array>

namespace ColorText
{

namespace
{

struct NamedColor {
    const char* name;
    std::uint32_t value;
};

constexpr std::uint32_t sys(std::uint32_t index)
{
    return SystemColorBase + index;
}

constexpr std::array<NamedColor, 42> Names{{
    {"clBlack", 0x000000},        {"clMaroon", 0x000080},
    {"clGreen", 0x008000},        {"clOlive", 0x008080},
    {"clNavy", 0x800000},         {"clPurple", 0x800080},
    {"clTeal", 0x808000},         {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0},       {"clRed", 0x0000FF},
    {"clLime", 0x00FF00},         {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},         {"clFuchsia", 0xFF00FF},
    {"clAqua", 0xFFFF00},         {"clWhite", 0xFFFFFF},
    {"clScrollBar", sys(0)},      {"clBackground", sys(1)},
    {"clActiveCaption", sys(2)},  {"clInactiveCaption", sys(3)},
    {"clMenu", sys(4)},           {"clWindow", sys(5)},
    {"clWindowFrame", sys(6)},    {"clMenuText", sys(7)},
    {"clWindowText", sys(8)},     {"clCaptionText", sys(9)},
    {"clActiveBorder", sys(10)},  {"clInactiveBorder", sys(11)},
    {"clAppWorkSpace", sys(12)},  {"clHighlight", sys(13)},
    {"clHighlightText", sys(14)}, {"clBtnFace", sys(15)},
    {"clBtnShadow", sys(16)},     {"clGrayText", sys(17)},
    {"clBtnText", sys(18)},       {"clInactiveCaptionText", sys(19)},
    {"clBtnHighlight", sys(20)},  {"cl3DDkShadow", sys(21)},
    {"cl3DLight", sys(22)},       {"clInfoText", sys(23)},
    {"clInfoBk", sys(24)},        {"clNone", None},
}};

struct PaletteColor {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The platform's system colour indices, from scroll bar (0) to menu bar (30), as palette roles.
constexpr std::array<PaletteColor, 31> SystemRoles{{
    {QPalette::Active, QPalette::Button},          // scroll bar
    {QPalette::Active, QPalette::Dark},            // desktop
    {QPalette::Active, QPalette::Highlight},       // active caption
    {QPalette::Active, QPalette::Mid},             // inactive caption
    {QPalette::Active, QPalette::Window},          // menu
    {QPalette::Active, QPalette::Base},            // window
    {QPalette::Active, QPalette::Shadow},          // window frame
    {QPalette::Active, QPalette::WindowText},      // menu text
    {QPalette::Active, QPalette::Text},            // window text
    {QPalette::Active, QPalette::HighlightedText}, // caption text
    {QPalette::Active, QPalette::Window},          // active border
    {QPalette::Active, QPalette::Window},          // inactive border
    {QPalette::Active, QPalette::Dark},            // MDI workspace
    {QPalette::Active, QPalette::Highlight},       // highlight
    {QPalette::Active, QPalette::HighlightedText}, // highlight text
    {QPalette::Active, QPalette::Button},          // button face
    {QPalette::Active, QPalette::Dark},            // button shadow
    {QPalette::Disabled, QPalette::Text},          // grey text
    {QPalette::Active, QPalette::ButtonText},      // button text
    {QPalette::Active, QPalette::WindowText},      // inactive caption text
    {QPalette::Active, QPalette::Light},           // button highlight
    {QPalette::Active, QPalette::Shadow},          // 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 3D light
    {QPalette::Active, QPalette::ToolTipText},     // info text
    {QPalette::Active, QPalette::ToolTipBase},     // info background
    {QPalette::Active, QPalette::Window},          // 25 is unused by the platform
    {QPalette::Active, QPalette::Link},            // hot-tracked item
    {QPalette::Active, QPalette::Highlight},       // active caption gradient
    {QPalette::Active, QPalette::Mid},             // inactive caption gradient
    {QPalette::Active, QPalette::Highlight},       // menu highlight
    {QPalette::Active, QPalette::Window},          // menu bar
}};

// Decimal texts come from the platform's signed colour type, so system colours may be negative
// ("-2147483633" is the button face).
std::optional<std::uint32_t> parseDecimal(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = text.mid(negative ? 1 : 0);
    if (digits.isEmpty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const QChar c : digits) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > 0xFFFFFFFFll)
            return std::nullopt;
    }
    if (negative) {
        if (value > 0x80000000ll)
            return std::nullopt;
        return std::uint32_t(-value);
    }
    return std::uint32_t(value);
}

QPalette currentPalette()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QGuiApplication::palette();
    return QPalette(QColor(Qt::lightGray));
}

} // namespace

QString toText(std::uint32_t value)
{
    for (const NamedColor& c : Names) {
        if (c.value == value)
            return QString::fromLatin1(c.name);
    }
    return QStringLiteral("$%1").arg(value, 8, 16, QChar(u'0')).toUpper();
}

std::optional<std::uint32_t> fromText(const QString& text)
{
    for (const NamedColor& c : Names) {
        if (text.compare(QLatin1StringView(c.name), Qt::CaseInsensitive) == 0)
            return c.value;
    }
    if (text.startsWith(u'$'))
        return parseHexDigits(QStringView(text).mid(1));
    if (text.size() > 2 && text.at(0) == u'0' && (text.at(1) == u'x' || text.at(1) == u'X'))
        return parseHexDigits(QStringView(text).mid(2));
    return parseDecimal(text);
}

QColor toQColor(std::uint32_t value)
{
    if (value == None)
        return QColor(Qt::transparent);
    if (value & SystemColorBase) {
        // Like the platform, only the low byte selects the system colour; unknown ones are black.
        const std::uint32_t index = value & 0xFF;
        if (index >= SystemRoles.size())
            return QColor(Qt::black);
        const PaletteColor& pc = SystemRoles[index];
        return currentPalette().color(pc.group, pc.role);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

std::uint32_t fromQColor(const QColor& color)
{
    if (!color.isValid() || color.alpha() == 0)
        return None;
    const QColor rgb = color.toRgb();
    return std::uint32_t(rgb.red()) | std::uint32_t(rgb.green()) << 8 |
           std::uint32_t(rgb.blue()) << 16;
}

QString toHtml(std::uint32_t value)
{
    // The value is 00BBGGRR: its hex text reads blue first, so the byte pairs swap ends.
    const QString digits =
        QStringLiteral("%1").arg(value & 0xFFFFFF, 6, 16, QLatin1Char('0')).toUpper();
    return digits.mid(4, 2) + digits.mid(2, 2) + digits.left(2);
}

} // namespace ColorText
