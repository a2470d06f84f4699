// Loaded into quillon.exe by the screen-reader tests, where Wine lacks what Windows has: it
// replaces two of the program's imports and stays loaded.
// - SystemParametersInfoA reports high contrast on while the file "high-contrast-on" exists
//   in the working directory.
// - GetProcAddress hands out a UiaRaiseNotificationEvent (Windows 10 1709 and later) that
//   appends each notification to "uia-notifications.txt": kind, processing, activity, text.
#include <windows.h>

#include <cstdio>
#include <cstring>

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

// Points every import slot of `name` from `libraryName` at `replacement`; the function it
// held before, or null when the program imports no such function.
void* ReplaceImport(const char* libraryName, const char* name, void* replacement) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    void* previous = nullptr;
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name != 0; ++library) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + library->Name), libraryName) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), name) != 0) continue;
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof(ULONG_PTR), PAGE_READWRITE, &protection);
            previous = reinterpret_cast<void*>(slots->u1.Function);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
            VirtualProtect(&slots->u1.Function, sizeof(ULONG_PTR), protection, &protection);
        }
    }
    return previous;
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
