#include "ui/Colours.h"

#include <algorithm>
#include <cmath>

namespace {

double channel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &colour)
{
    const QColor c = colour.toRgb();
    return 0.2126 * channel(c.red()) + 0.7152 * channel(c.green()) + 0.0722 * channel(c.blue());
}

// The reds that stay red (the red channel 0x40 above the others), step by
// step away from the fixed dark red: darker down to 0x400000, lighter
// through pure red up to 0xFFBFBF. The first step that reaches the contrast
// wins; where none does, the red of most contrast.
QColor readableRed(const QColor &fixed, const QColor &background, double wanted)
{
    const int r = fixed.red();
    const auto darker = [&](int n) { return r - n >= 0x40 ? QColor(r - n, 0, 0) : QColor(); };
    const auto lighter = [&](int n) {
        const int v = r + n;
        return v <= 255 ? QColor(v, 0, 0) : v - 255 <= 0xBF ? QColor(255, v - 255, v - 255) : QColor();
    };
    QColor best = fixed;
    for (int n = 1; n <= 255 + 0xBF - r; ++n) {
        for (const QColor &c : {darker(n), lighter(n)}) {
            if (c.isValid() && contrastRatio(c, background) > contrastRatio(best, background))
                best = c;
        }
        if (contrastRatio(best, background) >= wanted)
            return best;
    }
    return best;
}

} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readableColour(FixedColour use, const QPalette &palette)
{
    switch (use) {
    case FixedColour::Display: {
        const QColor fixed(64, 64, 64), background = palette.color(QPalette::Base);
        return contrastRatio(fixed, background) >= 4.5 ? fixed : palette.color(QPalette::Text);
    }
    case FixedColour::Caption: {
        const QColor fixed(0, 0, 0), background = palette.color(QPalette::Window);
        return contrastRatio(fixed, background) >= 3.0 ? fixed : palette.color(QPalette::WindowText);
    }
    case FixedColour::ModifiedCaption: {
        const QColor fixed(128, 0, 0), background = palette.color(QPalette::Window);
        return contrastRatio(fixed, background) >= 3.0 ? fixed : readableRed(fixed, background, 3.0);
    }
    }
    return QColor();
}
