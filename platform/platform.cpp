#include "platform/platform.h"

#include "language/words.h"

FileRead Platform::ReadFile(const char*, size_t, std::string&) {
    return FileRead::Absent;
}

bool Platform::AppendToFile(const char*, std::string_view) {
    return false;
}

bool Platform::ReplaceWholeFile(const char*, std::string_view) {
    return false;
}

bool Platform::RenameFile(const char*, const char*) {
    return false;
}

bool Platform::HoldFile(const char*) {
    return true;
}

void Platform::ReleaseFile(const char*) {}
bool Platform::FileExists(const char* path) {
    std::string bytes;
    return ReadFile(path, 0, bytes) != FileRead::Absent;
}

std::string WriteFailureMessage(const std::string& path, const std::string& reason) {
    std::string message = WordsWith("Quillon cannot write %1.", {path});
    if (!reason.empty()) message += "\n\n" + reason;
    message += "\n\n";
    message += Words(
        "Quillon goes on working, but keeps your tape and settings in memory only until it is "
        "closed. Use \"Save tape as...\" on the tape's menu to keep the tape elsewhere.");
    return message;
}

void Platform::ReportWriteFailure(const std::string& path) {
    if (writeFailed_) return;
    writeFailed_ = true;
    ShowUnicodeMessage(WriteFailureMessage(path, LastFileError()));
}
