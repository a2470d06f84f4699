// A platform for tests: it keeps the texts the engine shows, records beeps and messages
// (each with the panel it was shown over), serves a clipboard text and reports a fixed
// locale ("." and "," with groups of three, white window).
#pragma once

#include <string>
#include <vector>

#include "engine/platform.h"

class FakePlatform : public Platform {
   public:
    void ShowText(DisplayField field, const DecString& text) override {
        Shown[static_cast<int>(field)] = text.Text();
    }
    void Beep() override { ++Beeps; }
    void ShowMessage(const char* text) override {
        Messages.emplace_back(text);
        PanelsUnderMessages.push_back(Shown[0]);
    }
    std::string ClipboardText() override { return Clipboard; }
    SystemLocale QueryLocale() override { return Locale; }

    // The panel and the two indicators, as the window would show them.
    std::string Shown[3] = {"0", "", ""};
    int Beeps = 0;
    std::vector<std::string> Messages;
    std::vector<std::string> PanelsUnderMessages;
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
