// The seam between the portable core and the operating system. Everything the engine,
// the settings and the Total ask of the platform is here: the Win32 shell implements it,
// the tests and the console harness fake it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/dec_string.h"

// How reading a file ended.
enum class FileRead { Absent, Read, TooLarge };

// The user's number format and window colour, as the system reports them.
struct SystemLocale {
    DecString DecimalSymbol;           // e.g. "." (only the first byte is used)
    DecString GroupSymbol;             // e.g. "," (only the first byte is used)
    DecString Grouping;                // e.g. "3;0" or "3;2;0"
    uint32_t WindowColour = 0xFFFFFF;  // red in bits 0-7, green 8-15, blue 16-23
};

// The three text fields the engine shows: the digital panel and the two indicators.
enum class DisplayField : int32_t { Panel, OperatorIndicator, MemoryIndicator };

class Platform {
   public:
    virtual ~Platform() = default;
    // The engine changed the text of a field; the host shows the new text at once, so a
    // message box or a copy that follows sees it.
    virtual void ShowText(DisplayField field, const DecString& text) = 0;
    // The short default beep of a refused key.
    virtual void Beep() = 0;
    // A modal message box with the product name as caption and an OK button only.
    virtual void ShowMessage(const char* text) = 0;
    // The clipboard's plain single-byte text up to its first zero byte, however long; empty
    // when the clipboard holds no text or cannot be opened.
    virtual std::string ClipboardText() = 0;
    virtual SystemLocale QueryLocale() = 0;

    // Files the user's records live in (the tape). A host without files keeps nothing: it
    // finds no file and writes none. Paths are relative to the current directory.
    // The whole file into `bytes`, unless it holds `limit` bytes or more.
    virtual FileRead ReadFile(const char* path, size_t limit, std::string& bytes);
    // Adds `text` at the end of the file (created when absent), on disk when it returns.
    virtual bool AppendToFile(const char* path, std::string_view text);
    // Writes `text` to a temporary file beside `path`, then moves it over `path`.
    virtual bool ReplaceWholeFile(const char* path, std::string_view text);
    // Renames `path` to `newPath`, replacing a file of that name.
    virtual bool RenameFile(const char* path, const char* newPath);
};
