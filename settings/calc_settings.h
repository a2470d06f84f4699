// CalcSettings: every user setting, each field named by its key in the settings file.
#pragma once

#include <cstdint>

#include "decimal/dec_string.h"
#include "decimal/number_format.h"
#include "platform/platform.h"

// A window corner that was never saved: the window opens centred.
inline constexpr int32_t UnsavedPlace = INT32_MIN;
// The corners the settings file keeps: what the system's window coordinates can hold.
inline constexpr int32_t LowestPlace = -32768;
inline constexpr int32_t HighestPlace = 32767;

// The colours the windows take: Windows' app mode, or always light, or always dark.
enum class ThemeSetting : int32_t { System, Light, Dark };

// The tape window's width when it was never changed: as wide as its longest number.
inline constexpr int32_t NarrowTape = 0;
enum class CreditDebit { No, DrNegative, CrNegative };

struct CalcSettings {
    int32_t SCALE = 0;  // 0..3: "100 %" .. "400 %"
    char DECIMAL_SEPARATOR = '\0';
    char THOUSAND_SEPARATOR = '\0';
    DecString FONT;
    DecString FONT_FOR_PANEL;
    bool LEADING_ZERO = false;
    DigitGrouping DIGIT_GROUPING = DigitGrouping::None;
    uint32_t BACKGROUND_COLOR = 0;  // red in bits 0-7, green 8-15, blue 16-23
    bool HOT_KEY_AS_CLICK = false;
    RoundMode ROUND_MODE = RoundMode::Fixed0;
    RoundType ROUND_TYPE = RoundType::Up;
    bool TOOL_TIPS = false;
    bool TAPE = false;      // the tape window is shown
    DecString TAPE_FILE;    // the tape in use; empty: the tape kept beside the settings
    DecString TAPE_RECENT;  // the tapes used last, newest first, separated by '|'
    bool ALWAYS_ON_TOP = false;
    bool ADD_MODE = false;  // amounts typed in cents with fixed 2 or 3 decimal places
    // Top-left corner of the main window in screen coordinates when it was last closed;
    // UnsavedPlace until a place is known.
    int32_t WINDOW_X = UnsavedPlace;
    int32_t WINDOW_Y = UnsavedPlace;
    // Extra characters the Total takes as number ends and as decimal separators. In memory a
    // space is simply a member; the settings file carries it in the two SPACE_IS_... flags.
    DecString NUMBER_SEPARATORS;
    DecString DECIMAL_SEPARATORS;
    bool SPACE_IS_DECIMAL_SEPARATOR = false;
    bool SPACE_IS_NUMBER_SEPARATOR = false;
    // The Total takes only cells that read whole as one number (total/whole_cells.h).
    bool WHOLE_CELLS = false;
    // The row of business keys (tax, grand total, cost, sell, margin) is shown.
    bool BUSINESS_KEYS = false;
    // The tax keys' rate in percent, as decimal text with '.' (settings/tax_rate.h).
    DecString TAX_RATE{"0"};
    ThemeSetting THEME = ThemeSetting::System;
    // The tape window's outer width in pixels at 96 DPI as the user left it, or NarrowTape.
    int32_t TAPE_WIDTH = NarrowTape;
    // Whether a trailing "CR" or "DR" on a whole cell decides its sign, and which one is the
    // negative: banks print either for money going out.
    CreditDebit CREDIT_DEBIT = CreditDebit::No;
    // The language of the words Quillon shows: "AUTO" follows the user's Windows UI
    // languages, or a tag such as "de" or "pt-BR".
    DecString LANGUAGE{"AUTO"};
    // Characters that, typed on the keyboard, press the decimal-separator key.
    DecString DecimalKeyChars{".,"};
};

inline constexpr const char* DefaultFontFace = "Segmenta";

// Fills `settings` with the defaults: the fixed ones of the setting keys, the others from
// the user's locale and window colour.
void LoadDefaultSettings(CalcSettings& settings, const SystemLocale& locale);

// The panel's format as the settings give it.
NumberFormat FormatOf(const CalcSettings& settings);

const char* YesNoText(bool value);
// True for exactly "YES", false for exactly "NO", `fallback` for anything else.
bool ParseYesNo(const char* text, bool fallback);
// Digits and '-' belong to numbers and can never separate them; UnmappedChar stands for a
// character the clipboard could not hold, which the Total and paste always skip.
bool IsValidSeparatorChar(char c);
bool IsValidSeparatorText(const char* text);

inline uint32_t ColourFromRgb(int32_t red, int32_t green, int32_t blue) {
    return static_cast<uint32_t>(red) | static_cast<uint32_t>(green) << 8 |
           static_cast<uint32_t>(blue) << 16;
}
inline int32_t RedOf(uint32_t colour) {
    return colour & 0xFF;
}
inline int32_t GreenOf(uint32_t colour) {
    return colour >> 8 & 0xFF;
}
inline int32_t BlueOf(uint32_t colour) {
    return colour >> 16 & 0xFF;
}
