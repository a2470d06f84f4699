// The platform as a fuzz target sees it: a fixed locale, a clipboard text, and beeps and
// messages counted but otherwise ignored.
#pragma once

#include <string>

#include "engine/platform.h"
#include "fuzz_settings.h"

class FuzzPlatform : public Platform {
   public:
    void Beep() override {}
    void ShowMessage(const char*) override {}
    std::string ClipboardText() override { return Clipboard; }
    SystemLocale QueryLocale() override { return FuzzLocale(); }

    std::string Clipboard;
};
