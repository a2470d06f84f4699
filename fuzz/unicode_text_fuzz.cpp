// The mapping of Unicode clipboard text over arbitrary UTF-16 and UTF-8: one byte per
// character, each as CodePageChar maps it, and never a byte longer than the text it came from.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "total/code_page_text.h"

namespace {

[[noreturn]] void Fail(const char* fault) {
    std::fprintf(stderr, "%s\n", fault);
    std::abort();
}

bool IsSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDFFF;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::u16string units(size / 2, u'\0');
    for (size_t i = 0; i < units.size(); ++i) {
        units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
    }
    const std::string mapped = MapUtf16ToCodePage(units);
    size_t at = 0;
    for (size_t i = 0; i < units.size(); ++i, ++at) {
        if (at >= mapped.size()) Fail("UTF-16: a character lost");
        const bool pair = units[i] >= 0xD800 && units[i] <= 0xDBFF && i + 1 < units.size() &&
                          units[i + 1] >= 0xDC00 && units[i + 1] <= 0xDFFF;
        const char expected = IsSurrogate(units[i]) ? CodePageChar(0xD800) : CodePageChar(units[i]);
        if (mapped[at] != expected) Fail("UTF-16: a character mapped otherwise than alone");
        if (pair) ++i;
    }
    if (at != mapped.size()) Fail("UTF-16: a character too many");

    std::string utf8(reinterpret_cast<const char*>(data), size);
    MapUtf8ToCodePageInPlace(utf8);
    if (utf8.size() > size) Fail("UTF-8: the text grew");
    bool ascii = true;
    for (size_t i = 0; i < size; ++i) ascii = ascii && data[i] < 0x80;
    if (ascii && utf8 != std::string(reinterpret_cast<const char*>(data), size)) {
        Fail("UTF-8: ASCII text changed");
    }
    return 0;
}
