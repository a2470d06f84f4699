#include "settings/setting_keys.h"

#include <cstring>
#include <iterator>
#include <string_view>
#include <type_traits>
#include <utility>

#include "settings/profile_text.h"
#include "settings/tax_rate.h"

namespace {

// The field that `Member` is: strings and characters are reached as texts, flags, integers
// and enumerations as numbers.
template <auto Member>
constexpr SettingField FieldOf() {
    using Value = std::remove_cvref_t<decltype(std::declval<CalcSettings&>().*Member)>;
    SettingField field;
    field.Restore = [](CalcSettings& s, const CalcSettings& d) { s.*Member = d.*Member; };
    if constexpr (std::is_same_v<Value, DecString>) {
        field.Text = [](const CalcSettings& s) { return s.*Member; };
        field.SetText = [](CalcSettings& s, const DecString& text) { s.*Member = text; };
    } else if constexpr (std::is_same_v<Value, char>) {
        field.Text = [](const CalcSettings& s) { return DecString(s.*Member); };
        field.SetText = [](CalcSettings& s, const DecString& text) { s.*Member = text.First(); };
    } else {
        field.Number = [](const CalcSettings& s) { return static_cast<int32_t>(s.*Member); };
        field.SetNumber = [](CalcSettings& s, int32_t n) { s.*Member = static_cast<Value>(n); };
    }
    return field;
}

template <auto Member>
constexpr SettingField Field = FieldOf<Member>();

// One 8-bit part of the background colour; a refused part takes back the whole colour.
template <int32_t Shift>
constexpr SettingField ColourPart = {
    [](const CalcSettings& s) { return static_cast<int32_t>(s.BACKGROUND_COLOR >> Shift & 0xFF); },
    [](CalcSettings& s, int32_t n) {
        const uint32_t otherParts = s.BACKGROUND_COLOR & ~(0xFFu << Shift);
        s.BACKGROUND_COLOR = otherParts | static_cast<uint32_t>(n) << Shift;
    },
    nullptr,
    nullptr,
    [](CalcSettings& s, const CalcSettings& d) { s.BACKGROUND_COLOR = d.BACKGROUND_COLOR; },
};

constexpr const char* Common = "COMMON";
constexpr const char* Total = "TOTAL";
constexpr const char* View = "VIEW";
constexpr const char* FromSystem = nullptr;
using enum SettingType;
using S = CalcSettings;

constexpr const char* ThemeWords[] = {"SYSTEM", "LIGHT", "DARK"};
constexpr int32_t WidestTape = 4000;
constexpr const char* CreditDebitNames[] = {"NO", "DR_NEGATIVE", "CR_NEGATIVE"};

// In the order of the file. ROUND_MODE 3 is floating, ROUND_TYPE 1 Mathematical; the
// separators, the grouping and the colour default to the user's locale and window colour.
constexpr SettingKey Keys[] = {
    {Common, "ADD_MODE", YesNo, "NO", Field<&S::ADD_MODE>},
    {Common, "ROUND_MODE", Integer, "3", Field<&S::ROUND_MODE>, 0, 3},
    {Common, "ROUND_TYPE", Integer, "1", Field<&S::ROUND_TYPE>, 0, 2},
    {Common, "TAX_RATE", Percentage, "0", Field<&S::TAX_RATE>},
    {Total, "CREDIT_DEBIT", Choice, "NO", Field<&S::CREDIT_DEBIT>, 0, 2, CreditDebitNames},
    {Total, "DECIMAL_SEPARATORS", SeparatorSet, "", Field<&S::DECIMAL_SEPARATORS>},
    {Total, "NUMBER_SEPARATORS", SeparatorSet, "", Field<&S::NUMBER_SEPARATORS>},
    {Total, "SPACE_IS_DECIMAL_SEPARATOR", YesNo, "NO", Field<&S::SPACE_IS_DECIMAL_SEPARATOR>},
    {Total, "SPACE_IS_NUMBER_SEPARATOR", YesNo, "NO", Field<&S::SPACE_IS_NUMBER_SEPARATOR>},
    {Total, "WHOLE_CELLS", YesNo, "NO", Field<&S::WHOLE_CELLS>},
    {View, "ALWAYS_ON_TOP", YesNo, "NO", Field<&S::ALWAYS_ON_TOP>},
    {View, "BACKGROUND_COLOR_BLUE", Integer, FromSystem, ColourPart<16>, 0, 255},
    {View, "BACKGROUND_COLOR_GREEN", Integer, FromSystem, ColourPart<8>, 0, 255},
    {View, "BACKGROUND_COLOR_RED", Integer, FromSystem, ColourPart<0>, 0, 255},
    {View, "BUSINESS_KEYS", YesNo, "NO", Field<&S::BUSINESS_KEYS>},
    {View, "DECIMAL_SEPARATOR", Separator, FromSystem, Field<&S::DECIMAL_SEPARATOR>},
    {View, "DIGIT_GROUPING", Integer, FromSystem, Field<&S::DIGIT_GROUPING>, 0, 2},
    {View, "FONT", Text, DefaultFontFace, Field<&S::FONT>},
    {View, "FONT_FOR_PANEL", Text, DefaultFontFace, Field<&S::FONT_FOR_PANEL>},
    {View, "HOT_KEY_AS_CLICK", YesNo, "YES", Field<&S::HOT_KEY_AS_CLICK>},
    {View, "LANGUAGE", Text, "AUTO", Field<&S::LANGUAGE>},
    {View, "LEADING_ZERO", YesNo, "YES", Field<&S::LEADING_ZERO>},
    {View, "SCALE", Integer, "1", Field<&S::SCALE>, 0, 3},
    {View, "TAPE", YesNo, "NO", Field<&S::TAPE>},
    {View, "TAPE_FILE", Text, "", Field<&S::TAPE_FILE>},
    {View, "TAPE_RECENT", Text, "", Field<&S::TAPE_RECENT>},
    {View, "TAPE_WIDTH", Integer, "0", Field<&S::TAPE_WIDTH>, NarrowTape, WidestTape},
    {View, "THEME", Choice, "SYSTEM", Field<&S::THEME>, 0, 2, ThemeWords},
    {View, "THOUSAND_SEPARATOR", Separator, FromSystem, Field<&S::THOUSAND_SEPARATOR>},
    {View, "TOOL_TIPS", YesNo, "YES", Field<&S::TOOL_TIPS>},
    {View, "WINDOW_X", Place, "", Field<&S::WINDOW_X>, LowestPlace, HighestPlace},
    {View, "WINDOW_Y", Place, "", Field<&S::WINDOW_Y>, LowestPlace, HighestPlace},
};

constexpr bool IsNumberType(SettingType type) {
    return type == YesNo || type == Integer || type == Place || type == Choice;
}

// Numbers go through a number field and texts through a text field, and the rows of one
// section stand together, as the file writes them.
constexpr bool RowsAreWellFormed() {
    for (const SettingKey& key : Keys) {
        const bool numberField = key.Field.Number != nullptr && key.Field.SetNumber != nullptr;
        const bool textField = key.Field.Text != nullptr && key.Field.SetText != nullptr;
        if (IsNumberType(key.Type) ? !numberField : !textField) return false;
        if (key.Field.Restore == nullptr) return false;
        if ((key.Type == Choice) != (key.Words != nullptr)) return false;
    }
    for (size_t i = 1; i < std::size(Keys); ++i) {
        for (size_t j = 0; j + 1 < i; ++j) {
            const std::string_view section = Keys[i].Section;
            if (section == Keys[j].Section && section != Keys[i - 1].Section) return false;
        }
    }
    return true;
}
static_assert(RowsAreWellFormed());

}  // namespace

