// The platform as a fuzz target sees it: a fixed locale, a clipboard text, the texts the
// engine shows, and beeps and messages ignored.
#pragma once

#include <string>

#include "fuzz_settings.h"
#include "platform/platform.h"

class FuzzPlatform : public Platform {
   public:
    void ShowText(DisplayField field, const DecString& text) override {
        Shown[static_cast<int>(field)] = text.Text();
    }
    void Beep() override {}
    void ShowMessage(const char*) override {}
    std::string ClipboardText() override { return Clipboard; }
    SystemLocale QueryLocale() override { return FuzzLocale(); }

    std::string Clipboard;
    std::string Shown[4] = {"0", "", "", ""};  // the panel and the indicators
};
