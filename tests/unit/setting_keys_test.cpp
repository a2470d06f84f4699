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
