// The Win32 side of the platform seam.
#pragma once

#include "platform/platform.h"

class Win32Platform : public Platform {
   public:
    void ShowText(DisplayField field, const DecString& text) override;
    void Beep() override;
    void ShowMessage(const char* text) override;
    void ShowUnicodeMessage(const std::string& text) override;
    std::string ClipboardText() override;
    bool ClipboardBusy() override { return clipboardBusy_; }
    SystemLocale QueryLocale() override;
    FileRead ReadFile(const char* path, size_t limit, std::string& bytes) override;
    bool AppendToFile(const char* path, std::string_view text) override;
    bool ReplaceWholeFile(const char* path, std::string_view text) override;
    bool RenameFile(const char* path, const char* newPath) override;
    bool FileExists(const char* path) override;
    std::string LastFileError() override { return lastFileError_; }

   private:
    // Notes the system's reason for the failure that just happened; returns false.
    bool Failed();

    bool clipboardBusy_ = false;
    std::string lastFileError_;
};
