// The theme the windows are drawn in and its fixed colours. The light theme is Windows'
// own default look; the dark one is Quillon's, fixed here so that every text keeps a
// contrast ratio of at least 4.5:1 against what it is drawn on.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "settings/calc_settings.h"

// What is shown: high contrast is the system's own colours and wins over either theme.
enum class ShownTheme { Light, Dark, HighContrast };

// `appsUseLightTheme`: the user's app mode as Windows keeps it (0 dark, anything else
// light), or nothing on a system that has no app mode, which is light.
ShownTheme ChooseTheme(ThemeSetting setting, std::optional<uint32_t> appsUseLightTheme,
                       bool highContrast);

// Colours as 0x00BBGGRR, the layout of CalcSettings::BACKGROUND_COLOR.
struct ColourScheme {
    uint32_t Window;  // the main window's background (dark only: light keeps the user's)
    uint32_t PanelFace, PanelText;
    uint32_t KeyFace, KeyText, KeyFrame;
    uint32_t KeyPressedFace, KeyPressedText;
    uint32_t KeyFocus;  // the ring around the focused key
    uint32_t IndicatorFace, IndicatorText;
    uint32_t TapeFace, TapeText, TapeNegative, TapeRule, TapeNote;
    uint32_t SelectedFace, SelectedText;
    uint32_t TipFace, TipText;
    uint32_t DialogFace, DialogText, FieldFace, FieldText;
};

const ColourScheme& LightScheme();
const ColourScheme& DarkScheme();

// A text and what it is drawn on, named for a failure message.
struct ColourPair {
    const char* Name;
    uint32_t Text;
    uint32_t Face;
};
inline constexpr size_t TextPairCount = 13;
// Every text of the scheme with its background, the focus ring on the key's face included.
std::array<ColourPair, TextPairCount> TextPairs(const ColourScheme& scheme);

// The WCAG 2 contrast ratio of two colours, from 1 (equal) to 21 (black and white).
double ContrastRatio(uint32_t first, uint32_t second);
