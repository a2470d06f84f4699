#include "settings/setting_keys.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_platform.h"
#include "settings/settings_file.h"

namespace {

CalcSettings Read(const std::string& text) {
    CalcSettings settings;
    ReadSettings(settings, ParseProfileText(text.data(), static_cast<int32_t>(text.size())),
                 FakePlatform::StandardLocale());
    return settings;
}

// A fixed default is a value the key itself accepts, and it is what the key then reads as.
TEST(SettingKeys, EveryFixedDefaultIsAValueOfItsKey) {
    for (const SettingKey& key : SettingKeys()) {
        if (key.Default == nullptr) continue;
        CalcSettings settings;
        EXPECT_TRUE(TakeSettingText(key, settings, key.Default)) << key.Name;
        EXPECT_TRUE(SettingText(key, settings) == key.Default) << key.Name;
    }
}

// Each number is taken at both ends of its range and falls back to its default just outside.
TEST(SettingKeys, NumbersAreHeldToTheirRanges) {
    const struct {
        const char* Section;
        const char* Name;
        int32_t Low, High;
        const char* Default;  // under the standard locale
    } cases[] = {
        {"COMMON", "ROUND_MODE", 0, 3, "3"},
        {"COMMON", "ROUND_TYPE", 0, 2, "1"},
        {"VIEW", "BACKGROUND_COLOR_BLUE", 0, 255, "255"},
        {"VIEW", "BACKGROUND_COLOR_GREEN", 0, 255, "255"},
        {"VIEW", "BACKGROUND_COLOR_RED", 0, 255, "255"},
        {"VIEW", "DIGIT_GROUPING", 0, 2, "1"},
        {"VIEW", "SCALE", 0, 3, "1"},
        {"VIEW", "TAPE_WIDTH", 0, 4000, "0"},
    };
    for (const auto& c : cases) {
        const SettingKey* key = FindSettingKey(c.Name);
        ASSERT_NE(key, nullptr) << c.Name;
        EXPECT_STREQ(key->Section, c.Section);
        const struct {
            int32_t Value;
            std::string Expected;
        } reads[] = {{c.Low, std::to_string(c.Low)},
                     {c.High, std::to_string(c.High)},
                     {c.Low - 1, c.Default},
                     {c.High + 1, c.Default}};
        for (const auto& r : reads) {
            const std::string file =
                std::string("[") + c.Section + "]\n" + c.Name + " = " + std::to_string(r.Value);
            EXPECT_EQ(SettingText(*key, Read(file)).Text(), r.Expected) << file;
        }
    }
}

// The tax rate is kept as decimal text: 0 to 100, at most four decimals, in one spelling;
// any other value falls back to the default 0.
TEST(SettingKeys, TaxRateIsKeptAsDecimalText) {
    const struct {
        const char* Written;
        const char* Read;
    } cases[] = {
        {"19", "19"},   {"7.25", "7.25"},  {"007.2500", "7.25"}, {".5", "0.5"},
        {"100", "100"}, {"100.0", "100"},  {"0.0001", "0.0001"}, {"12.", "12"},
        {"0", "0"},     {"100.0001", "0"}, {"101", "0"},         {"0.00001", "0"},
        {"-1", "0"},    {"7,25", "0"},     {"1.2.3", "0"},       {"19%", "0"},
        {"", "0"},      {"abc", "0"},
    };
    const SettingKey* key = FindSettingKey("TAX_RATE");
    ASSERT_NE(key, nullptr);
    EXPECT_STREQ(key->Section, "COMMON");
    for (const auto& c : cases) {
        const CalcSettings settings = Read(std::string("[COMMON]\nTAX_RATE = ") + c.Written);
        EXPECT_STREQ(settings.TAX_RATE.Text(), c.Read) << c.Written;
    }
}

// What is written is read back as it was.
TEST(SettingKeys, BusinessSettingsRoundTrip) {
    for (const bool shown : {false, true}) {
        CalcSettings settings = Read("");
        EXPECT_FALSE(settings.BUSINESS_KEYS);
        settings.BUSINESS_KEYS = shown;
        settings.TAX_RATE = shown ? "19.9999" : "0.5";
        const DecString text = WriteSettings(settings);
        const CalcSettings back = Read(std::string(text.Text(), text.Length()));
        EXPECT_EQ(back.BUSINESS_KEYS, shown);
        EXPECT_STREQ(back.TAX_RATE.Text(), settings.TAX_RATE.Text());
    }
}

// A word of its own is taken in capitals only; anything else falls back to the default.
TEST(SettingKeys, ThemeIsOneOfItsWords) {
    const struct {
        const char* Value;
        ThemeSetting Theme;
        const char* Written;
    } cases[] = {
        {"SYSTEM", ThemeSetting::System, "SYSTEM"}, {"LIGHT", ThemeSetting::Light, "LIGHT"},
        {"DARK", ThemeSetting::Dark, "DARK"},       {"dark", ThemeSetting::System, "SYSTEM"},
        {"2", ThemeSetting::System, "SYSTEM"},      {"", ThemeSetting::System, "SYSTEM"},
        {"DARKER", ThemeSetting::System, "SYSTEM"},
    };
    const SettingKey* key = FindSettingKey("THEME");
    ASSERT_NE(key, nullptr);
    for (const auto& c : cases) {
        const CalcSettings settings = Read(std::string("[VIEW]\nTHEME = ") + c.Value);
        EXPECT_EQ(settings.THEME, c.Theme) << c.Value;
        EXPECT_STREQ(SettingText(*key, settings).Text(), c.Written) << c.Value;
    }
}

}  // namespace
