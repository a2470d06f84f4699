// quillon-keys: the calculator engine driven from a terminal.
//
//   quillon-keys [--ini FILE] [--set KEY=VALUE]... [--clipboard FILE | --clipboard-utf8 FILE]
//                [--save FILE] [--tape FILE]
//
// Each line of standard input is a list of keys (button labels, PASTE, TAPE, which prints
// every tape line as "tape: TEXT", PRINT, which prints the tape's pages as laid out for a page
// of 60 lines by 80 characters, each followed by "page break", or DETAILS, which prints what
// the last Total took), or "EDIT N NUMBER" (corrects tape line N), "NOTE N TEXT" (sets its
// note), "NEWTAPE FILE" or "OPENTAPE FILE" (switch to a new or a saved tape); after each line
// the panel and the indicators are printed. Beeps and message boxes print as they happen.
// --clipboard hands the file's bytes over as code page 1252 text; --clipboard-utf8 reads the
// file as UTF-8 and maps it as the program maps the clipboard's Unicode text. The settings
// start from a fixed system: ".", ",", "3;0" and a white window. The tape is kept in FILE, or
// in memory only. Messages print in the language [VIEW] LANGUAGE names (--set LANGUAGE=de);
// "AUTO" is English here, so that what the harness prints never depends on the machine.
// While it runs, the harness holds the tape's folder: a second harness on
// the same folder waits until the first has ended, so no line either writes is lost. A file
// that cannot be written prints the program's message once and the run ends with status 1.
#if __has_include(<sys/mman.h>)
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#define QUILLON_MAPS_FILES 1
#endif
#if __has_include(<sys/file.h>) && !defined(_WIN32)
#include <sys/file.h>
#define QUILLON_LOCKS_FOLDERS 1
#endif

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "calculator/calc_context.h"
#include "calculator/keypad.h"
#include "calculator/paste.h"
#include "controls/control_table.h"
#include "language/words.h"
#include "platform/platform.h"
#include "settings/setting_keys.h"
#include "settings/settings_file.h"
#include "tape/tape_keeper.h"
#include "tape/tape_replay.h"
#include "tools/printouts.h"
#include "total/code_page_text.h"

namespace {

constexpr int UsageError = 2;
constexpr int WriteError = 1;

// The harness's platform: the three texts the engine shows, a terminal for the speaker and
// the message box, a file for the clipboard, and a fixed locale.
class ConsolePlatform : public Platform {
   public:
    explicit ConsolePlatform(SharedText clipboard) : clipboard_(std::move(clipboard)) {}
    void ShowText(DisplayField field, const DecString& text) override {
        shown_[static_cast<int>(field)] = text.Text();
    }
    void Beep() override { std::puts("beep"); }
    void ShowMessage(const char* text) override { std::printf("message: %s\n", text); }
    std::string ClipboardText() override { return std::string(clipboard_.Text); }
    SharedText SharedClipboardText() override { return clipboard_; }
    FileRead ReadFile(const char* path, size_t limit, std::string& bytes) override;
    bool AppendToFile(const char* path, std::string_view text) override {
        std::ofstream file(path, std::ios::binary | std::ios::app);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.flush();
        return Kept(file.good());
    }
    bool ReplaceWholeFile(const char* path, std::string_view text) override {
        const std::string temporary = std::string(path) + ".new";
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(text.data(), static_cast<std::streamsize>(text.size()));
        file.close();
        const bool moved = Kept(file.good()) && Moved(temporary.c_str(), path);
        if (!moved) std::remove(temporary.c_str());
        return moved;
    }
    bool RenameFile(const char* path, const char* newPath) override { return Moved(path, newPath); }
    std::string LastFileError() override { return lastError_; }
    // Moves `path` over `newPath`, replacing it (std::rename does not replace on Windows).
    bool Moved(const char* path, const char* newPath) {
        std::error_code error;
        std::filesystem::rename(path, newPath, error);
        if (error) lastError_ = error.message();
        return !error;
    }
    // Notes the system's reason when a file call failed.
    bool Kept(bool done) {
        if (!done) lastError_ = std::strerror(errno);
        return done;
    }
    SystemLocale QueryLocale() override {
        SystemLocale locale;
        locale.DecimalSymbol = ".";
        locale.GroupSymbol = ",";
        locale.Grouping = "3;0";
        locale.ListSeparator = ",";
        locale.WindowColour = 0xFFFFFF;
        return locale;
    }
#ifdef QUILLON_MAPS_FILES
    // A file is held through a lock on "FILE.lock", which the system lets go when the process
    // ends, however it ends.
    bool HoldFile(const char* path) override {
        const std::string lock = std::string(path) + ".lock";
        const int file = open(lock.c_str(), O_RDWR | O_CREAT, 0644);
        // Only another holder refuses; a folder without a lock file is written (or fails to be,
        // and that is told when it is written).
        if (file < 0) return true;
        if (flock(file, LOCK_EX | LOCK_NB) != 0) {
            close(file);
            return false;
        }
        held_[path] = file;
        return true;
    }
    void ReleaseFile(const char* path) override {
        const auto held = held_.find(path);
        if (held == held_.end()) return;
        unlink((held->first + ".lock").c_str());
        close(held->second);
        held_.erase(held);
    }
#endif
    // The panel, the operator indicator and the memory indicator; the grand-total indicator
    // after them while it shows.
    void PrintShown() const {
        std::printf("= %s\t%s\t%s", shown_[0].c_str(), shown_[1].c_str(), shown_[2].c_str());
        if (!shown_[3].empty()) std::printf("\t%s", shown_[3].c_str());
        std::puts("");
        std::fflush(stdout);  // a run killed after a key has printed all before it
    }

