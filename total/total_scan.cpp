#include "total/total_scan.h"

#include "platform/platform.h"

TotalReading MakeTotalReading(const CalcSettings& settings) {
    TotalReading reading;
    const auto add = [&reading](char c, uint8_t role) {
        reading.Roles[static_cast<unsigned char>(c)] |= role;
    };
    for (char c = '0'; c <= '9'; ++c) add(c, NumberChar);
    add('-', NumberChar);
    add(settings.DECIMAL_SEPARATOR, DecimalSeparator);
    for (int32_t i = 0; i < settings.DECIMAL_SEPARATORS.Length(); ++i) {
        add(settings.DECIMAL_SEPARATORS.At(i), DecimalSeparator);
    }
    for (const char c : {'\n', '\r', '\t'}) add(c, NumberEnd);
    for (int32_t i = 0; i < settings.NUMBER_SEPARATORS.Length(); ++i) {
        add(settings.NUMBER_SEPARATORS.At(i), NumberEnd);
    }
    reading.Roles[static_cast<unsigned char>(UnmappedChar)] = Skipped;
    for (char c = '0'; c <= '9'; ++c) {
        reading.PlainDigits = reading.PlainDigits && RoleOf(reading, c) == NumberChar;
    }
    reading.Cells = MakeCellRules(settings);
    reading.Cells.Class[static_cast<unsigned char>(UnmappedChar)] = 0;
    reading.Separator = settings.DECIMAL_SEPARATOR;
    reading.WholeCells = settings.WHOLE_CELLS;
    return reading;
}
