// The settings reader over arbitrary file text: the record keeps every rule of the settings
// model, and writing it out and reading that back gives the same record.
#include <cstdio>
#include <cstdlib>

#include "fuzz_settings.h"
#include "settings/calc_settings.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"

namespace {

void Fail(const char* fault) {
    std::fprintf(stderr, "%s\n", fault);
    std::abort();
}

bool InRange(int32_t value, int32_t low, int32_t high) {
    return value >= low && value <= high;
}

// A Total set holds no digit or '-', no zero byte, and a space only as its last character.
// (A space in at most one of the two sets follows from their having no character in common.)
bool IsReadSet(const DecString& set) {
    if (!IsValidSeparatorText(set.Text()) || MeasureText(set.Text()) != set.Length()) return false;
    const int32_t space = set.FindChar(' ');
    return space < 0 || space == set.Length() - 1;
}

void CheckRecord(const CalcSettings& s) {
    if (!InRange(s.SCALE, 0, 3)) Fail("SCALE out of range");
    if (!InRange(static_cast<int32_t>(s.DIGIT_GROUPING), 0, 2)) Fail("DIGIT_GROUPING out of range");
    if (!InRange(static_cast<int32_t>(s.ROUND_MODE), 0, 3)) Fail("ROUND_MODE out of range");
    if (!InRange(static_cast<int32_t>(s.ROUND_TYPE), 0, 2)) Fail("ROUND_TYPE out of range");
    if (s.BACKGROUND_COLOR > 0xFFFFFF) Fail("colour beyond 24 bits");
    if (!IsValidSeparatorChar(s.DECIMAL_SEPARATOR)) Fail("invalid DECIMAL_SEPARATOR");
    if (!IsValidSeparatorChar(s.THOUSAND_SEPARATOR)) Fail("invalid THOUSAND_SEPARATOR");
    if (s.DECIMAL_SEPARATOR == s.THOUSAND_SEPARATOR) Fail("equal view separators");
    if (s.FONT.Length() > MaxProfileValueLength) Fail("FONT longer than a read returns");
    if (s.FONT_FOR_PANEL.Length() > MaxProfileValueLength) Fail("FONT_FOR_PANEL too long");
    if (!IsReadSet(s.DECIMAL_SEPARATORS)) Fail("invalid DECIMAL_SEPARATORS");
    if (!IsReadSet(s.NUMBER_SEPARATORS)) Fail("invalid NUMBER_SEPARATORS");
    if (s.SPACE_IS_DECIMAL_SEPARATOR && s.SPACE_IS_NUMBER_SEPARATOR) Fail("space in both roles");
    if (s.DECIMAL_SEPARATORS.ContainsAnyOf(s.NUMBER_SEPARATORS.Text()))
        Fail("shared Total separator");
    if (s.NUMBER_SEPARATORS.FindChar(s.DECIMAL_SEPARATOR) >= 0) {
        Fail("DECIMAL_SEPARATOR among NUMBER_SEPARATORS");
    }
    const bool placeSaved = s.WINDOW_X != UnsavedPlace;
    if (placeSaved != (s.WINDOW_Y != UnsavedPlace)) Fail("half a window place");
    if (placeSaved && !(InRange(s.WINDOW_X, LowestPlace, HighestPlace) &&
                        InRange(s.WINDOW_Y, LowestPlace, HighestPlace))) {
        Fail("window place out of range");
    }
}

// The two SPACE_IS_... flags only carry the space through the file; once it is read the
// strings alone say where the space is, so the flags take no part in the comparison.
bool SameRecord(const CalcSettings& a, const CalcSettings& b) {
    return a.SCALE == b.SCALE && a.DECIMAL_SEPARATOR == b.DECIMAL_SEPARATOR &&
           a.THOUSAND_SEPARATOR == b.THOUSAND_SEPARATOR && a.FONT == b.FONT &&
           a.FONT_FOR_PANEL == b.FONT_FOR_PANEL && a.LEADING_ZERO == b.LEADING_ZERO &&
           a.DIGIT_GROUPING == b.DIGIT_GROUPING && a.BACKGROUND_COLOR == b.BACKGROUND_COLOR &&
           a.HOT_KEY_AS_CLICK == b.HOT_KEY_AS_CLICK && a.ROUND_MODE == b.ROUND_MODE &&
           a.ROUND_TYPE == b.ROUND_TYPE && a.TOOL_TIPS == b.TOOL_TIPS &&
           a.NUMBER_SEPARATORS == b.NUMBER_SEPARATORS &&
           a.DECIMAL_SEPARATORS == b.DECIMAL_SEPARATORS && a.ALWAYS_ON_TOP == b.ALWAYS_ON_TOP &&
           a.ADD_MODE == b.ADD_MODE && a.WINDOW_X == b.WINDOW_X && a.WINDOW_Y == b.WINDOW_Y;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const int32_t count = static_cast<int32_t>(size);
    CalcSettings first;
    ReadSettings(first, ParseProfileText(reinterpret_cast<const char*>(data), count), FuzzLocale());
    CheckRecord(first);

    const DecString written = WriteSettings(first);
    CalcSettings second;
    ReadSettings(second, ParseProfileText(written.Text(), written.Length()), FuzzLocale());
    if (!SameRecord(first, second)) Fail("the written file reads back differently");
    return 0;
}