   private:
    SharedText clipboard_;             // the file, mapped once
    std::map<std::string, int> held_;  // the lock file of each file held
    std::string lastError_;
    std::string shown_[4] = {"0", "", "", ""};
};

struct Options {
    std::string IniFile;
    std::string TapeFile;
    std::string ClipboardFile;
    bool ClipboardUtf8 = false;
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
        } else if (flag == "--clipboard" || flag == "--clipboard-utf8") {
            options.ClipboardFile = value;
            options.ClipboardUtf8 = flag == "--clipboard-utf8";
        } else if (flag == "--tape") {
            options.TapeFile = value;
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

FileRead ConsolePlatform::ReadFile(const char* path, size_t limit, std::string& bytes) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file) return FileRead::Absent;
    if (static_cast<size_t>(file.tellg()) >= limit) return FileRead::TooLarge;
    bytes = ReadFileBytes(path);
    return FileRead::Read;
}

// The text ends at its first zero byte; UTF-8 text is mapped to the code page in place.
SharedText ClipboardFromBytes(std::shared_ptr<const void> owner, char* bytes, size_t size,
                              bool utf8) {
    const void* zero = std::memchr(bytes, 0, size);
    size_t length = zero ? static_cast<size_t>(static_cast<const char*>(zero) - bytes) : size;
    if (utf8) length = MapUtf8ToCodePageInPlace(bytes, length);
    return SharedText{std::move(owner), std::string_view(bytes, length)};
}

#ifdef QUILLON_MAPS_FILES
// The clipboard file mapped rather than read: copied into fresh memory, a 10 MB column costs
// about 8 ms of page faults before the Total reads a byte; mapped from the page cache, under
// 2 ms. UTF-8 text is mapped on the mapping's private copy of the pages it changes.
SharedText ClipboardFromFile(const Options& options) {
    if (options.ClipboardFile.empty()) return SharedText{};
    const int file = open(options.ClipboardFile.c_str(), O_RDONLY);
    if (file < 0) return SharedText{};
    struct stat status {};
    const bool sized = fstat(file, &status) == 0 && status.st_size > 0;
    const size_t size = sized ? static_cast<size_t>(status.st_size) : 0;
    const int protection = options.ClipboardUtf8 ? PROT_READ | PROT_WRITE : PROT_READ;
    const int flags = options.ClipboardUtf8 ? MAP_PRIVATE : MAP_PRIVATE | MAP_POPULATE;
    void* mapped = sized ? mmap(nullptr, size, protection, flags, file, 0) : MAP_FAILED;
    close(file);
    if (mapped == MAP_FAILED) return SharedText{};
    std::shared_ptr<const void> owner(
        mapped, [size](const void* p) { munmap(const_cast<void*>(p), size); });
    return ClipboardFromBytes(std::move(owner), static_cast<char*>(mapped), size,
                              options.ClipboardUtf8);
}
#else
// Where files cannot be mapped (the Windows runtime), the file is read once.
SharedText ClipboardFromFile(const Options& options) {
    if (options.ClipboardFile.empty()) return SharedText{};
    auto bytes = std::make_shared<std::string>(ReadFileBytes(options.ClipboardFile));
    if (bytes->empty()) return SharedText{};
    char* text = bytes->data();
    const size_t size = bytes->size();
    return ClipboardFromBytes(std::move(bytes), text, size, options.ClipboardUtf8);
}
#endif

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
    ChooseLanguage(LanguageForSetting(context.Settings.LANGUAGE.Text(), {}));
}

