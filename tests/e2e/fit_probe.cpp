// Loaded into quillon.exe once by the fit check, and stays: each time the driver sets the
// request event, it measures every text of the program's shown and enabled windows but the main
// window in the font it is drawn in (the control's own, else its window's) against the room it
// has: the texts of buttons and static texts, the items of drop-down lists, the column titles of
// list views and the windows' titles. It writes one UTF-8 line for each text that does not fit,
// or that lost letters to the ANSI code page, to "clipped.txt" in the working directory: an empty
// file when all is well.
#include <windows.h>

// commctrl.h takes its types from windows.h.
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "fit_probe.h"

namespace {

struct Search {
    std::string Clipped;
    HWND Window = nullptr;  // the top-level window being measured
};

std::string Utf8Of(const std::wstring& text) {
    char utf8[2048] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8, sizeof(utf8), nullptr, nullptr);
    return utf8;
}

std::wstring TextOf(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return text;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// What a control draws its text with: its own font, else its window's, else the system font
// a control is given when nobody sets one.
HFONT FontOf(HWND control) {
    for (HWND window = control; window != nullptr; window = GetParent(window)) {
        if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0))) {
            return font;
        }
    }
    return static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

struct Measured {
    SIZE Need;
    int AverageChar;
};

// The size `text` takes in `font`; `wrapWidth` > 0 breaks it into lines of that width.
Measured Measure(HWND window, HFONT font, const std::wstring& text, UINT format, int wrapWidth) {
    HDC dc = GetDC(window);
    HGDIOBJ previous = SelectObject(dc, font);
    TEXTMETRICW metrics = {};
    GetTextMetricsW(dc, &metrics);
    RECT need = {0, 0, wrapWidth, 0};
    DrawTextW(dc, text.c_str(), -1, &need,
              DT_CALCRECT | format | (wrapWidth > 0 ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, previous);
    ReleaseDC(window, dc);
    return {{need.right, need.bottom}, metrics.tmAveCharWidth};
}

void Report(Search& search, const std::wstring& text, SIZE need, SIZE room) {
    // No text of these windows has a question mark of its own: one is a letter that a pass
    // through the ANSI code page lost.
    const bool lost = text.find(L'?') != std::wstring::npos;
    if (!lost && need.cx <= room.cx && need.cy <= room.cy) return;
    // Appended piece by piece: gcc 12 warns falsely (-Wrestrict) on a chain of string sums.
    std::string& line = search.Clipped;
    line.append("\"").append(Utf8Of(TextOf(search.Window))).append("\": \"");
    line.append(Utf8Of(text)).append("\" needs ").append(std::to_string(need.cx)).append("x");
    line.append(std::to_string(need.cy)).append(", has ").append(std::to_string(room.cx));
    line.append("x").append(std::to_string(room.cy));
    line.append(lost ? ", has lost letters\n" : "\n");
}

// The width a button leaves its text: a check box or radio button its box and gap, a group
// box its frame, a push button its edges.
int ButtonRoom(LONG style, int width, int averageChar) {
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return width - GetSystemMetrics(SM_CXMENUCHECK) - averageChar / 2 - 2;
        case BS_GROUPBOX:
            return width - 2 * averageChar;
        default:
            return width - 2 * GetSystemMetrics(SM_CXEDGE) - 4;
    }
}

void MeasureButton(Search& search, HWND control, LONG style, const RECT& client) {
    const LONG type = style & BS_TYPEMASK;
    if (type == BS_OWNERDRAW || (style & (BS_BITMAP | BS_ICON)) != 0) return;
    const std::wstring text = TextOf(control);
    if (text.empty()) return;
    const bool wraps = (style & BS_MULTILINE) != 0;
    HFONT font = FontOf(control);
    const int averageChar = Measure(control, font, L"x", 0, 0).AverageChar;
    const int room = ButtonRoom(style, client.right, averageChar);
    const Measured textSize = Measure(control, font, text, 0, wraps ? room : 0);
    const LONG height = type == BS_GROUPBOX ? textSize.Need.cy : client.bottom;
    Report(search, text, textSize.Need, {room, height});
}

void MeasureStatic(Search& search, HWND control, LONG style, const RECT& client) {
    const LONG type = style & SS_TYPEMASK;
    // Pictures and drawn statics carry no text; an ellipsis style shortens its text by design.
    if (type > SS_RIGHT && type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP) return;
    if ((style & SS_ELLIPSISMASK) != 0) return;
    const std::wstring text = TextOf(control);
    if (text.empty()) return;
    const bool wraps = type <= SS_RIGHT && (style & SS_CENTERIMAGE) == 0;
    const UINT format = (style & SS_NOPREFIX) != 0 ? DT_NOPREFIX : 0;
    const Measured measured =
        Measure(control, FontOf(control), text, format | DT_EXPANDTABS, wraps ? client.right : 0);
    Report(search, text, measured.Need, {client.right, client.bottom});
}

