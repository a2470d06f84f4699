// The words Quillon shows, in the user's language. Code writes every text a user reads in
// English, through Words(); the translation of the chosen language comes back as UTF-8, or
// the English text itself where that language has none. Tables, whose texts are translated
// where they are shown, mark theirs with English() so that the language check finds them.
// Numbers, separators and files never pass through here: they keep their code page.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

struct LanguageInfo {
    const char* Tag;      // "de", "pt-BR", ...; "en" for English
    const char* OwnName;  // the language's name in that language, UTF-8: "Deutsch"
};

// English first, then the others in the order of the build's list.
std::span<const LanguageInfo> Languages();

// Marks a table's English text for translation; Words() translates it where it is shown.
constexpr const char* English(const char* text) {
    return text;
}

// The chosen language's text for `english` (UTF-8), or `english` itself.
const char* Words(const char* english);

// Words(english) with "%1", "%2", ... replaced by `values` (UTF-8 text).
std::string WordsWith(const char* english, std::initializer_list<std::string_view> values);

// Makes `tag` (exactly as Languages() lists it) the language of Words(); false, with the
// language unchanged, for a tag Quillon has no language for.
bool ChooseLanguage(std::string_view tag);
// The index in Languages() of the chosen language.
int32_t ChosenLanguage();

// The language of the first of `preferred` (the user's UI languages, most wanted first, as
// tags like "de-DE", "pt-BR", "zh-Hans-CN") that Quillon has: an exact match or one of the
// same language ("de-AT" takes "de", "pt-PT" takes "pt-BR"); Chinese only in simplified
// script. "en" when none matches.
const char* MatchLanguage(std::span<const std::string> preferred);

// The tag a [VIEW] LANGUAGE value asks for: `preferred`'s match for "AUTO", anything Quillon
// has no language for included; the value's own tag otherwise (any case: "pt-br").
const char* LanguageForSetting(std::string_view value, std::span<const std::string> preferred);

// Code page 1252 text (a number as the panel shows it) as UTF-8, to stand among words.
std::string Utf8OfCodePage(std::string_view text);
