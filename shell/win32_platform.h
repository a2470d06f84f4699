// The Win32 side of the platform seam.
#pragma once

#include <map>
#include <string>

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
    // A file is held through "FILE.lock", opened for this program alone and deleted when it is
    // closed, which the system does when the program ends, however it ends.
    bool HoldFile(const char* path) override;
    void ReleaseFile(const char* path) override;
    bool FileExists(const char* path) override;
    std::string LastFileError() override { return lastFileError_; }

   private:
    // Notes the system's reason for the failure that just happened; returns false.
    bool Failed();

    std::map<std::string, void*> held_;  // the lock file's handle of each file held
    bool clipboardBusy_ = false;
    std::string lastFileError_;
};
