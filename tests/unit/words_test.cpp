// The choice of language and the lookup of its words.
#include "language/words.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tape/tape_layout.h"

namespace {

// Every test leaves English chosen, as the other tests expect.
struct ChosenLanguage {
    explicit ChosenLanguage(const char* tag) { EXPECT_TRUE(ChooseLanguage(tag)); }
    ~ChosenLanguage() { ChooseLanguage("en"); }
};

TEST(Words, MatchFollowsTheUiLanguagesInOrder) {
    struct Case {
        std::vector<std::string> Preferred;
        const char* Tag;
    };
    const Case cases[] = {
        {{}, "en"},
        {{"de-DE"}, "de"},
        {{"de-AT", "fr-FR"}, "de"},
        {{"sv-SE", "fr-CA"}, "fr"},
        {{"pt-PT"}, "pt-BR"},
        {{"PT_br"}, "pt-BR"},
        {{"zh-CN"}, "zh-CN"},
        {{"zh-Hans-SG"}, "zh-CN"},
        {{"zh-TW", "ru-RU"}, "ru"},
        {{"zh-Hant-HK"}, "en"},
        {{"ja-JP", "en-GB", "de-DE"}, "en"},
        {{"nl-BE"}, "nl"},
        {{"pl"}, "pl"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(MatchLanguage(c.Preferred), c.Tag) << c.Preferred.size();
    }
}

TEST(Words, SettingNamesATagOrFollowsTheSystem) {
    const std::vector<std::string> german = {"de-DE"};
    EXPECT_STREQ(LanguageForSetting("AUTO", german), "de");
    EXPECT_STREQ(LanguageForSetting("it", german), "it");
    EXPECT_STREQ(LanguageForSetting("pt-br", german), "pt-BR");
    EXPECT_STREQ(LanguageForSetting("xx", german), "de");  // no such language: like Windows
    EXPECT_STREQ(LanguageForSetting("en", german), "en");
}

TEST(Words, TranslationOrEnglish) {
    EXPECT_STREQ(Words("Clipboard is empty!"), "Clipboard is empty!");
    const ChosenLanguage german("de");
    EXPECT_STREQ(Words("Clipboard is empty!"), "Die Zwischenablage ist leer!");
    EXPECT_STREQ(Words("No such text"), "No such text");
    EXPECT_EQ(WordsWith("The tape could not be saved to %1.", {"C:\\a.txt"}),
              "Der Streifen konnte nicht unter C:\\a.txt gespeichert werden.");
    EXPECT_FALSE(ChooseLanguage("xx"));
    EXPECT_STREQ(Words("Total"), "Summe");  // the failed choice kept German
}

TEST(Words, EveryLanguageHasItsOwnName) {
    const std::vector<std::string> names = {
        "English",    "Deutsch", "Français", "Español", "Italiano", "Português (Brasil)",
        "Nederlands", "Polski",  "Русский",  "简体中文"};
    std::vector<std::string> listed;
    for (const LanguageInfo& language : Languages()) listed.push_back(language.OwnName);
    EXPECT_EQ(listed, names);
}

TEST(Words, PlaceholdersInTheTranslatedOrder) {
    const ChosenLanguage polish("pl");
    EXPECT_EQ(WordsWith("Total %1, %2 numbers", {"1,234", "12"}), "Suma 1,234, liczb: 12");
    EXPECT_EQ(Utf8OfCodePage("1\xA0"
                             "234\x80"),
              "1\xC2\xA0"
              "234\xE2\x82\xAC");
}

// The tape window shows its counts in the language; the tape's text (file, copy) keeps English.
TEST(Words, TapeCountsInTheWindowOnly) {
    const ChosenLanguage russian("ru");
    TapeEntry total{TapeKey::Total, TapeRole::Result, "12", 3, "Miete \xE4", ""};
    EXPECT_EQ(ShownRest(total), "  \u0447\u0438\u0441\u0435\u043B: 3  Miete \u00E4");
    total.Count = 1;
    EXPECT_EQ(ShownRest(total), "  1 \u0447\u0438\u0441\u043B\u043E  Miete \u00E4");
    const std::string english = TapeLineText(total);
    EXPECT_EQ(english.substr(english.size() - 17), "1 number  Miete \xE4");
}

}  // namespace
