#include "platform/platform.h"

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
