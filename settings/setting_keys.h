// Every key of the settings file in one table, in the order the file lists them: section,
// name, how its value is read and written, default, range and the field of CalcSettings it
// fills. A new setting is a field in CalcSettings and one row in the table.
#pragma once

#include <cstdint>
#include <span>

#include "decimal/dec_string.h"
#include "settings/calc_settings.h"

enum class SettingType {
    YesNo,         // exactly "YES" or "NO"
    Integer,       // a decimal integer from Low to High; an empty value is a missing one
    Separator,     // one character, no digit nor '-'; an empty value is the space
    Text,          // any text, taken as read
    SeparatorSet,  // characters, no digit nor '-'; its space is carried by another key
    Place,         // a screen coordinate from Low to High; empty for a place never saved
    Choice,        // one of the names of Choices, kept as its index
};

// How the table reaches a field: as a number (flags, integers, enumerations, a part of the
// colour) or as a text (characters, strings), and the whole member it lies in, which a
// refused value takes back from the defaults.
struct SettingField {
    int32_t (*Number)(const CalcSettings&) = nullptr;
    void (*SetNumber)(CalcSettings&, int32_t) = nullptr;
    DecString (*Text)(const CalcSettings&) = nullptr;
    void (*SetText)(CalcSettings&, const DecString&) = nullptr;
    void (*Restore)(CalcSettings&, const CalcSettings& defaults) = nullptr;
};

struct SettingKey {
    const char* Section;
    const char* Name;
    SettingType Type;
    const char* Default;  // the value as a read returns it; null: the user's system gives it
    SettingField Field;
    int32_t Low = 0, High = 0;             // Integer and Place only
    const char* const* Choices = nullptr;  // Choice only: High + 1 names
};

std::span<const SettingKey> SettingKeys();

// The key of that exact name, or null.
const SettingKey* FindSettingKey(const char* name);

// The key's value in `settings` as a read of its line returns it.
DecString SettingText(const SettingKey& key, const CalcSettings& settings);

// Sets the key's field from the text of its line; false, with the field untouched, when the
// text is refused (out of range, no valid separator, neither "YES" nor "NO").
bool TakeSettingText(const SettingKey& key, CalcSettings& settings, const DecString& text);
