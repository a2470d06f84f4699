// The settings file, both ways: its text read into a CalcSettings with every validation
// and fall-back, and a CalcSettings written out as the lines of the file, key by key from
// the table of setting keys.
#pragma once

#include "settings/calc_settings.h"
#include "settings/profile_text.h"

inline constexpr const char* SettingsFileName = "Quillon.ini";

// Fills `settings` from the file text (an absent file is an empty text); whatever is
// missing or invalid takes its default from `locale`.
void ReadSettings(CalcSettings& settings, const ProfileText& file, const SystemLocale& locale);

// The whole file text, CR LF line ends included.
DecString WriteSettings(const CalcSettings& settings);
