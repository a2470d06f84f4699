// The Win32 side of the platform seam.
#pragma once

#include "engine/platform.h"

class Win32Platform : public Platform {
   public:
    void ShowText(DisplayField field, const DecString& text) override;
    void Beep() override;
    void ShowMessage(const char* text) override;
    std::string ClipboardText() override;
    SystemLocale QueryLocale() override;
};
