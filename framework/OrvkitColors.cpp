#include <orvkit/framework/OrvkitColors.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace orv {

namespace {

struct TSystemEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

constexpr QPalette::ColorGroup kActive = QPalette::Active;

// Indexed by the system colour index; index 25 has no colour.
constexpr std::array<TSystemEntry, 31> kSystemColors = {{
    {kActive, QPalette::Button},          // scroll bar
    {kActive, QPalette::Dark},            // desktop
    {kActive, QPalette::Highlight},       // active caption
    {kActive, QPalette::Mid},             // inactive caption
    {kActive, QPalette::Window},          // menu
    {kActive, QPalette::Base},            // window
    {kActive, QPalette::Shadow},          // window frame
    {kActive, QPalette::WindowText},      // menu text
    {kActive, QPalette::Text},            // window text
    {kActive, QPalette::HighlightedText}, // caption text
    {kActive, QPalette::Button},          // active border
    {kActive, QPalette::Button},          // inactive border
    {kActive, QPalette::Dark},            // application work space
    {kActive, QPalette::Highlight},       // highlight
    {kActive, QPalette::HighlightedText}, // highlight text
    {kActive, QPalette::Button},          // button face
    {kActive, QPalette::Dark},            // button shadow
    {QPalette::Disabled, QPalette::Text}, // grey text
    {kActive, QPalette::ButtonText},      // button text
    {QPalette::Disabled, QPalette::WindowText}, // inactive caption text
    {kActive, QPalette::Light},           // button highlight
    {kActive, QPalette::Shadow},          // 3D dark shadow
    {kActive, QPalette::Midlight},        // 3D light
    {kActive, QPalette::ToolTipText},     // info text
    {kActive, QPalette::ToolTipBase},     // info background
    {kActive, QPalette::NoRole},          // unused
    {kActive, QPalette::Link},            // hot light
    {kActive, QPalette::Highlight},       // gradient active caption
    {kActive, QPalette::Mid},             // gradient inactive caption
    {kActive, QPalette::Highlight},       // menu highlight
    {kActive, QPalette::Window},          // menu bar
}};

QColor PlainColor(TColor color)
{
    const auto v = static_cast<uint32_t>(color);
    return QColor(int(v & 0xFFu), int((v >> 8) & 0xFFu), int((v >> 16) & 0xFFu));
}

} // namespace

bool IsSystemColor(TColor color)
{
    return (static_cast<uint32_t>(color) & 0xFF000000u) == 0xFF000000u;
}

QColor SystemColor(int index, const QPalette& palette)
{
    if (index < 0 || index >= int(kSystemColors.size()) ||
        kSystemColors[size_t(index)].role == QPalette::NoRole)
        return QColor(Qt::black);
    const TSystemEntry& entry = kSystemColors[size_t(index)];
    return palette.color(entry.group, entry.role);
}

QColor ColorToQColor(TColor color, const QPalette& palette)
{
    if (color == clNone || color == clDefault)
        return QColor(Qt::transparent);
    if (IsSystemColor(color))
        return SystemColor(int(static_cast<uint32_t>(color) & 0xFFFFFFu), palette);
    return PlainColor(color);
}

TColor ColorToRGB(TColor color, const QPalette& palette)
{
    if (color == clNone || color == clDefault)
        return color;
    return QColorToColor(ColorToQColor(color, palette));
}

TColor QColorToColor(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return static_cast<TColor>(uint32_t(rgb.red()) | (uint32_t(rgb.green()) << 8) |
                               (uint32_t(rgb.blue()) << 16));
}

namespace {

double RelativeLuminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor Mix(const QColor& from, const QColor& to, double t)
{
    const auto mix = [t](int a, int b) { return int(std::lround(a + (b - a) * t)); };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()), mix(from.blue(), to.blue()));
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b)
{
    const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& text, const QColor& background, double ratio)
{
    if (ContrastRatio(text, background) >= ratio)
        return text;
    const QColor black(Qt::black), white(Qt::white);
    const QColor target = ContrastRatio(black, background) >= ContrastRatio(white, background) ? black : white;
    if (ContrastRatio(target, background) < ratio)
        return target;
    // The least move towards the target that reaches the ratio.
    double low = 0, high = 1;
    for (int i = 0; i < 16; ++i) {
        const double mid = (low + high) / 2;
        (ContrastRatio(Mix(text, target, mid), background) >= ratio ? high : low) = mid;
    }
    return Mix(text, target, high);
}

} // namespace orv
