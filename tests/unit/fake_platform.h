// A platform for tests: it records beeps and messages, serves a clipboard text and
// reports a fixed locale ("." and "," with groups of three, white window).
#pragma once

#include <string>
#include <vector>

#include "engine/platform.h"

class FakePlatform : public Platform {
   public:
    void Beep() override { ++Beeps; }
    void ShowMessage(const char* text) override { Messages.emplace_back(text); }
    std::string ClipboardText() override { return Clipboard; }
    SystemLocale QueryLocale() override { return Locale; }

    int Beeps = 0;
    std::vector<std::string> Messages;
    std::string Clipboard;
    SystemLocale Locale = StandardLocale();

    static SystemLocale StandardLocale() {
        SystemLocale locale;
        locale.DecimalSymbol = ".";
        locale.GroupSymbol = ",";
        locale.Grouping = "3;0";
        locale.WindowColour = 0xFFFFFF;
        return locale;
    }
};
