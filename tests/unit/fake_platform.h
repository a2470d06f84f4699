// A platform for tests: it keeps the texts the engine shows, records beeps and messages
// (each with the panel it was shown over), serves a clipboard text, reports a fixed locale
// ("." and "," with groups of three, white window) and keeps files in memory.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/platform.h"

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
    bool ClipboardBusy() override { return Busy; }
    SystemLocale QueryLocale() override { return Locale; }
    FileRead ReadFile(const char* path, size_t limit, std::string& bytes) override {
        const auto file = Files.find(path);
        if (file == Files.end()) return FileRead::Absent;
        if (file->second.size() >= limit) return FileRead::TooLarge;
        bytes = file->second;
        return FileRead::Read;
    }
    bool AppendToFile(const char* path, std::string_view text) override {
        Files[path].append(text);
        return true;
    }
    bool ReplaceWholeFile(const char* path, std::string_view text) override {
        Files[path] = text;
        ++Replacements;
        return true;
    }
    bool RenameFile(const char* path, const char* newPath) override {
        const auto file = Files.find(path);
        if (file == Files.end()) return false;
        Files[newPath] = file->second;
        Files.erase(path);
        return true;
    }

    bool HoldFile(const char* path) override {
        if (HeldElsewhere.count(path) > 0) return false;
        Held.insert(path);
        return true;
    }
    void ReleaseFile(const char* path) override { Held.erase(path); }

    // The panel and the indicators, as the window would show them.
    std::string Shown[4] = {"0", "", "", ""};
    int Beeps = 0;
    std::vector<std::string> Messages;
    std::vector<std::string> PanelsUnderMessages;
    std::string Clipboard;
    bool Busy = false;  // another program holds the clipboard
    std::map<std::string, std::string> Files;
    int Replacements = 0;
    std::set<std::string> Held;           // files this program holds
    std::set<std::string> HeldElsewhere;  // files another program holds
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
