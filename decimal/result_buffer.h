// ResultBuffer: the 512-byte work buffer in which every operation assembles its result as
// reversed text (least significant digit first, separator in place, '-' last).
//
// This is where the length bound of a result lives: a result text holds at most
// MaxTextLength characters. The operations do not check their operands' lengths; instead
// every write into the buffer is checked here, and a write that does not fit marks the
// buffer overflowed. FormatResult gives "ERROR" for an overflowed buffer, since a result
// that cannot be held is also too long to show.
#pragma once

#include <cstdint>

#include "decimal/dec_string.h"

class ResultBuffer {
   public:
    static constexpr int32_t Size = 512;
    static constexpr int32_t MaxTextLength = Size - 1;  // the last byte stays zero

    ResultBuffer() { Clear(); }

    // All 512 bytes zero again, and no overflow.
    void Clear();
    void Append(char c);
    void AppendText(const DecString& text);
    // Clear, then append the text.
    void Assign(const DecString& text);
    void MarkOverflowed() { overflowed_ = true; }

    int32_t Length() const { return length_; }
    bool Overflowed() const { return overflowed_; }
    DecString Text() const;

   private:
    char bytes_[Size];
    int32_t length_;
    bool overflowed_;
};