// As the program saves them: a temporary file moved over the old one, so that a run killed
// meanwhile leaves the old file or the new one; a write that fails is told.
void SaveSettings(CalcContext& context, const std::string& path) {
    const DecString text = WriteSettings(context.Settings);
    if (!context.Host->ReplaceWholeFile(path.c_str(),
                                        std::string_view(text.Text(), text.Length()))) {
        context.Host->ReportWriteFailure(path);
    }
}

// Holds the folder of `tape` for the rest of the run, waiting while another harness holds it.
void HoldTapeFolder(const std::string& tape) {
#ifdef QUILLON_LOCKS_FOLDERS
    if (tape.empty()) return;
    const size_t slash = tape.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : tape.substr(0, slash + 1);
    const int handle = open(folder.c_str(), O_RDONLY);  // kept open until the process ends
    if (handle >= 0) flock(handle, LOCK_EX);
#else
    (void)tape;
#endif
}

void PressToken(CalcContext& context, const ControlTable& table, TapeKeeper& tape,
                const std::string& token) {
    if (token == "TAPE") {
        PrintTape(tape.Lines);
        return;
    }
    if (token == "PRINT") {
        PrintPages(tape);
        return;
    }
    if (token == "PASTE") {
        PasteFromClipboard(context);
        return;
    }
    if (token == "DETAILS") {
        PrintTotalDetails(context);
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

// "EDIT N NUMBER" and "NOTE N TEXT": a refused line beeps. "NEWTAPE FILE" and "OPENTAPE FILE"
// switch tapes.
bool RunTapeCommand(CalcContext& context, const ConsolePlatform& platform, TapeKeeper& tape,
                    const std::string& line) {
    std::istringstream words(line);
    std::string command;
    size_t number = 0;
    words >> command;
    if (command == "NEWTAPE" || command == "OPENTAPE") {
        std::string path;
        std::getline(words >> std::ws, path);
        SwitchTape(tape, context, path, command == "NEWTAPE" ? TapeSwitch::New : TapeSwitch::Open);
        platform.PrintShown();
        return true;
    }
    if (command != "EDIT" && command != "NOTE") return false;
    std::string rest;
    if (words >> number) std::getline(words >> std::ws, rest);
    const size_t index = number - 1;  // 0 wraps and is refused as no line
    const bool done = command == "EDIT" ? CorrectTapeLine(tape.Lines, index, rest, context)
                                        : SetTapeNote(tape.Lines, index, rest);
    if (done) {
        SaveTape(tape);
    } else {
        context.Host->Beep();
    }
    platform.PrintShown();
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ParseOptions(argc, argv);
    HoldTapeFolder(options.TapeFile);
    ConsolePlatform platform(ClipboardFromFile(options));
    CalcContext context(platform);
    LoadSettings(context, options);
    ControlTable table;
    FillControlTable(table, context.Settings);
    TapeKeeper tape;
    StartTape(tape, context, options.TapeFile);

    std::string line;
    while (std::getline(std::cin, line)) {
        if (RunTapeCommand(context, platform, tape, line)) continue;
        std::istringstream tokens(line);
        std::string token;
        bool pressed = false;
        while (tokens >> token) {
            PressToken(context, table, tape, token);
            pressed = true;
        }
        if (pressed) platform.PrintShown();
    }
    std::fflush(stdout);
    if (!options.SaveFile.empty()) SaveSettings(context, options.SaveFile);
    std::fflush(stdout);
    return platform.WriteFailed() ? WriteError : 0;
}
