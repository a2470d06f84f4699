#include "controls/hot_keys.h"

unsigned char NormaliseHotKeyChar(const CalcSettings& settings, unsigned char c) {
    if (c >= 'A' && c <= 'Z') c = static_cast<unsigned char>(c + ('a' - 'A'));
    if (settings.DecimalKeyChars.FindChar(static_cast<char>(c)) >= 0) {
        c = static_cast<unsigned char>(settings.DECIMAL_SEPARATOR);
    }
    return c;
}

int32_t HotKeyButton(const ControlTable& table, const CalcSettings& settings, unsigned char c) {
    const char key = static_cast<char>(NormaliseHotKeyChar(settings, c));
    for (int32_t row = 0; row < ControlCount; ++row) {
        const ControlRecord& record = table[row];
        if (record.Style == ControlStyle::Button && record.Shown && !record.HotKey.Empty() &&
            record.HotKey.First() == key) {
            return row;
        }
    }
    return -1;
}
