#include "controls/hot_keys.h"

unsigned char NormaliseHotKeyChar(const CalcSettings& settings, unsigned char c) {
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + ('a' - 'A'));
    if (settings.DecimalKeyChars.FindChar(static_cast<char>(c)) >= 0) {
        c = static_cast<unsigned char>(settings.DECIMAL_SEPARATOR);
    }
    return c;
}

namespace {

// The key's symbol as people type it, for keys whose hot key is a letter or Enter.
int32_t SymbolButton(unsigned char c) {
    if (c == '=') return EqualsRow;
    if (c == '%') return PercentRow;
    return -1;
}

}  // namespace

int32_t HotKeyButton(const ControlTable& table, const CalcSettings& settings, unsigned char c) {
    const char key = static_cast<char>(NormaliseHotKeyChar(settings, c));
    for (int32_t row = 0; row < ControlCount; ++row) {
        const ControlRecord& record = table[row];
        if (record.Style == ControlStyle::Button && record.Shown && !record.HotKey.Empty() &&
            record.HotKey.First() == key) {
            return row;
        }
    }
    return SymbolButton(c);
}
