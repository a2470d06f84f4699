#include "language/words.h"

#include <algorithm>
#include <cstring>

#include "language/language_table.h"

namespace {

int32_t Chosen = 0;

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameTag(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string LowerTag(std::string_view tag) {
    std::string lower(tag);
    for (char& c : lower) c = c == '_' ? '-' : Lower(c);
    return lower;
}

std::string_view PrimaryOf(std::string_view tag) {
    return tag.substr(0, tag.find('-'));
}

// Chinese in traditional script ("zh-TW", "zh-Hant-HK") is not read as simplified.
bool IsTraditionalChinese(const std::string& lower) {
    for (const char* part : {"-hant", "-tw", "-hk", "-mo"}) {
        if (lower.find(part) != std::string::npos) return true;
    }
    return false;
}

const char* MatchOne(const std::string& lower) {
    for (const LanguageInfo& language : Languages()) {
        if (SameTag(language.Tag, lower)) return language.Tag;
    }
    if (PrimaryOf(lower) == "zh" && IsTraditionalChinese(lower)) return nullptr;
    for (const LanguageInfo& language : Languages()) {
        if (SameTag(PrimaryOf(language.Tag), PrimaryOf(lower))) return language.Tag;
    }
    return nullptr;
}

}  // namespace

std::span<const LanguageInfo> Languages() {
    return std::span<const LanguageInfo>(LanguageInfos, LanguageCount);
}

const char* Words(const char* english) {
    const char* const* texts = LanguageTexts[Chosen];
    if (texts == nullptr) return english;
    const char* const* end = EnglishTexts + TranslatedCount;
    const char* const* found =
        std::lower_bound(EnglishTexts, end, english,
                         [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
    if (found == end || std::strcmp(*found, english) != 0) return english;
    const char* text = texts[found - EnglishTexts];
    return text != nullptr && *text != '\0' ? text : english;
}

std::string WordsWith(const char* english, std::initializer_list<std::string_view> values) {
    const std::string_view text = Words(english);
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t number = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : 9;
        if (text[i] == '%' && number < values.size()) {
            filled += values.begin()[number];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

bool ChooseLanguage(std::string_view tag) {
    for (size_t i = 0; i < LanguageCount; ++i) {
        if (LanguageInfos[i].Tag == tag) {
            Chosen = static_cast<int32_t>(i);
            return true;
        }
    }
    return false;
}

int32_t ChosenLanguage() {
    return Chosen;
}

const char* MatchLanguage(std::span<const std::string> preferred) {
    for (const std::string& tag : preferred) {
        if (const char* match = MatchOne(LowerTag(tag))) return match;
    }
    return "en";
}

const char* LanguageForSetting(std::string_view value, std::span<const std::string> preferred) {
    for (const LanguageInfo& language : Languages()) {
        if (SameTag(language.Tag, LowerTag(value))) return language.Tag;
    }
    return MatchLanguage(preferred);
}

std::string Utf8OfCodePage(std::string_view text) {
    // Code page 1252 bytes 0x80 to 0x9F; 0 where the byte holds no character.
    static constexpr char16_t Upper[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    };
    std::string utf8;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        char16_t unit = byte;
        if (byte >= 0x80 && byte < 0xA0) unit = Upper[byte - 0x80] != 0 ? Upper[byte - 0x80] : u'?';
        if (unit < 0x80) {
            utf8 += static_cast<char>(unit);
        } else if (unit < 0x800) {
            utf8 += static_cast<char>(0xC0 | unit >> 6);
            utf8 += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | unit >> 12);
            utf8 += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
            utf8 += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return utf8;
}