std::span<const SettingKey> SettingKeys() {
    return Keys;
}

const SettingKey* FindSettingKey(const char* name) {
    for (const SettingKey& key : Keys) {
        if (std::strcmp(key.Name, name) == 0) return &key;
    }
    return nullptr;
}

DecString SettingText(const SettingKey& key, const CalcSettings& settings) {
    DecString text;
    switch (key.Type) {
        case YesNo:
            text = YesNoText(key.Field.Number(settings) != 0);
            break;
        case Integer:
            text.AppendInteger(key.Field.Number(settings));
            break;
        case Place:
            if (key.Field.Number(settings) != UnsavedPlace)
                text.AppendInteger(key.Field.Number(settings));
            break;
        case Choice:
            text = key.Words[key.Field.Number(settings)];
            break;
        case Separator:
        case Text:
        case Percentage:
            text = key.Field.Text(settings);
            break;
        case SeparatorSet:
            text = key.Field.Text(settings);
            text.RemoveChar(' ');
            break;
    }
    return text;
}

bool TakeSettingText(const SettingKey& key, CalcSettings& settings, const DecString& text) {
    switch (key.Type) {
        case YesNo:
            if (text != "YES" && text != "NO") return false;
            key.Field.SetNumber(settings, text == "YES");
            return true;
        case Integer: {
            if (text.Empty()) return false;
            const int32_t value = LeadingInteger(text);
            if (value < key.Low || value > key.High) return false;
            key.Field.SetNumber(settings, value);
            return true;
        }
        case Place: {
            const int32_t value = text.Empty() ? UnsavedPlace : LeadingInteger(text);
            if (value != UnsavedPlace && (value < key.Low || value > key.High)) return false;
            key.Field.SetNumber(settings, value);
            return true;
        }
        case Separator: {
            const char c = text.Empty() ? ' ' : text.First();
            if (!IsValidSeparatorChar(c)) return false;
            key.Field.SetText(settings, DecString(c));
            return true;
        }
        case Choice:
            for (int32_t word = key.Low; word <= key.High; ++word) {
                if (text != key.Words[word]) continue;
                key.Field.SetNumber(settings, word);
                return true;
            }
            return false;
        case Text:
            key.Field.SetText(settings, text);
            return true;
        case Percentage: {
            DecString rate;
            if (!ReadTaxRate(text.Text(), '.', rate)) return false;
            key.Field.SetText(settings, rate);
            return true;
        }
        case SeparatorSet: {
            // The Total has always skipped UnmappedChar, so a set that names it reads as the
            // set without it and sums as before.
            DecString set = text;
            set.RemoveChar(UnmappedChar);
            if (!IsValidSeparatorText(set.Text())) return false;
            set.RemoveChar(' ');
            key.Field.SetText(settings, set);
            return true;
        }
    }
    return false;
}
