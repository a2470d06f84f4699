#include "controls/theme.h"

#include <gtest/gtest.h>

namespace {

TEST(Theme, SettingAppModeAndHighContrastChooseTheTheme) {
    using enum ShownTheme;
    const std::optional<uint32_t> none;
    const struct {
        ThemeSetting Setting;
        std::optional<uint32_t> AppsUseLightTheme;
        bool HighContrast;
        ShownTheme Shown;
    } cases[] = {
        {ThemeSetting::System, 0u, false, Dark},
        {ThemeSetting::System, 1u, false, Light},
        {ThemeSetting::System, 7u, false, Light},    // any value but 0 is light
        {ThemeSetting::System, none, false, Light},  // no app mode: a system before them
        {ThemeSetting::Light, 0u, false, Light},
        {ThemeSetting::Light, none, false, Light},
        {ThemeSetting::Dark, 1u, false, Dark},
        {ThemeSetting::Dark, none, false, Dark},
        {ThemeSetting::System, 0u, true, HighContrast},
        {ThemeSetting::System, 1u, true, HighContrast},
        {ThemeSetting::Light, 1u, true, HighContrast},
        {ThemeSetting::Dark, 0u, true, HighContrast},
        {ThemeSetting::Dark, none, true, HighContrast},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseTheme(c.Setting, c.AppsUseLightTheme, c.HighContrast), c.Shown)
            << "setting " << static_cast<int>(c.Setting) << " app mode "
            << (c.AppsUseLightTheme ? static_cast<int>(*c.AppsUseLightTheme) : -1)
            << " high contrast " << c.HighContrast;
    }
}

TEST(Theme, ContrastRatioFollowsTheWcagFormula) {
    EXPECT_NEAR(ContrastRatio(0x000000, 0xFFFFFF), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0xFFFFFF, 0x000000), 21.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x777777, 0x777777), 1.0, 1e-9);
    EXPECT_NEAR(ContrastRatio(0x767676, 0xFFFFFF), 4.54, 0.01);  // the lightest grey that passes
    EXPECT_NEAR(ContrastRatio(0x0000FF, 0xFFFFFF), 4.00, 0.01);  // pure red (0x00BBGGRR)
    EXPECT_NEAR(ContrastRatio(0xFF0000, 0xFFFFFF), 8.59, 0.01);  // pure blue
}

TEST(Theme, EveryTextOfBothSchemesIsReadable) {
    const struct {
        const char* Name;
        const ColourScheme& Scheme;
    } schemes[] = {{"light", LightScheme()}, {"dark", DarkScheme()}};
    for (const auto& scheme : schemes) {
        for (const ColourPair& pair : TextPairs(scheme.Scheme)) {
            EXPECT_GE(ContrastRatio(pair.Text, pair.Face), 4.5) << scheme.Name << " " << pair.Name;
        }
    }
}

TEST(Theme, DarkSchemeIsDarkAndLightSchemeLight) {
    const uint32_t darkFaces[] = {DarkScheme().Window, DarkScheme().PanelFace, DarkScheme().KeyFace,
                                  DarkScheme().TapeFace};
    for (uint32_t face : darkFaces) EXPECT_GT(ContrastRatio(face, 0xFFFFFF), 10.0) << face;
    const uint32_t lightFaces[] = {LightScheme().PanelFace, LightScheme().KeyFace,
                                   LightScheme().TapeFace};
    for (uint32_t face : lightFaces) EXPECT_GT(ContrastRatio(face, 0x000000), 15.0) << face;
}

}  // namespace
