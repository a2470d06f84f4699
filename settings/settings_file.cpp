#include "settings/settings_file.h"

#include <cstring>

namespace {

constexpr const char* Common = "COMMON";
constexpr const char* Total = "TOTAL";
constexpr const char* View = "VIEW";

struct KeySection {
    const char* Key;
    const char* Section;
};

constexpr KeySection SettingsKeys[] = {
    {"ROUND_MODE", Common},
    {"ROUND_TYPE", Common},
    {"DECIMAL_SEPARATORS", Total},
    {"NUMBER_SEPARATORS", Total},
    {"SPACE_IS_DECIMAL_SEPARATOR", Total},
    {"SPACE_IS_NUMBER_SEPARATOR", Total},
    {"BACKGROUND_COLOR_BLUE", View},
    {"BACKGROUND_COLOR_GREEN", View},
    {"BACKGROUND_COLOR_RED", View},
    {"DECIMAL_SEPARATOR", View},
    {"DIGIT_GROUPING", View},
    {"FONT", View},
    {"FONT_FOR_PANEL", View},
    {"HOT_KEY_AS_CLICK", View},
    {"LEADING_ZERO", View},
    {"SCALE", View},
    {"TAPE", View},
    {"THOUSAND_SEPARATOR", View},
    {"TOOL_TIPS", View},
};

bool ReadYesNo(const ProfileText& file, const char* section, const char* key, bool fallback) {
    return ParseYesNo(ProfileString(file, section, key, YesNoText(fallback)).Text(), fallback);
}

int32_t ReadInRange(const ProfileText& file, const char* section, const char* key, int32_t fallback,
                    int32_t low, int32_t high) {
    const int32_t value = ProfileInt(file, section, key, fallback);
    return (value < low || value > high) ? fallback : value;
}

// An empty value stands for the space, which the file cannot hold at the end of a line.
char ReadSeparatorChar(const ProfileText& file, const char* key, char fallback) {
    const DecString text = ProfileString(file, View, key, DecString(fallback).Text());
    const char c = text.Empty() ? ' ' : text.First();
    return IsValidSeparatorChar(c) ? c : fallback;
}

DecString ReadSeparatorSet(const ProfileText& file, const char* key, const DecString& fallback,
                           bool withSpace) {
    DecString set = ProfileString(file, Total, key, fallback.Text());
    if (!IsValidSeparatorText(set.Text())) set = fallback;
    set.RemoveChar(' ');
    if (withSpace) set.AppendChar(' ');
    return set;
}

uint32_t ReadColour(const ProfileText& file, uint32_t fallback) {
    const int32_t red = ProfileInt(file, View, "BACKGROUND_COLOR_RED", RedOf(fallback));
    const int32_t green = ProfileInt(file, View, "BACKGROUND_COLOR_GREEN", GreenOf(fallback));
    const int32_t blue = ProfileInt(file, View, "BACKGROUND_COLOR_BLUE", BlueOf(fallback));
    const auto inRange = [](int32_t v) { return v >= 0 && v <= 255; };
    if (!inRange(red) || !inRange(green) || !inRange(blue)) return fallback;
    return ColourFromRgb(red, green, blue);
}

void AppendLine(DecString& text, const char* key, const char* value) {
    text.AppendText(key);
    text.AppendText(" = ");
    text.AppendText(value);
    text.AppendCrLf();
}

void AppendLine(DecString& text, const char* key, int32_t value) {
    text.AppendText(key);
    text.AppendText(" = ");
    text.AppendInteger(value);
    text.AppendCrLf();
}

void AppendCharLine(DecString& text, const char* key, char value) {
    text.AppendText(key);
    text.AppendText(" = ");
    text.AppendChar(value);
    text.AppendCrLf();
}

DecString WithoutSpaces(DecString set) {
    set.RemoveChar(' ');
    return set;
}

bool IsBlankChar(char c) {
    return c == ' ' || c == '\t';
}

// A read removes the blanks at both ends of a value and then one pair of enclosing quotation
// marks, so a text that starts or ends with a blank (a face read from "Face ") or that is
// itself enclosed in a pair (a set such as ';' typed in the dialog) is written in one more
// pair of quotation marks.
DecString FileValue(const DecString& text) {
    const char first = text.First();
    const bool enclosed =
        text.Length() >= 2 && (first == '"' || first == '\'') && text.Last() == first;
    if (!enclosed && (text.Empty() || (!IsBlankChar(first) && !IsBlankChar(text.Last()))))
        return text;
    DecString quoted("\"");
    quoted.AppendString(text);
    quoted.AppendChar('"');
    return quoted;
}

}  // namespace

