// Loaded into quillon.exe by the screen-reader tests, where Wine lacks what Windows has: it
// replaces two of the program's imports and stays loaded.
// - SystemParametersInfoA reports high contrast on while the file "high-contrast-on" exists
//   in the working directory.
// - GetProcAddress hands out a UiaRaiseNotificationEvent (Windows 10 1709 and later) that
//   appends each notification to "uia-notifications.txt": kind, processing, activity, text.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "import_patch.h"

namespace {

using SystemParametersInfoFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);
using GetProcAddressFunction = FARPROC(WINAPI*)(HMODULE, LPCSTR);

SystemParametersInfoFunction systemParameters = nullptr;
GetProcAddressFunction systemGetProcAddress = nullptr;

BOOL WINAPI AnswerWithHighContrast(UINT action, UINT size, PVOID data, UINT flags) {
    const BOOL answered = systemParameters(action, size, data, flags);
    if (action == SPI_GETHIGHCONTRAST &&
        GetFileAttributesA("high-contrast-on") != INVALID_FILE_ATTRIBUTES) {
        static_cast<HIGHCONTRASTA*>(data)->dwFlags |= HCF_HIGHCONTRASTON;
        return TRUE;
    }
    return answered;
}

HRESULT WINAPI RecordNotification(IUnknown* provider, int kind, int processing, BSTR text,
                                  BSTR activity) {
    FILE* out = std::fopen("uia-notifications.txt", "ab");
    if (out == nullptr) return E_FAIL;
    std::fprintf(out, "%s %d %d %ls|%ls\n", provider != nullptr ? "provider" : "none", kind,
                 processing, activity, text);
    std::fclose(out);
    return S_OK;
}

FARPROC WINAPI OfferNotification(HMODULE library, LPCSTR name) {
    if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0 &&
        std::strcmp(name, "UiaRaiseNotificationEvent") == 0) {
        return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(&RecordNotification));
    }
    return systemGetProcAddress(library, name);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    systemParameters = reinterpret_cast<SystemParametersInfoFunction>(ReplaceImport(
        "user32.dll", "SystemParametersInfoA", reinterpret_cast<void*>(&AnswerWithHighContrast)));
    systemGetProcAddress = reinterpret_cast<GetProcAddressFunction>(ReplaceImport(
        "kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&OfferNotification)));
    return systemParameters != nullptr && systemGetProcAddress != nullptr;
}
