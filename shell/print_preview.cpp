#include "shell/print_preview.h"

#include <algorithm>
#include <string>

#include "controls/control_geometry.h"
#include "language/words.h"
#include "shell/shell_state.h"
#include "shell/tape_print.h"
#include "shell/ui_language.h"

namespace {

// A Unicode window: its title, in the chosen language, keeps every character whatever the code
// page.
constexpr const wchar_t* PreviewClassName = L"QUILLON_PRINT_PREVIEW";
constexpr int BarHeight = 32;
constexpr int ButtonWidth = 88;   // the least; a longer label widens every button
constexpr int LabelPadding = 16;  // a button's edges and a gap on each side of its label
constexpr int ButtonHeight = 24;
constexpr int Gap = 4;
constexpr int PaperMargin = 12;
constexpr int LineStep = 40;
constexpr int WindowWidth = 620;
constexpr int WindowHeight = 760;

enum PreviewButton : int { Previous = 1, Next, Zoom, Print, Close, ButtonCount = Close };
constexpr const char* ButtonLabels[] = {English("< P&revious"), English("&Next >"),
                                        English("&100 %"), English("&Print..."), English("Close")};
constexpr const char* FitLabel = English("Zoom to &fit");  // the zoom button's other label

struct Preview {
    HWND Window = nullptr;
    HWND Buttons[ButtonCount] = {};
    PrintLayout Layout;
    size_t Page = 0;
    bool RealSize = false;  // 100 %: one printed inch is one inch of the screen
    POINT Scroll = {};
};

Preview View;

int Scaled(int pixels) {
    return ScaleForDpi(pixels, static_cast<int32_t>(Shell.Dpi));
}

// The sheet's size on the screen at the current zoom.
SIZE PaperOnScreen(const RECT& client) {
    const SIZE paper = View.Layout.Paper;
    if (View.RealSize) {
        return {MulDiv(paper.cx, static_cast<int>(Shell.Dpi), View.Layout.Dpi),
                MulDiv(paper.cy, static_cast<int>(Shell.Dpi), View.Layout.Dpi)};
    }
    const int width = std::max<int>(1, client.right - 2 * Scaled(PaperMargin));
    const int height =
        std::max<int>(1, client.bottom - Scaled(BarHeight) - 2 * Scaled(PaperMargin));
    if (static_cast<int64_t>(width) * paper.cy <= static_cast<int64_t>(height) * paper.cx) {
        return {width, MulDiv(paper.cy, width, paper.cx)};
    }
    return {MulDiv(paper.cx, height, paper.cy), height};
}

RECT PaperRect(const RECT& client) {
    const SIZE size = PaperOnScreen(client);
    const int margin = Scaled(PaperMargin);
    const int left = std::max<int>(margin, (client.right - size.cx) / 2) - View.Scroll.x;
    const int top = Scaled(BarHeight) + margin - View.Scroll.y;
    return {left, top, left + size.cx, top + size.cy};
}

void UpdateScrollBars() {
    RECT client = {};
    GetClientRect(View.Window, &client);
    const SIZE size = PaperOnScreen(client);
    const int margin = 2 * Scaled(PaperMargin);
    const int bar[] = {SB_HORZ, SB_VERT};
    const int extent[] = {size.cx + margin, size.cy + margin};
    const int page[] = {client.right, client.bottom - Scaled(BarHeight)};
    LONG* position[] = {&View.Scroll.x, &View.Scroll.y};
    for (int i = 0; i < 2; ++i) {
        const int range = View.RealSize ? extent[i] : 0;
        *position[i] = std::clamp<LONG>(*position[i], 0, std::max(0, range - page[i]));
        SCROLLINFO info = {sizeof(info),
                           SIF_RANGE | SIF_PAGE | SIF_POS,
                           0,
                           range,
                           static_cast<UINT>(std::max(0, page[i])),
                           *position[i],
                           0};
        SetScrollInfo(View.Window, bar[i], &info, TRUE);
    }
}

// The title and the buttons follow the page and the zoom.
void ShowPage() {
    const std::string title =
        WordsWith("Print preview - Page %1 of %2",
                  {std::to_string(View.Page + 1), std::to_string(View.Layout.Pages.size())});
    SetWindowTextW(View.Window, WideWords(title.c_str()).c_str());
    EnableWindow(View.Buttons[Previous - 1], View.Page > 0);
    EnableWindow(View.Buttons[Next - 1], View.Page + 1 < View.Layout.Pages.size());
    SetWindowTextW(View.Buttons[Zoom - 1],
                   WideWords(Words(View.RealSize ? FitLabel : ButtonLabels[Zoom - 1])).c_str());
    UpdateScrollBars();
    InvalidateRect(View.Window, nullptr, TRUE);
}

void Paint(HWND window) {
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(window, &paint);
    RECT client = {};
    GetClientRect(window, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_APPWORKSPACE));
    const RECT paper = PaperRect(client);
    FillRect(dc, &paper, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FrameRect(dc, &paper, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, View.Layout.Paper.cx, View.Layout.Paper.cy, nullptr);
    SetViewportExtEx(dc, paper.right - paper.left, paper.bottom - paper.top, nullptr);
    SetViewportOrgEx(dc, paper.left, paper.top, nullptr);
    DrawPrintedPage(dc, View.Layout, View.Page);
    RestoreDC(dc, saved);
    EndPaint(window, &paint);
}

// One width for all buttons, from the longest label in the chosen language (the zoom button's
// either label), so that no label is cut and the bar does not move when the zoom changes.
int ButtonWidthForLabels() {
    HDC dc = GetDC(View.Window);
    HGDIOBJ previous = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    int widest = 0;
    for (int i = 0; i <= ButtonCount; ++i) {
        const std::wstring label = WideWords(Words(i < ButtonCount ? ButtonLabels[i] : FitLabel));
        RECT need = {};
        DrawTextW(dc, label.c_str(), -1, &need, DT_CALCRECT | DT_SINGLELINE);
        widest = std::max<int>(widest, need.right);
    }
    SelectObject(dc, previous);
    ReleaseDC(View.Window, dc);
    return std::max(Scaled(ButtonWidth), widest + Scaled(LabelPadding));
}

void PlaceButtons() {
    const int width = ButtonWidthForLabels();
    for (int i = 0; i < ButtonCount; ++i) {
        MoveWindow(View.Buttons[i], Scaled(Gap) + i * (width + Scaled(Gap)), Scaled(Gap), width,
                   Scaled(ButtonHeight), TRUE);
    }
}

void TurnTo(size_t page) {
    if (page >= View.Layout.Pages.size()) return;
    View.Page = page;
    View.Scroll = {};
    ShowPage();
}

void RunButton(int id) {
    if (id == Previous && View.Page > 0) TurnTo(View.Page - 1);
    if (id == Next) TurnTo(View.Page + 1);
    if (id == Zoom) {
        View.RealSize = !View.RealSize;
        ShowPage();
    }
    if (id == Print) PrintTape(View.Window);
    if (id == Close) DestroyWindow(View.Window);
    if (IsWindow(View.Window)) SetFocus(View.Window);
}

void ScrollBy(int bar, WPARAM request) {
    LONG& position = bar == SB_HORZ ? View.Scroll.x : View.Scroll.y;
    SCROLLINFO info = {};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(View.Window, bar, &info);
    switch (LOWORD(request)) {
        case SB_LINEUP:
            position -= Scaled(LineStep);
            break;
        case SB_LINEDOWN:
            position += Scaled(LineStep);
            break;
        case SB_PAGEUP:
            position -= static_cast<LONG>(info.nPage);
            break;
        case SB_PAGEDOWN:
            position += static_cast<LONG>(info.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            position = info.nTrackPos;
            break;
        default:
            return;
    }
    UpdateScrollBars();
    InvalidateRect(View.Window, nullptr, TRUE);
}

bool RunKey(WPARAM key) {
    switch (key) {
        case VK_NEXT:
            RunButton(Next);
            return true;
        case VK_PRIOR:
            RunButton(Previous);
            return true;
        case VK_ESCAPE:
            RunButton(Close);
            return true;
        case VK_DOWN:
            ScrollBy(SB_VERT, SB_LINEDOWN);
            return true;
        case VK_UP:
            ScrollBy(SB_VERT, SB_LINEUP);
            return true;
        default:
            return false;
    }
}

LRESULT CALLBACK PreviewProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint(window);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // painted whole in WM_PAINT
        case WM_SIZE:
            UpdateScrollBars();
            InvalidateRect(window, nullptr, TRUE);
            return 0;
        case WM_COMMAND:
            RunButton(LOWORD(wParam));
            return 0;
        case WM_KEYDOWN:
            if (RunKey(wParam)) return 0;
            break;
        case WM_VSCROLL:
            ScrollBy(SB_VERT, wParam);
            return 0;
        case WM_HSCROLL:
            ScrollBy(SB_HORZ, wParam);
            return 0;
        case WM_MOUSEWHEEL:
            ScrollBy(SB_VERT, GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN);
            return 0;
        case WM_DESTROY:
            View.Window = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void CreatePreviewWindow(HWND owner) {
    static bool defined = false;
    if (!defined) {
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = PreviewProcedure;
        windowClass.hInstance = Shell.Instance;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = PreviewClassName;
        defined = RegisterClassExW(&windowClass) != 0;
    }
    View.Window = CreateWindowExW(0, PreviewClassName, L"Print preview",
                                  WS_OVERLAPPEDWINDOW | WS_HSCROLL | WS_VSCROLL, CW_USEDEFAULT,
                                  CW_USEDEFAULT, Scaled(WindowWidth), Scaled(WindowHeight), owner,
                                  nullptr, Shell.Instance, nullptr);
    for (int i = 0; i < ButtonCount; ++i) {
        View.Buttons[i] = CreateWindowExA(
            0, "BUTTON", "", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0, View.Window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), Shell.Instance, nullptr);
        SetWindowTextW(View.Buttons[i], WideWords(Words(ButtonLabels[i])).c_str());
        SendMessageA(View.Buttons[i], WM_SETFONT,
                     reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    PlaceButtons();
}

}  // namespace

void ShowPrintPreview(HWND owner) {
    HDC printer = DefaultPrinterDc();
    PrintLayout layout = LayOutForPrinter(printer, LinesToPrint(PrintRange::All));
    if (printer != nullptr) DeleteDC(printer);
    if (layout.Pages.empty()) {
        const std::wstring text = WideWords(Words("The tape is empty: there is nothing to print."));
        MessageBoxW(owner, text.c_str(), WideWords(Shell.ProductName).c_str(), MB_OK);
        return;
    }
    if (View.Window == nullptr) CreatePreviewWindow(owner);
    View.Layout = std::move(layout);
    View.Page = 0;
    View.Scroll = {};
    ShowPage();
    ShowWindow(View.Window, SW_SHOW);
    SetForegroundWindow(View.Window);
    SetFocus(View.Window);
}