void ReadSettings(CalcSettings& settings, const ProfileText& file, const SystemLocale& locale) {
    CalcSettings defaults;
    LoadDefaultSettings(defaults, locale);

    settings.LEADING_ZERO = ReadYesNo(file, View, "LEADING_ZERO", defaults.LEADING_ZERO);
    settings.TOOL_TIPS = ReadYesNo(file, View, "TOOL_TIPS", defaults.TOOL_TIPS);
    settings.TAPE = ReadYesNo(file, View, "TAPE", defaults.TAPE);
    settings.DECIMAL_SEPARATOR =
        ReadSeparatorChar(file, "DECIMAL_SEPARATOR", defaults.DECIMAL_SEPARATOR);
    settings.THOUSAND_SEPARATOR =
        ReadSeparatorChar(file, "THOUSAND_SEPARATOR", defaults.THOUSAND_SEPARATOR);
    if (settings.DECIMAL_SEPARATOR == settings.THOUSAND_SEPARATOR) {
        settings.DECIMAL_SEPARATOR = defaults.DECIMAL_SEPARATOR;
        settings.THOUSAND_SEPARATOR = defaults.THOUSAND_SEPARATOR;
    }
    settings.DIGIT_GROUPING = static_cast<DigitGrouping>(ReadInRange(
        file, View, "DIGIT_GROUPING", static_cast<int32_t>(defaults.DIGIT_GROUPING), 0, 2));
    settings.FONT = ProfileString(file, View, "FONT", defaults.FONT.Text());
    settings.FONT_FOR_PANEL =
        ProfileString(file, View, "FONT_FOR_PANEL", defaults.FONT_FOR_PANEL.Text());
    settings.SCALE = ReadInRange(file, View, "SCALE", defaults.SCALE, 0, 3);
    settings.BACKGROUND_COLOR = ReadColour(file, defaults.BACKGROUND_COLOR);
    settings.HOT_KEY_AS_CLICK =
        ReadYesNo(file, View, "HOT_KEY_AS_CLICK", defaults.HOT_KEY_AS_CLICK);
    settings.ROUND_MODE = static_cast<RoundMode>(
        ReadInRange(file, Common, "ROUND_MODE", static_cast<int32_t>(defaults.ROUND_MODE), 0, 3));
    settings.ROUND_TYPE = static_cast<RoundType>(
        ReadInRange(file, Common, "ROUND_TYPE", static_cast<int32_t>(defaults.ROUND_TYPE), 0, 2));

    settings.SPACE_IS_DECIMAL_SEPARATOR =
        ReadYesNo(file, Total, "SPACE_IS_DECIMAL_SEPARATOR", defaults.SPACE_IS_DECIMAL_SEPARATOR);
    settings.SPACE_IS_NUMBER_SEPARATOR =
        ReadYesNo(file, Total, "SPACE_IS_NUMBER_SEPARATOR", defaults.SPACE_IS_NUMBER_SEPARATOR);
    if (settings.SPACE_IS_DECIMAL_SEPARATOR && settings.SPACE_IS_NUMBER_SEPARATOR) {
        settings.SPACE_IS_DECIMAL_SEPARATOR = false;
    }
    settings.DECIMAL_SEPARATORS =
        ReadSeparatorSet(file, "DECIMAL_SEPARATORS", defaults.DECIMAL_SEPARATORS,
                         settings.SPACE_IS_DECIMAL_SEPARATOR);
    settings.NUMBER_SEPARATORS = ReadSeparatorSet(
        file, "NUMBER_SEPARATORS", defaults.NUMBER_SEPARATORS, settings.SPACE_IS_NUMBER_SEPARATOR);
    if (settings.DECIMAL_SEPARATORS.ContainsAnyOf(settings.NUMBER_SEPARATORS.Text()) ||
        settings.NUMBER_SEPARATORS.FindChar(settings.DECIMAL_SEPARATOR) >= 0) {
        settings.DECIMAL_SEPARATORS = defaults.DECIMAL_SEPARATORS;
        settings.NUMBER_SEPARATORS = defaults.NUMBER_SEPARATORS;
    }
}

