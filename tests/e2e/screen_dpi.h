// The screen DPI new programs of the Wine prefix take, for the GUI cases that need another.
#pragma once

#include <windows.h>

// The screen DPI new programs of the prefix take (LogPixels), set for one case and put
// back as it was when the case ends.
struct ScreenDpi {
    HKEY Key = nullptr;
    DWORD Saved = 0;
    bool HadValue = false;

    ScreenDpi() {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0,
                        KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &Key, nullptr);
        DWORD size = sizeof(Saved);
        HadValue = RegQueryValueExA(Key, "LogPixels", nullptr, nullptr,
                                    reinterpret_cast<BYTE*>(&Saved), &size) == ERROR_SUCCESS;
    }
    ~ScreenDpi() {
        if (HadValue) {
            Set(Saved);
        } else {
            RegDeleteValueA(Key, "LogPixels");
        }
        RegCloseKey(Key);
    }
    ScreenDpi(const ScreenDpi&) = delete;
    ScreenDpi& operator=(const ScreenDpi&) = delete;
    void Set(DWORD dpi) const {
        RegSetValueExA(Key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi),
                       sizeof(dpi));
    }
};
