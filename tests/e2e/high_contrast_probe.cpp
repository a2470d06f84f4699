// Loaded into quillon.exe by the high-contrast test: Wine has no high-contrast mode, so
// the probe stands in for the system's answer. It replaces the program's import of
// SystemParametersInfoA by one that reports high contrast on while the file
// "high-contrast-on" exists in the working directory, and stays loaded.
#include <windows.h>

namespace {

using SystemParametersInfoFunction = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT);

SystemParametersInfoFunction systemAnswer = nullptr;

BOOL WINAPI AnswerWithHighContrast(UINT action, UINT size, PVOID data, UINT flags) {
    const BOOL answered = systemAnswer(action, size, data, flags);
    if (action == SPI_GETHIGHCONTRAST &&
        GetFileAttributesA("high-contrast-on") != INVALID_FILE_ATTRIBUTES) {
        auto* contrast = static_cast<HIGHCONTRASTA*>(data);
        contrast->dwFlags |= HCF_HIGHCONTRASTON;
        return TRUE;
    }
    return answered;
}

// The program's import address slot of `name` from user32.dll, or null.
ULONG_PTR* ImportSlot(const char* name) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    const auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    const auto* headers = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name != 0; ++library) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + library->Name), "user32.dll") != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
        for (; names->u1.AddressOfData != 0; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            const auto* byName =
                reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<const char*>(byName->Name), name) == 0) {
                return &slots->u1.Function;
            }
        }
    }
    return nullptr;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    ULONG_PTR* slot = ImportSlot("SystemParametersInfoA");
    if (slot == nullptr) return FALSE;
    DWORD protection = 0;
    VirtualProtect(slot, sizeof(*slot), PAGE_READWRITE, &protection);
    systemAnswer = reinterpret_cast<SystemParametersInfoFunction>(*slot);
    *slot = reinterpret_cast<ULONG_PTR>(&AnswerWithHighContrast);
    VirtualProtect(slot, sizeof(*slot), protection, &protection);
    return TRUE;
}
