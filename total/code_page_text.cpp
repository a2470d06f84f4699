#include "total/code_page_text.h"

#include "platform/platform.h"

namespace {

// Code page 1252 bytes 0x80 to 0x9F and the characters they hold (0 where a byte holds none).
constexpr char16_t Upper1252[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

// The characters that read as plain ones, whatever the code page could otherwise hold.
char PlainForm(char32_t c) {
    if (c == 0x00A0 || c == 0x2007 || c == 0x202F || (c >= 0x2000 && c <= 0x200A)) return ' ';
    if (c == 0x2212 || c == 0x2012 || c == 0x2013) return '-';
    if (c == 0x2019 || c == 0x02BC) return '\'';
    if (c == 0x0141 || c == 0x0142) return c == 0x0141 ? 'L' : 'l';
    if (c >= 0xFF10 && c <= 0xFF19) return static_cast<char>('0' + (c - 0xFF10));
    if (c >= 0x0660 && c <= 0x0669) return static_cast<char>('0' + (c - 0x0660));
    if (c >= 0x06F0 && c <= 0x06F9) return static_cast<char>('0' + (c - 0x06F0));
    return '\0';
}

}  // namespace

char CodePageChar(char32_t c) {
    if (c < 0x80) return static_cast<char>(c);
    const char plain = PlainForm(c);
    if (plain != '\0') return plain;
    if (c >= 0xA0 && c <= 0xFF) return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (Upper1252[i] != 0 && Upper1252[i] == c) return static_cast<char>(0x80 + i);
    }
    if (c >= 0x20A0 && c <= 0x20CF) return OtherCurrencySign;  // the Currency Symbols block
    return UnmappedChar;
}

std::string MapUtf16ToCodePage(std::u16string_view text) {
    std::string mapped;
    mapped.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        const bool high = unit >= 0xD800 && unit <= 0xDBFF;
        const bool pairs =
            high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (pairs) ++i;  // every character beyond the first plane is unmapped
        const bool surrogate = unit >= 0xD800 && unit <= 0xDFFF;
        mapped.push_back(surrogate ? UnmappedChar : CodePageChar(unit));
    }
    return mapped;
}

size_t MapUtf8ToCodePageInPlace(char* text, size_t size) {
    size_t out = 0;
    size_t i = 0;
    const auto byteAt = [text](size_t at) { return static_cast<unsigned char>(text[at]); };
    while (i < size) {
        const unsigned char lead = byteAt(i);
        int32_t extra = lead < 0x80                    ? 0
                        : lead >= 0xF0 && lead <= 0xF4 ? 3
                        : lead >= 0xE0                 ? 2
                        : lead >= 0xC2 && lead < 0xE0  ? 1
                                                       : -1;
        char32_t c = extra == 0   ? lead
                     : extra == 1 ? lead & 0x1F
                     : extra == 2 ? lead & 0x0F
                                  : lead & 0x07;
        for (int32_t k = 1; k <= extra; ++k) {
            if (i + k >= size || (byteAt(i + k) & 0xC0) != 0x80) {
                extra = -1;
                break;
            }
            c = c << 6 | (byteAt(i + k) & 0x3F);
        }
        // Over-long forms, surrogates and values past U+10FFFF are broken sequences too.
        const char32_t least[] = {0, 0x80, 0x800, 0x10000};
        if (extra > 0 && (c < least[extra] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)) {
            extra = -1;
        }
        text[out++] = extra < 0 ? UnmappedChar : CodePageChar(c);
        i += extra < 0 ? 1 : static_cast<size_t>(extra) + 1;
    }
    return out;
}

void MapUtf8ToCodePageInPlace(std::string& text) {
    text.resize(MapUtf8ToCodePageInPlace(text.data(), text.size()));
}
