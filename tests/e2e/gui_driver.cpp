#include "gui_driver.h"

#include <cstdio>
#include <cstring>

ClientRect RectInParent(HWND control) {
    RECT rect = {};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    CharUpperA(name);
    return name;
}

HWND FocusOf(const QuillonSession& session) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(session.Process.dwThreadId, &info);
    return info.hwndFocus;
}

bool ShowsPushed(HWND button) {
    return (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
}

std::string LocaleChar(LCTYPE item) {
    char text[256] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof(text));
    return std::string(text, text[0] == '\0' ? 0 : 1);
}

int LocaleGrouping() {
    char text[256] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SGROUPING, text, sizeof(text));
    if (std::strcmp(text, "3;2;0") == 0) return 2;
    return std::strcmp(text, "3;0") == 0 ? 1 : 0;
}

void WaitForScreenshot(const std::string& directory, const std::string& ready) {
    WriteFileBytes(directory + "\\ready", ready);
    const DWORD start = GetTickCount();
    while (ReadFileBytes(directory + "\\shot.png") == "<missing>" &&
           GetTickCount() - start < 20000) {
        Sleep(50);
    }
}

std::string MainAndTapeArea(HWND main, HWND tape) {
    RECT left = {};
    RECT right = {};
    GetWindowRect(main, &left);
    GetWindowRect(tape, &right);
    return std::to_string(left.left) + " " + std::to_string(left.top) + " " +
           std::to_string(right.right - left.left) + " " + std::to_string(left.bottom - left.top) +
           "\n";
}

int RunDriver(int argc, char** argv, const DriverSetUp& setUp,
              std::initializer_list<std::span<const GuiCase>> tables) {
    PrepareUnattendedDriver();
    const int needed = setUp.TakeHelper != nullptr ? 4 : 3;
    if (argc < needed) {
        std::printf("usage: %s QUILLON_EXE %s\n", argv[0], setUp.Usage);
        return 2;
    }
    SetQuillonPath(argv[1]);
    if (setUp.TakeHelper != nullptr) setUp.TakeHelper(argv[2]);
    const std::string name = argv[needed - 1];
    if (name == "screenshot" && setUp.Screenshot != nullptr) {
        return setUp.Screenshot(std::vector<std::string>(argv + needed, argv + argc));
    }
    return RunNamedCase(tables, name);
}
