#include "shell/tape_list.h"

#include <algorithm>
#include <string>

#include "controls/control_geometry.h"
#include "language/words.h"
#include "shell/app_theme.h"
#include "shell/dpi_support.h"
#include "shell/shell_state.h"
#include "shell/tape_view.h"
#include "shell/ui_language.h"
#include "tape/tape_layout.h"

namespace {

constexpr int MaxItemHeight = 255;  // what a list box keeps of an item's height
constexpr int RuleWidth = 1;        // at 96 DPI

constexpr int LineSpace = 2;  // at 96 DPI, below a row of text

int LineDpi() {
    return static_cast<int>(Shell.Dpi);
}

int RowHeight(HDC dc, const TapeLineLook& look) {
    HGDIOBJ previous = SelectObject(dc, look.Font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    return metrics.tmHeight + metrics.tmExternalLeading + ScaleForDpi(LineSpace, look.Dpi);
}

// The count and note of a line in the chosen language, without the spaces that set them apart
// on one line.
std::wstring RestWords(const TapeEntry& entry) {
    const std::string rest = ShownRest(entry);
    const size_t start = rest.find_first_not_of(' ');
    return start == std::string::npos ? std::wstring() : WideWords(rest.substr(start).c_str());
}

void DrawColumn(HDC dc, const std::string& text, int left, int right, int top, int bottom,
                UINT align) {
    RECT box = {left, top, right, bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

// The rectangle the indented count and note take below the line's first row.
RECT RestBox(const RECT& rect, int top, const TapeLineLook& look) {
    return {rect.left + look.Columns.Indent, top, rect.right - look.Columns.Padding, rect.bottom};
}

bool IsResult(const TapeEntry& entry) {
    return entry.Role == TapeRole::Result || entry.Role == TapeRole::KeyResult;
}

}  // namespace

TapeView TapeShell;

int TapeLineHeight(HDC dc, const TapeEntry& entry, int width, const TapeLineLook& look) {
    const int row = RowHeight(dc, look);
    const std::wstring rest = RestWords(entry);
    if (rest.empty()) return row;
    HGDIOBJ previous = SelectObject(dc, look.Font);
    RECT box = RestBox({0, 0, width, 0}, 0, look);
    DrawTextW(dc, rest.c_str(), static_cast<int>(rest.size()), &box,
              DT_CALCRECT | DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    SelectObject(dc, previous);
    return row + (box.bottom - box.top) + ScaleForDpi(LineSpace, look.Dpi);
}

void DrawTapeLine(HDC dc, const TapeEntry& entry, const RECT& rect, const TapeLineLook& look) {
    HBRUSH face = CreateSolidBrush(look.Face);
    FillRect(dc, &rect, face);
    DeleteObject(face);
    const TapeLineColumns line = ColumnsOfLine(entry);
    const TapeColumns& columns = look.Columns;
    const int row = RowHeight(dc, look);
    const int top = rect.top;
    // Wider than a line: the number and key keep to the right edge, the mark to the left.
    const int shift = std::max(0, static_cast<int>(rect.right - rect.left) - columns.Line);
    const int left = rect.left + shift;
    if (entry.Role == TapeRole::Result) {
        const RECT rule = {left + columns.Padding, top,
                           rect.left + shift + columns.KeyStart - columns.Padding,
                           top + ScaleForDpi(RuleWidth, look.Dpi)};
        HBRUSH ruleBrush = CreateSolidBrush(look.Rule);
        FillRect(dc, &rule, ruleBrush);
        DeleteObject(ruleBrush);
    }
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ previous = SelectObject(dc, IsResult(entry) ? look.BoldFont : look.Font);
    SetTextColor(dc, look.Text);
    DrawColumn(dc, line.Mark, rect.left + columns.Padding, left + columns.NumberEnd, top, top + row,
               DT_LEFT);
    const bool negative = !line.Number.empty() && line.Number.front() == '-';
    SetTextColor(dc, negative ? look.Negative : look.Text);
    DrawColumn(dc, line.Number, rect.left, left + columns.NumberEnd, top, top + row, DT_RIGHT);
    SetTextColor(dc, look.Text);
    DrawColumn(dc, line.Key, left + columns.KeyStart, rect.right, top, top + row, DT_LEFT);
    SelectObject(dc, look.Font);
    const std::wstring rest = RestWords(entry);
    if (!rest.empty()) {
        RECT box = RestBox(rect, top + row, look);
        SetTextColor(dc, look.Note);
        DrawTextW(dc, rest.c_str(), static_cast<int>(rest.size()), &box,
                  DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX);
    }
    SelectObject(dc, previous);
}

TapeLineLook WindowLineLook() {
    TapeLineLook look;
    look.Dpi = LineDpi();
    look.Font = TapeShell.Font;
    look.BoldFont = TapeShell.BoldFont;
    look.Columns = TapeShell.Columns;
    if (const ColourScheme* scheme = ShownScheme()) {
        look.Face = scheme->TapeFace;
        look.Text = scheme->TapeText;
        look.Negative = scheme->TapeNegative;
        look.Rule = scheme->TapeRule;
        look.Note = scheme->TapeNote;
    } else {  // high contrast: the system's colours, no colour of our own
        look.Face = GetSysColor(COLOR_WINDOW);
        look.Text = look.Negative = look.Rule = look.Note = GetSysColor(COLOR_WINDOWTEXT);
    }
    return look;
}

int SelectedLine() {
    return static_cast<int>(SendMessageA(TapeShell.List, LB_GETCURSEL, 0, 0));
}

const TapeEntry* SelectedEntry() {
    const int line = SelectedLine();
    if (line < 0 || static_cast<size_t>(line) >= TapeShell.Keeper.Lines.Lines.size())
        return nullptr;
    return &TapeShell.Keeper.Lines.Lines[line];
}

void AddLine(const TapeEntry& entry) {
    SendMessageA(TapeShell.List, LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(TapeLineText(entry).c_str()));
}

void FillList() {
    SendMessageA(TapeShell.List, WM_SETREDRAW, FALSE, 0);
    const int selected = SelectedLine();
    SendMessageA(TapeShell.List, LB_RESETCONTENT, 0, 0);
    for (const TapeEntry& entry : TapeShell.Keeper.Lines.Lines) AddLine(entry);
    SendMessageA(TapeShell.List, LB_SETCURSEL, selected, 0);
    SendMessageA(TapeShell.List, WM_SETREDRAW, TRUE, 0);
}

// The columns from the width of a digit: the tape font's digits all share one width.
void MeasureColumns() {
    HDC dc = GetDC(TapeShell.List);
    HGDIOBJ previous = SelectObject(dc, TapeShell.BoldFont);
    SIZE digit = {};
    GetTextExtentPoint32A(dc, "0", 1, &digit);
    SelectObject(dc, previous);
    ReleaseDC(TapeShell.List, dc);
    TapeShell.Columns = TapeColumnsFor(digit.cx, LineDpi());
}

void MeasureLine(MEASUREITEMSTRUCT& item) {
    const auto& lines = TapeShell.Keeper.Lines.Lines;
    if (item.itemID >= lines.size()) return;
    RECT client = {};
    GetClientRect(TapeShell.List, &client);
    HDC dc = GetDC(TapeShell.List);
    const int height = TapeLineHeight(dc, lines[item.itemID], client.right, WindowLineLook());
    ReleaseDC(TapeShell.List, dc);
    item.itemHeight = static_cast<UINT>(std::min(height, MaxItemHeight));
}

void MeasureLines() {
    const auto& lines = TapeShell.Keeper.Lines.Lines;
    RECT client = {};
    GetClientRect(TapeShell.List, &client);
    HDC dc = GetDC(TapeShell.List);
    const TapeLineLook look = WindowLineLook();
    for (size_t i = 0; i < lines.size(); ++i) {
        const int height =
            std::min(TapeLineHeight(dc, lines[i], client.right, look), MaxItemHeight);
        SendMessageA(TapeShell.List, LB_SETITEMHEIGHT, i, height);
    }
    ReleaseDC(TapeShell.List, dc);
    InvalidateRect(TapeShell.List, nullptr, TRUE);
}

void DrawLine(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    TapeLineLook look = WindowLineLook();
    if (item.itemState & ODS_SELECTED) {
        if (const ColourScheme* scheme = ShownScheme()) {
            look.Face = scheme->SelectedFace;
            look.Text = look.Negative = look.Note = look.Rule = scheme->SelectedText;
        } else {
            look.Face = GetSysColor(COLOR_HIGHLIGHT);
            look.Text = look.Negative = look.Note = look.Rule = GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
    }
    if (item.itemID < TapeShell.Keeper.Lines.Lines.size()) {
        DrawTapeLine(item.hDC, TapeShell.Keeper.Lines.Lines[item.itemID], item.rcItem, look);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

int NarrowTapeWidth() {
    const UINT dpi = Shell.Dpi;
    RECT outer = {0, 0, TapeShell.Columns.Line + SystemMetricForDpi(SM_CXVSCROLL, dpi), 0};
    AdjustRectForDpi(outer, static_cast<DWORD>(GetWindowLongA(TapeShell.Window, GWL_STYLE)), dpi);
    return outer.right - outer.left + 2 * SystemMetricForDpi(SM_CXEDGE, dpi);
}

int TapeWindowWidth() {
    const int32_t kept = Shell.Context.Settings.TAPE_WIDTH;
    const int narrow = NarrowTapeWidth();
    if (kept == NarrowTape) return narrow;
    return std::max(narrow, ScaleForDpi(kept, LineDpi()));
}
