// The seam between the portable core and the operating system. Everything the engine,
// the settings and the Total ask of the platform is here: the Win32 shell implements it,
// the tests and the console harness fake it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "decimal/dec_string.h"

// How reading a file ended.
enum class FileRead { Absent, Read, TooLarge };

// Clipboard text is single-byte text in code page 1252. A Unicode character it cannot hold
// arrives as this character, which the Total and paste always skip, whatever the user's
// separators: it never becomes a digit, a separator or a '-'.
inline constexpr char UnmappedChar = '\x1A';

// Said instead of "empty" when another program held the clipboard too long.
inline constexpr const char* ClipboardBusyMessage =
    "The clipboard is in use by another program. Try again in a moment.";

// Text shared by the platform that holds it and the Total that keeps it for its details: the
// bytes of a string, or of a mapped file, kept alive by their owner.
struct SharedText {
    std::shared_ptr<const void> Owner;
    std::string_view Text;
};

// The user's number format and window colour, as the system reports them.
struct SystemLocale {
    DecString DecimalSymbol;           // e.g. "." (only the first byte is used)
    DecString GroupSymbol;             // e.g. "," (only the first byte is used)
    DecString Grouping;                // e.g. "3;0" or "3;2;0"
    DecString ListSeparator{","};      // between fields of a CSV, e.g. ";" (the first byte)
    uint32_t WindowColour = 0xFFFFFF;  // red in bits 0-7, green 8-15, blue 16-23
};

// The text fields the engine shows: the digital panel and the indicators.
enum class DisplayField : int32_t {
    Panel,
    OperatorIndicator,
    MemoryIndicator,
    GrandTotalIndicator,
};

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
    // The same for a text in UTF-8, for messages that name a path from the system (any
    // character of the user's name may be in it). A host without Unicode shows the bytes.
    virtual void ShowUnicodeMessage(const std::string& text) { ShowMessage(text.c_str()); }
    // The clipboard's text up to its first zero, however long, as single-byte text: ANSI text
    // as it is, Unicode text that its owner put there mapped to code page 1252
    // (total/code_page_text.h); empty when the clipboard holds no text or cannot be opened.
    virtual std::string ClipboardText() = 0;
    // True when the last clipboard read found the clipboard held by another program for
    // longer than the host waits, so an empty text means "busy", not "empty".
    virtual bool ClipboardBusy() { return false; }
    // The same text, shared: the Total keeps it for its details without a copy of its own.
    virtual SharedText SharedClipboardText() {
        auto text = std::make_shared<const std::string>(ClipboardText());
        return SharedText{text, *text};
    }
    virtual SystemLocale QueryLocale() = 0;

    // Files the user's records live in (the tape). A host without files keeps nothing: it
    // finds no file and writes none. Paths are UTF-8 (the Win32 host opens them with the
    // wide file functions), absolute or relative to the current directory.
    // The whole file into `bytes`, unless it holds `limit` bytes or more.
    virtual FileRead ReadFile(const char* path, size_t limit, std::string& bytes);
    // Adds `text` at the end of the file (created when absent), on disk when it returns.
    virtual bool AppendToFile(const char* path, std::string_view text);
    // Writes `text` to a temporary file beside `path`, then moves it over `path`.
    virtual bool ReplaceWholeFile(const char* path, std::string_view text);
    // Renames `path` to `newPath`, replacing a file of that name.
    virtual bool RenameFile(const char* path, const char* newPath);
    // Holds `path` for this program until ReleaseFile, so that no other program that asks
    // holds it too (a record open in two programs is written by one only); false when another
    // holds it. A hold ends with the program at the latest.
    virtual bool HoldFile(const char* path);
    virtual void ReleaseFile(const char* path);
    // True when a file of that name exists.
    virtual bool FileExists(const char* path);
    // Why the last file call that returned false failed, in words (UTF-8), e.g. "Access is
    // denied."; empty when the host cannot say.
    virtual std::string LastFileError() { return std::string(); }

    // A file the user's records go to could not be written: tells the user once per run
    // where and why, and that Quillon goes on with everything in memory.
    void ReportWriteFailure(const std::string& path);
    // True once a write has failed in this run (the harness then ends with an error).
    bool WriteFailed() const { return writeFailed_; }

   private:
    bool writeFailed_ = false;
};

// The message ReportWriteFailure shows for `path` and the host's `reason`.
std::string WriteFailureMessage(const std::string& path, const std::string& reason);
