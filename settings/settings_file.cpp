#include "settings/settings_file.h"

#include <cstring>
#include <vector>

#include "settings/setting_keys.h"

namespace {

// The key's value in the file; the default's text when the key is missing, and for a number
// also when its value is empty.
DecString ValueInFile(const ProfileText& file, const SettingKey& key, const DecString& fallback) {
    const DecString value = ProfileString(file, key.Section, key.Name, fallback.Text());
    if (key.Type == SettingType::Integer && value.Empty()) return fallback;
    return value;
}

// Every key of the table; a refused value takes its field back from the defaults once all
// are read, so that one refused part of the colour gives the whole default colour.
void ReadEveryKey(CalcSettings& settings, const ProfileText& file, const CalcSettings& defaults) {
    std::vector<const SettingKey*> refused;
    for (const SettingKey& key : SettingKeys()) {
        const DecString value = ValueInFile(file, key, SettingText(key, defaults));
        if (!TakeSettingText(key, settings, value)) refused.push_back(&key);
    }
    for (const SettingKey* key : refused) key->Field.Restore(settings, defaults);
}

// Half a window place is no place.
void KeepWindowPlaceWhole(CalcSettings& settings) {
    if (settings.WINDOW_X != UnsavedPlace && settings.WINDOW_Y != UnsavedPlace) return;
    settings.WINDOW_X = UnsavedPlace;
    settings.WINDOW_Y = UnsavedPlace;
}

void KeepViewSeparatorsApart(CalcSettings& settings, const CalcSettings& defaults) {
    if (settings.DECIMAL_SEPARATOR != settings.THOUSAND_SEPARATOR) return;
    settings.DECIMAL_SEPARATOR = defaults.DECIMAL_SEPARATOR;
    settings.THOUSAND_SEPARATOR = defaults.THOUSAND_SEPARATOR;
}

// The file holds the Total sets without spaces; the two SPACE_IS_... flags say which set
// takes the space, the number separators when both do.
void CarryTheSpace(CalcSettings& settings) {
    if (settings.SPACE_IS_DECIMAL_SEPARATOR && settings.SPACE_IS_NUMBER_SEPARATOR) {
        settings.SPACE_IS_DECIMAL_SEPARATOR = false;
    }
    if (settings.SPACE_IS_DECIMAL_SEPARATOR) settings.DECIMAL_SEPARATORS.AppendChar(' ');
    if (settings.SPACE_IS_NUMBER_SEPARATOR) settings.NUMBER_SEPARATORS.AppendChar(' ');
}

void KeepTotalSetsApart(CalcSettings& settings, const CalcSettings& defaults) {
    if (settings.DECIMAL_SEPARATORS.ContainsAnyOf(settings.NUMBER_SEPARATORS.Text()) ||
        settings.NUMBER_SEPARATORS.FindChar(settings.DECIMAL_SEPARATOR) >= 0) {
        settings.DECIMAL_SEPARATORS = defaults.DECIMAL_SEPARATORS;
        settings.NUMBER_SEPARATORS = defaults.NUMBER_SEPARATORS;
    }
}

// A read removes the blanks at both ends of a value and then one pair of enclosing quotation
// marks, so a text that starts or ends with a blank (a face read from "Face ") or that is
// itself enclosed in a pair (a set such as ';' typed in the dialog) is written in one more
// pair of quotation marks.
DecString FileValue(const DecString& text) {
    const char first = text.First();
    const bool enclosed =
        text.Length() >= 2 && (first == '"' || first == '\'') && text.Last() == first;
    if (!enclosed && (text.Empty() || (!IsProfileBlank(first) && !IsProfileBlank(text.Last()))))
        return text;
    DecString quoted("\"");
    quoted.AppendString(text);
    quoted.AppendChar('"');
    return quoted;
}

// A text is written so that a read gives it back; a number, a flag or a separator as it is
// (a space separator ends its line).
DecString LineValue(const SettingKey& key, const CalcSettings& settings) {
    const DecString value = SettingText(key, settings);
    const bool text = key.Type == SettingType::Text || key.Type == SettingType::SeparatorSet;
    return text ? FileValue(value) : value;
}

void AppendHeader(DecString& text, const char* section) {
    text.AppendChar('[');
    text.AppendText(section);
    text.AppendChar(']');
    text.AppendCrLf();
}

void AppendLine(DecString& text, const char* key, const DecString& value) {
    text.AppendText(key);
    text.AppendText(" = ");
    text.AppendString(value);
    text.AppendCrLf();
}

}  // namespace

void ReadSettings(CalcSettings& settings, const ProfileText& file, const SystemLocale& locale) {
    CalcSettings defaults;
    LoadDefaultSettings(defaults, locale);
    ReadEveryKey(settings, file, defaults);
    KeepViewSeparatorsApart(settings, defaults);
    CarryTheSpace(settings);
    KeepTotalSetsApart(settings, defaults);
    KeepWindowPlaceWhole(settings);
}

DecString WriteSettings(const CalcSettings& settings) {
    CalcSettings written = settings;
    written.SPACE_IS_DECIMAL_SEPARATOR = settings.DECIMAL_SEPARATORS.FindChar(' ') >= 0;
    written.SPACE_IS_NUMBER_SEPARATOR = settings.NUMBER_SEPARATORS.FindChar(' ') >= 0;
    DecString text;
    const char* section = nullptr;
    for (const SettingKey& key : SettingKeys()) {
        if (section == nullptr || std::strcmp(section, key.Section) != 0) {
            if (section != nullptr) text.AppendCrLf();
            section = key.Section;
            AppendHeader(text, section);
        }
        AppendLine(text, key.Name, LineValue(key, written));
    }
    return text;
}
