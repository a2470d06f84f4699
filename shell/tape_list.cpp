#include "shell/tape_list.h"

#include <algorithm>
#include <string>

#include "controls/control_geometry.h"
#include "language/words.h"
#include "shell/dpi_support.h"
#include "shell/shell_state.h"
#include "shell/tape_view.h"
#include "shell/ui_language.h"
#include "tape/tape_layout.h"

namespace {

// Samples that measure the columns in the tape's font: notes scroll sideways.
constexpr const char* MarkSample = "= ";
constexpr const char* NumberSample = "-000,000,000,000,000,000,000,000 ";
constexpr const char* KeySample = "SQR";
constexpr const char* CountSample = "000,000";  // the widest count, in its words
constexpr int NoteCharacters = MaxNoteLength + 2;
constexpr int LinePadding = 2;

int TextWidth(HDC dc, const std::string& text) {
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The padding around a line at the window's DPI.
int Padding() {
    return ScaleForDpi(LinePadding, static_cast<int32_t>(Shell.Dpi));
}

int WordsWidth(HDC dc, const std::string& utf8) {
    const std::wstring text = WideWords(utf8.c_str());
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void DrawColumn(HDC dc, const std::string& text, int left, int right, const RECT& line,
                UINT align) {
    RECT box = {left, line.top, right, line.bottom};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box,
              align | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace

TapeView TapeShell;

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

// The columns measured in the font, so that numbers line up at their right edge in any font.
void MeasureColumns() {
    HDC dc = GetDC(TapeShell.List);
    HGDIOBJ previous = SelectObject(dc, TapeShell.Font);
    ColumnEdges& columns = TapeShell.Columns;
    columns.Number = Padding() + TextWidth(dc, MarkSample) + TextWidth(dc, NumberSample);
    columns.Key = columns.Number + TextWidth(dc, " ");
    columns.Rest = columns.Key + TextWidth(dc, KeySample);
    columns.Count = std::max(WordsWidth(dc, "  " + WordsWith("%1 numbers", {CountSample})),
                             WordsWidth(dc, "  " + WordsWith("%1 items", {CountSample})));
    columns.Note = TextWidth(dc, std::string(NoteCharacters, 'n'));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(TapeShell.List, dc);
    SendMessageA(TapeShell.List, LB_SETITEMHEIGHT, 0, metrics.tmHeight + Padding());
    SendMessageA(TapeShell.List, LB_SETHORIZONTALEXTENT,
                 columns.Rest + columns.Count + columns.Note, 0);
}

// A line of the tape in its columns: the mark at the left, the number ending at its edge.
void DrawLine(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1)) return;
    const bool selected = (item.itemState & ODS_SELECTED) != 0;
    FillRect(item.hDC, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (item.itemID < TapeShell.Keeper.Lines.Lines.size()) {
        const TapeEntry& entry = TapeShell.Keeper.Lines.Lines[item.itemID];
        const TapeLineColumns line = ColumnsOfLine(entry);
        const int left = item.rcItem.left;
        const ColumnEdges& edges = TapeShell.Columns;
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        DrawColumn(item.hDC, line.Mark, left + Padding(), left + edges.Number, item.rcItem,
                   DT_LEFT);
        DrawColumn(item.hDC, line.Number, left, left + edges.Number, item.rcItem, DT_RIGHT);
        DrawColumn(item.hDC, line.Key, left + edges.Key, left + edges.Rest, item.rcItem, DT_LEFT);
        RECT rest = {left + edges.Rest, item.rcItem.top, item.rcItem.right, item.rcItem.bottom};
        const std::wstring words = WideWords(ShownRest(entry).c_str());
        DrawTextW(item.hDC, words.c_str(), static_cast<int>(words.size()), &rest,
                  DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
}

int TapeWindowWidth() {
    const UINT dpi = Shell.Dpi;
    RECT outer = {
        0, 0,
        TapeShell.Columns.Rest + TapeShell.Columns.Count + SystemMetricForDpi(SM_CXVSCROLL, dpi),
        0};
    AdjustRectForDpi(outer, static_cast<DWORD>(GetWindowLongA(TapeShell.Window, GWL_STYLE)), dpi);
    return outer.right - outer.left + 2 * SystemMetricForDpi(SM_CXEDGE, dpi);
}
