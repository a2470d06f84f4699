// quillon-keys: the calculator engine driven from a terminal.
//
//   quillon-keys [--ini FILE] [--set KEY=VALUE]... [--clipboard FILE] [--save FILE]
//
// Each line of standard input is a list of keys (button labels, or PASTE); after each line
// the panel and the two indicators are printed. Beeps and message boxes print as they
// happen. The settings start from a fixed system: ".", ",", "3;0" and a white window.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/calc_context.h"
#include "engine/control_table.h"
#include "engine/keypad.h"
#include "engine/paste.h"
#include "engine/platform.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"

namespace {

constexpr int UsageError = 2;

// The harness's platform: the three texts the engine shows, a terminal for the speaker and
// the message box, a file for the clipboard, and a fixed locale.
class ConsolePlatform : public Platform {
   public:
    explicit ConsolePlatform(std::string clipboard) : clipboard_(std::move(clipboard)) {}
    void ShowText(DisplayField field, const DecString& text) override {
        shown_[static_cast<int>(field)] = text.Text();
    }
    void Beep() override { std::puts("beep"); }
    void ShowMessage(const char* text) override { std::printf("message: %s\n", text); }
    std::string ClipboardText() override { return clipboard_; }
    SystemLocale QueryLocale() override {
        SystemLocale locale;
        locale.DecimalSymbol = ".";
        locale.GroupSymbol = ",";
        locale.Grouping = "3;0";
        locale.WindowColour = 0xFFFFFF;
        return locale;
    }
    // The panel, the operator indicator and the memory indicator.
    void PrintShown() const {
        std::printf("= %s\t%s\t%s\n", shown_[0].c_str(), shown_[1].c_str(), shown_[2].c_str());
    }

   private:
    std::string clipboard_;
    std::string shown_[3] = {"0", "", ""};
};

struct Options {
    std::string IniFile;
    std::string ClipboardFile;
    std::string SaveFile;
    std::vector<std::string> Sets;  // KEY=VALUE
};

[[noreturn]] void Fail(const std::string& message) {
    std::fprintf(stderr, "quillon-keys: %s\n", message.c_str());
    std::exit(UsageError);
}

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc) Fail("missing value after " + flag);
        const std::string value = argv[++i];
        if (flag == "--ini") {
            options.IniFile = value;
        } else if (flag == "--clipboard") {
            options.ClipboardFile = value;
        } else if (flag == "--save") {
            options.SaveFile = value;
        } else if (flag == "--set") {
            options.Sets.push_back(value);
        } else {
            Fail("unknown option " + flag);
        }
    }
    return options;
}

// The whole file, or nothing when it cannot be read (an absent settings file is no error).
std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return std::string();
    std::string bytes(static_cast<size_t>(file.tellg()), '\0');
    file.seekg(0);
    file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

std::string ClipboardFromFile(const std::string& path) {
    if (path.empty()) return std::string();
    std::string bytes = ReadFileBytes(path);
    bytes.resize(std::strlen(bytes.c_str()));  // text ends at the first zero byte
    return bytes;
}

// The settings as the program reads them at start: the file, then each --set as if its
// line stood in the key's section.
void LoadSettings(CalcContext& context, const Options& options) {
    const std::string bytes = options.IniFile.empty() ? "" : ReadFileBytes(options.IniFile);
    ProfileText profile = ParseProfileText(bytes.data(), static_cast<int32_t>(bytes.size()));
    for (const std::string& set : options.Sets) {
        const size_t equals = set.find('=');
        const std::string key = set.substr(0, equals);
        const SettingKey* known = FindSettingKey(key.c_str());
        if (equals == std::string::npos || known == nullptr) Fail("unknown setting " + key);
        SetProfileValue(profile, known->Section, key.c_str(), set.substr(equals + 1).c_str());
    }
    ReadSettings(context.Settings, profile, context.Host->QueryLocale());
}

void SaveSettings(const CalcContext& context, const std::string& path) {
    const DecString text = WriteSettings(context.Settings);
    std::ofstream(path, std::ios::binary).write(text.Text(), text.Length());
}

void PressToken(CalcContext& context, const ControlTable& table, const std::string& token) {
    if (token == "PASTE") {
        PasteFromClipboard(context);
        return;
    }
    const int32_t id = CommandOfLabel(table, token.c_str());
    if (id == 0) {
        std::fflush(stdout);
        std::fprintf(stderr, "error: unknown key %s\n", token.c_str());
        std::exit(UsageError);
    }
    HandleKeypadCommand(context, table, id);
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    ConsolePlatform platform(ClipboardFromFile(options.ClipboardFile));
    CalcContext context(platform);
    LoadSettings(context, options);
    ControlTable table;
    FillControlTable(table, context.Settings);

    std::string line;
    while (std::getline(std::cin, line)) {
        std::istringstream tokens(line);
        std::string token;
        bool pressed = false;
        while (tokens >> token) {
            PressToken(context, table, token);
            pressed = true;
        }
        if (pressed) platform.PrintShown();
    }
    std::fflush(stdout);
    if (!options.SaveFile.empty()) SaveSettings(context, options.SaveFile);
    return 0;
}
