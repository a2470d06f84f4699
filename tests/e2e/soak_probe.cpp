// Loaded into quillon.exe by the soak test, where Wine's GetGuiResources answers 0: it replaces
// the program's imports of the functions that make and free GDI objects (fonts, brushes, pens,
// bitmaps, regions, device contexts) and USER objects (windows, menus, icons, accelerator
// tables), and keeps in the shared block "QuillonSoakProbe" how many of each the program holds
// beyond those it held when the probe came, with its private memory and resident set, renewed
// every 100 ms. Objects that system libraries make for the program (a dialog's own windows)
// are not counted: they are freed with what owns them.
#include "soak_probe.h"

#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "import_patch.h"

namespace {

SoakFigures* figures = nullptr;

template <typename Handle>
Handle Made(volatile LONG& count, Handle handle) {
    if (handle != nullptr) InterlockedIncrement(&count);
    return handle;
}

BOOL Freed(volatile LONG& count, BOOL done) {
    if (done) InterlockedDecrement(&count);
    return done;
}

// One replacement per function: the system's function, called through the slot it held.
#define COUNTED(library, result, name, counter, action, parameters, arguments)       \
    using name##Type = result(WINAPI*) parameters;                                   \
    name##Type name##System = nullptr;                                               \
    result WINAPI name##Counted parameters {                                         \
        return action(figures->counter, name##System arguments);                     \
    }                                                                                \
    void Hook##name() {                                                              \
        name##System = reinterpret_cast<name##Type>(                                 \
            ReplaceImport(library, #name, reinterpret_cast<void*>(&name##Counted))); \
    }

COUNTED("gdi32.dll", HFONT, CreateFontA, Gdi, Made,
        (int h, int w, int e, int o, int wt, DWORD i, DWORD u, DWORD s, DWORD c, DWORD op, DWORD cp,
         DWORD q, DWORD p, LPCSTR f),
        (h, w, e, o, wt, i, u, s, c, op, cp, q, p, f))
COUNTED("gdi32.dll", HFONT, CreateFontIndirectA, Gdi, Made, (const LOGFONTA* f), (f))
COUNTED("gdi32.dll", HFONT, CreateFontIndirectW, Gdi, Made, (const LOGFONTW* f), (f))
COUNTED("gdi32.dll", HBRUSH, CreateSolidBrush, Gdi, Made, (COLORREF c), (c))
COUNTED("gdi32.dll", HPEN, CreatePen, Gdi, Made, (int s, int w, COLORREF c), (s, w, c))
COUNTED("gdi32.dll", HDC, CreateCompatibleDC, Gdi, Made, (HDC dc), (dc))
COUNTED("gdi32.dll", HBITMAP, CreateCompatibleBitmap, Gdi, Made, (HDC dc, int w, int h), (dc, w, h))
COUNTED("gdi32.dll", HRGN, CreateRectRgn, Gdi, Made, (int l, int t, int r, int b), (l, t, r, b))
COUNTED("gdi32.dll", BOOL, DeleteObject, Gdi, Freed, (HGDIOBJ o), (o))
COUNTED("gdi32.dll", BOOL, DeleteDC, Gdi, Freed, (HDC dc), (dc))
COUNTED("user32.dll", HDC, GetDC, Gdi, Made, (HWND w), (w))
COUNTED("user32.dll", HDC, GetWindowDC, Gdi, Made, (HWND w), (w))
COUNTED("user32.dll", int, ReleaseDC, Gdi, Freed, (HWND w, HDC dc), (w, dc))
COUNTED("user32.dll", HWND, CreateWindowExA, User, Made,
        (DWORD x, LPCSTR c, LPCSTR n, DWORD s, int l, int t, int w, int h, HWND p, HMENU m,
         HINSTANCE i, LPVOID d),
        (x, c, n, s, l, t, w, h, p, m, i, d))
COUNTED("user32.dll", HWND, CreateWindowExW, User, Made,
        (DWORD x, LPCWSTR c, LPCWSTR n, DWORD s, int l, int t, int w, int h, HWND p, HMENU m,
         HINSTANCE i, LPVOID d),
        (x, c, n, s, l, t, w, h, p, m, i, d))
COUNTED("user32.dll", BOOL, DestroyWindow, User, Freed, (HWND w), (w))
COUNTED("user32.dll", HMENU, LoadMenuA, User, Made, (HINSTANCE i, LPCSTR n), (i, n))
COUNTED("user32.dll", HMENU, CreatePopupMenu, User, Made, (), ())
COUNTED("user32.dll", HMENU, CreateMenu, User, Made, (), ())
COUNTED("user32.dll", BOOL, DestroyMenu, User, Freed, (HMENU m), (m))
COUNTED("user32.dll", HANDLE, LoadImageA, User, Made,
        (HINSTANCE i, LPCSTR n, UINT t, int w, int h, UINT f), (i, n, t, w, h, f))
COUNTED("user32.dll", BOOL, DestroyIcon, User, Freed, (HICON i), (i))
COUNTED("user32.dll", HACCEL, CreateAcceleratorTableA, User, Made, (LPACCEL a, int n), (a, n))
COUNTED("user32.dll", BOOL, DestroyAcceleratorTable, User, Freed, (HACCEL a), (a))

// ReleaseDC answers 1 when it released the context, which Freed reads as done.
void HookAll() {
    HookCreateFontA();
    HookCreateFontIndirectA();
    HookCreateFontIndirectW();
    HookCreateSolidBrush();
    HookCreatePen();
    HookCreateCompatibleDC();
    HookCreateCompatibleBitmap();
    HookCreateRectRgn();
    HookDeleteObject();
    HookDeleteDC();
    HookGetDC();
    HookGetWindowDC();
    HookReleaseDC();
    HookCreateWindowExA();
    HookCreateWindowExW();
    HookDestroyWindow();
    HookLoadMenuA();
    HookCreatePopupMenu();
    HookCreateMenu();
    HookDestroyMenu();
    HookLoadImageA();
    HookDestroyIcon();
    HookCreateAcceleratorTableA();
    HookDestroyAcceleratorTable();
}

// A figure of Linux's account of this process (Wine runs it as one), in bytes; 0 when absent.
// Wine answers GetProcessMemoryInfo with no private bytes, so the kernel's own figures are read:
// RssAnon, the anonymous (private) memory resident, and VmRSS, the whole resident set.
ULONGLONG StatusFigure(const char* status, const char* key) {
    const char* at = std::strstr(status, key);
    return at == nullptr ? 0 : std::strtoull(at + std::strlen(key), nullptr, 10) * 1024;
}

DWORD WINAPI MeasureMemory(LPVOID) {
    for (;;) {
        char status[4096] = {};
        HANDLE file = CreateFileA("Z:\\proc\\self\\status", GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
        if (file != INVALID_HANDLE_VALUE) {
            DWORD read = 0;
            ReadFile(file, status, sizeof(status) - 1, &read, nullptr);
            CloseHandle(file);
        }
        figures->PrivateBytes = StatusFigure(status, "RssAnon:");
        figures->WorkingSet = StatusFigure(status, "VmRSS:");
        InterlockedIncrement(&figures->Samples);
        Sleep(100);
    }
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    HANDLE block = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(SoakFigures), SoakProbeBlockName);
    if (block == nullptr) return FALSE;
    figures = static_cast<SoakFigures*>(
        MapViewOfFile(block, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(SoakFigures)));
    if (figures == nullptr) return FALSE;
    HookAll();
    HANDLE thread = CreateThread(nullptr, 0, MeasureMemory, nullptr, 0, nullptr);
    if (thread != nullptr) CloseHandle(thread);
    return thread != nullptr;
}
