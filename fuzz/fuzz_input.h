// Reading a fuzzer's bytes as choices: each call takes the next byte, or a fixed value once
// the input is used up, so every input, however short, is a complete case.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

struct FuzzInput {
    const uint8_t* Data;
    size_t Size;
    size_t Used = 0;

    uint8_t Next() { return Used < Size ? Data[Used++] : 0; }
    int32_t Below(int32_t n) { return Next() % n; }
    bool Flag() { return (Next() & 1) != 0; }
    std::string_view Rest() const {
        return {reinterpret_cast<const char*>(Data + Used), Size - Used};
    }
};
