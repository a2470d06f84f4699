#include "controls/theme.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t Rgb(uint32_t red, uint32_t green, uint32_t blue) {
    return red | green << 8 | blue << 16;
}

// Windows' default colours (window, button face, tool tip), as the system draws the light
// theme; the tape's colours are ours, its selection a darker blue than Windows' highlight
// (0x0078D7 against white text is just under 4.5:1).
constexpr ColourScheme Light = {
    .Window = Rgb(0xFF, 0xFF, 0xFF),
    .PanelFace = Rgb(0xFF, 0xFF, 0xFF),
    .PanelText = Rgb(0x00, 0x00, 0x00),
    .KeyFace = Rgb(0xF0, 0xF0, 0xF0),
    .KeyText = Rgb(0x00, 0x00, 0x00),
    .KeyFrame = Rgb(0xAD, 0xAD, 0xAD),
    .KeyPressedFace = Rgb(0xCC, 0xE4, 0xF7),
    .KeyPressedText = Rgb(0x00, 0x00, 0x00),
    .KeyFocus = Rgb(0x00, 0x5A, 0x9E),
    .IndicatorFace = Rgb(0xF0, 0xF0, 0xF0),
    .IndicatorText = Rgb(0x00, 0x00, 0x00),
    .TapeFace = Rgb(0xFF, 0xFF, 0xFF),
    .TapeText = Rgb(0x00, 0x00, 0x00),
    .TapeNegative = Rgb(0xC0, 0x00, 0x00),
    .TapeRule = Rgb(0x80, 0x80, 0x80),
    .TapeNote = Rgb(0x44, 0x44, 0x44),
    .SelectedFace = Rgb(0x00, 0x5A, 0x9E),
    .SelectedText = Rgb(0xFF, 0xFF, 0xFF),
    .TipFace = Rgb(0xFF, 0xFF, 0xFF),
    .TipText = Rgb(0x57, 0x57, 0x57),
    .DialogFace = Rgb(0xF0, 0xF0, 0xF0),
    .DialogText = Rgb(0x00, 0x00, 0x00),
    .FieldFace = Rgb(0xFF, 0xFF, 0xFF),
    .FieldText = Rgb(0x00, 0x00, 0x00),
};

// Near-black greys in steps, light grey texts, a soft red and a muted blue selection.
constexpr ColourScheme Dark = {
    .Window = Rgb(0x20, 0x20, 0x20),
    .PanelFace = Rgb(0x10, 0x10, 0x10),
    .PanelText = Rgb(0xF2, 0xF2, 0xF2),
    .KeyFace = Rgb(0x38, 0x38, 0x38),
    .KeyText = Rgb(0xFF, 0xFF, 0xFF),
    .KeyFrame = Rgb(0x5C, 0x5C, 0x5C),
    .KeyPressedFace = Rgb(0x55, 0x55, 0x55),
    .KeyPressedText = Rgb(0xFF, 0xFF, 0xFF),
    .KeyFocus = Rgb(0x99, 0xCC, 0xFF),
    .IndicatorFace = Rgb(0x2B, 0x2B, 0x2B),
    .IndicatorText = Rgb(0xF2, 0xF2, 0xF2),
    .TapeFace = Rgb(0x1E, 0x1E, 0x1E),
    .TapeText = Rgb(0xE8, 0xE8, 0xE8),
    .TapeNegative = Rgb(0xFF, 0x8A, 0x80),
    .TapeRule = Rgb(0x80, 0x80, 0x80),
    .TapeNote = Rgb(0xC0, 0xC0, 0xC0),
    .SelectedFace = Rgb(0x26, 0x4F, 0x78),
    .SelectedText = Rgb(0xFF, 0xFF, 0xFF),
    .TipFace = Rgb(0x2B, 0x2B, 0x2B),
    .TipText = Rgb(0xF2, 0xF2, 0xF2),
    .DialogFace = Rgb(0x20, 0x20, 0x20),
    .DialogText = Rgb(0xF2, 0xF2, 0xF2),
    .FieldFace = Rgb(0x2D, 0x2D, 0x2D),
    .FieldText = Rgb(0xF2, 0xF2, 0xF2),
};

// The relative luminance of one sRGB channel of 0..255.
double Linear(uint32_t channel) {
    const double value = channel / 255.0;
    return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
}

double Luminance(uint32_t colour) {
    return 0.2126 * Linear(colour & 0xFF) + 0.7152 * Linear(colour >> 8 & 0xFF) +
           0.0722 * Linear(colour >> 16 & 0xFF);
}

}  // namespace

ShownTheme ChooseTheme(ThemeSetting setting, std::optional<uint32_t> appsUseLightTheme,
                       bool highContrast) {
    if (highContrast) return ShownTheme::HighContrast;
    switch (setting) {
        case ThemeSetting::Light:
            return ShownTheme::Light;
        case ThemeSetting::Dark:
            return ShownTheme::Dark;
        case ThemeSetting::System:
            break;
    }
    return appsUseLightTheme == 0u ? ShownTheme::Dark : ShownTheme::Light;
}

const ColourScheme& LightScheme() {
    return Light;
}

const ColourScheme& DarkScheme() {
    return Dark;
}

std::array<ColourPair, TextPairCount> TextPairs(const ColourScheme& s) {
    return {{
        {"panel", s.PanelText, s.PanelFace},
        {"key", s.KeyText, s.KeyFace},
        {"pressed key", s.KeyPressedText, s.KeyPressedFace},
        {"focus ring", s.KeyFocus, s.KeyFace},
        {"indicator", s.IndicatorText, s.IndicatorFace},
        {"tape", s.TapeText, s.TapeFace},
        {"tape negative", s.TapeNegative, s.TapeFace},
        {"tape note", s.TapeNote, s.TapeFace},
        {"selected tape line", s.SelectedText, s.SelectedFace},
        {"tool tip", s.TipText, s.TipFace},
        {"dialog", s.DialogText, s.DialogFace},
        {"field", s.FieldText, s.FieldFace},
        {"dialog on window", s.DialogText, s.Window},
    }};
}

double ContrastRatio(uint32_t first, uint32_t second) {
    const double a = Luminance(first);
    const double b = Luminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