DecString WriteSettings(const CalcSettings& settings) {
    const bool spaceIsDecimal = settings.DECIMAL_SEPARATORS.FindChar(' ') >= 0;
    const bool spaceIsNumber = settings.NUMBER_SEPARATORS.FindChar(' ') >= 0;
    const uint32_t colour = settings.BACKGROUND_COLOR;

    DecString text;
    text.AppendText("[COMMON]");
    text.AppendCrLf();
    AppendLine(text, "ROUND_MODE", static_cast<int32_t>(settings.ROUND_MODE));
    AppendLine(text, "ROUND_TYPE", static_cast<int32_t>(settings.ROUND_TYPE));
    text.AppendCrLf();
    text.AppendText("[TOTAL]");
    text.AppendCrLf();
    AppendLine(text, "DECIMAL_SEPARATORS",
               FileValue(WithoutSpaces(settings.DECIMAL_SEPARATORS)).Text());
    AppendLine(text, "NUMBER_SEPARATORS",
               FileValue(WithoutSpaces(settings.NUMBER_SEPARATORS)).Text());
    AppendLine(text, "SPACE_IS_DECIMAL_SEPARATOR", YesNoText(spaceIsDecimal));
    AppendLine(text, "SPACE_IS_NUMBER_SEPARATOR", YesNoText(spaceIsNumber));
    text.AppendCrLf();
    text.AppendText("[VIEW]");
    text.AppendCrLf();
    AppendLine(text, "BACKGROUND_COLOR_BLUE", BlueOf(colour));
    AppendLine(text, "BACKGROUND_COLOR_GREEN", GreenOf(colour));
    AppendLine(text, "BACKGROUND_COLOR_RED", RedOf(colour));
    AppendCharLine(text, "DECIMAL_SEPARATOR", settings.DECIMAL_SEPARATOR);
    AppendLine(text, "DIGIT_GROUPING", static_cast<int32_t>(settings.DIGIT_GROUPING));
    AppendLine(text, "FONT", FileValue(settings.FONT).Text());
    AppendLine(text, "FONT_FOR_PANEL", FileValue(settings.FONT_FOR_PANEL).Text());
    AppendLine(text, "HOT_KEY_AS_CLICK", YesNoText(settings.HOT_KEY_AS_CLICK));
    AppendLine(text, "LEADING_ZERO", YesNoText(settings.LEADING_ZERO));
    AppendLine(text, "SCALE", settings.SCALE);
    AppendLine(text, "TAPE", YesNoText(settings.TAPE));
    AppendCharLine(text, "THOUSAND_SEPARATOR", settings.THOUSAND_SEPARATOR);
    AppendLine(text, "TOOL_TIPS", YesNoText(settings.TOOL_TIPS));
    return text;
}

const char* SectionOfSettingsKey(const char* key) {
    for (const KeySection& entry : SettingsKeys) {
        if (std::strcmp(entry.Key, key) == 0) return entry.Section;
    }
    return nullptr;
}