// The shown item of a drop-down list: its box less the drop button and edges.
void MeasureComboItems(Search& search, HWND combo, const RECT& client) {
    const int room =
        client.right - GetSystemMetrics(SM_CXVSCROLL) - 4 * GetSystemMetrics(SM_CXEDGE);
    const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[512] = {};
        if (SendMessageW(combo, CB_GETLBTEXTLEN, i, 0) >= 512) continue;
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        const Measured measured = Measure(combo, FontOf(combo), text, DT_NOPREFIX, 0);
        Report(search, text, measured.Need, {room, client.bottom});
    }
}

// The column titles of a list view: each column less the header's margins.
void MeasureColumnTitles(Search& search, HWND list) {
    HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    if (header == nullptr) return;
    const int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        HDITEMW item = {};
        item.mask = HDI_TEXT | HDI_WIDTH;
        item.pszText = text;
        item.cchTextMax = 256;
        SendMessageW(header, HDM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        RECT box = {};
        SendMessageW(header, HDM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&box));
        const Measured measured = Measure(header, FontOf(header), text, 0, 0);
        Report(search, text, measured.Need, {item.cxy - 2 * margin, box.bottom - box.top});
    }
}

BOOL CALLBACK MeasureControl(HWND control, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    if (!IsWindowVisible(control)) return TRUE;
    const std::string className = ClassOf(control);
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    RECT client = {};
    GetClientRect(control, &client);
    if (lstrcmpiA(className.c_str(), "Button") == 0) {
        MeasureButton(search, control, style, client);
    } else if (lstrcmpiA(className.c_str(), "Static") == 0) {
        MeasureStatic(search, control, style, client);
    } else if (lstrcmpiA(className.c_str(), "ComboBox") == 0 && (style & 3) == CBS_DROPDOWNLIST) {
        MeasureComboItems(search, control, client);
    } else if (lstrcmpiA(className.c_str(), WC_LISTVIEWA) == 0) {
        MeasureColumnTitles(search, control);
    }
    return TRUE;
}

// A window's title in its caption font, beside its icon and its caption buttons.
void MeasureTitle(Search& search, HWND window) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    if ((style & WS_CAPTION) != WS_CAPTION) return;
    const bool tool = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
    const bool dialog = ClassOf(window) == "#32770";
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof(metrics);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    HFONT font = CreateFontIndirectW(tool ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont);
    const std::wstring text = TextOf(window);
    const Measured measured = Measure(window, font, text, DT_NOPREFIX, 0);
    DeleteObject(font);
    RECT outer = {};
    GetWindowRect(window, &outer);
    const int buttons = ((style & WS_SYSMENU) != 0 ? 1 : 0) +
                        ((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0 ? 2 : 0);
    const int icon = (style & WS_SYSMENU) != 0 && !tool && !dialog
                         ? GetSystemMetrics(SM_CXSMICON) + GetSystemMetrics(SM_CXEDGE)
                         : 0;
    const int frame =
        GetSystemMetrics((style & WS_THICKFRAME) != 0 ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME) +
        GetSystemMetrics(SM_CXEDGE);
    const int room = outer.right - outer.left - 2 * frame - icon -
                     buttons * GetSystemMetrics(tool ? SM_CXSMSIZE : SM_CXSIZE);
    Report(search, text, measured.Need, {room, measured.Need.cy});
}

BOOL CALLBACK MeasureWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    // A window under an open dialog is disabled: it was measured before the dialog opened.
    if (processId != GetCurrentProcessId() || !IsWindowVisible(window) ||
        !IsWindowEnabled(window)) {
        return TRUE;
    }
    // The main window's keys carry symbols, not words, in the face and size the user chose.
    if (ClassOf(window) == "QUILLON") return TRUE;
    search.Window = window;
    MeasureTitle(search, window);
    EnumChildWindows(window, MeasureControl, parameter);
    return TRUE;
}

// Measures each time the driver asks, outside the loader lock: the program's thread answers the
// probe's messages, and may itself be loading a library meanwhile.
DWORD WINAPI MeasureOnRequest(LPVOID request) {
    while (WaitForSingleObject(request, INFINITE) == WAIT_OBJECT_0) {
        Search search;
        EnumWindows(MeasureWindow, reinterpret_cast<LPARAM>(&search));
        if (FILE* out = std::fopen("clipped.tmp", "wb")) {
            std::fputs(search.Clipped.c_str(), out);
            std::fclose(out);
            MoveFileExA("clipped.tmp", "clipped.txt", MOVEFILE_REPLACE_EXISTING);
        }
    }
    return 0;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) return TRUE;
    HANDLE request =
        CreateEventA(nullptr, FALSE, FALSE, FitRequestEventName(GetCurrentProcessId()).c_str());
    if (request == nullptr) return FALSE;
    HANDLE thread = CreateThread(nullptr, 0, MeasureOnRequest, request, 0, nullptr);
    if (thread == nullptr) return FALSE;
    CloseHandle(thread);
    return TRUE;
}
