// Stands in for the help viewer: records the parameters it was started with in
// hh-command-line.txt of its working directory, so that a test can read what the
// calculator asked the shell to run.
#include <windows.h>

namespace {

// The command line after the program's own name, quoted or not.
const char* Parameters(const char* line) {
    if (*line == '"') {
        ++line;
        while (*line != '\0' && *line != '"') ++line;
        if (*line == '"') ++line;
    } else {
        while (*line != '\0' && *line != ' ' && *line != '\t') ++line;
    }
    while (*line == ' ' || *line == '\t') ++line;
    return line;
}

}  // namespace

int main() {
    const char* parameters = Parameters(GetCommandLineA());
    HANDLE file = CreateFileA("hh-command-line.txt", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(file, parameters, lstrlenA(parameters), &written, nullptr);
    CloseHandle(file);
    return 0;
}
