// One number as the Total reads it out of a text: its characters and where it stood.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "decimal/dec_string.h"

// Longest number the Total adds, counting the "0" it puts in front. Two such numbers, one all
// integer digits and one all fraction digits, still sum to fewer than the 511 characters an
// addition's result may hold.
inline constexpr int32_t MaxTotalNumberLength = 250;

// The characters of the number being read, in a fixed buffer: a run of a megabyte of digits
// is only counted, never copied, once it is longer than any number the Total can add.
struct NumberRun {
    std::array<char, MaxTotalNumberLength> Chars;
    int32_t Length = 0;
    int32_t Separators = 0;
    // The number's place in the text: [Start, End).
    size_t Start = 0;
    size_t End = 0;
    // The digits read as one integer while they fit (Significant <= 18), and how many of them
    // came after a separator: what the Total's quickest road needs, counted as they pass.
    uint64_t Units = 0;
    int32_t Significant = 0;
    int32_t FractionDigits = 0;

    // Past the bound the run only stays too long, however long it gets.
    void Append(char c) {
        if (Length < MaxTotalNumberLength) Chars[Length++] = c;
    }
    void AppendDigit(char c) {
        Append(c);
        Units = Units * 10 + static_cast<uint64_t>(c - '0');
        Significant += Units != 0;
        FractionDigits += Separators > 0;
    }
    void Clear() {
        Length = 0;
        Separators = 0;
        Units = 0;
        Significant = 0;
        FractionDigits = 0;
    }
    bool TooLong() const { return Length >= MaxTotalNumberLength; }  // "0" comes in front

    // The run as number text, with a "0" before its digits so that ",5" reads as "0,5".
    DecString NumberText() const {
        DecString text;
        const bool negative = Chars[0] == '-';
        if (negative) text.AppendChar('-');
        text.AppendChar('0');
        text.AppendBytes(Chars.data() + (negative ? 1 : 0), Length - (negative ? 1 : 0));
        return text;
    }
};
