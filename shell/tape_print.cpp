#include "shell/tape_print.h"

#include <commdlg.h>
#include <dlgs.h>

#include <algorithm>
#include <string>

#include "language/words.h"
#include "shell/shell_state.h"
#include "shell/tape_list.h"
#include "shell/tape_view.h"
#include "shell/ui_language.h"
#include "tape/tape_names.h"
#include "tape/tape_replay.h"

namespace {

constexpr int FontPoints = 10;
constexpr int PointsPerInch = 72;
constexpr int MarginDivisor = 2;  // half an inch from the sheet's edges
// Without a printer: an A4 sheet (210 mm by 297 mm) at 600 dpi.
constexpr int DefaultDpi = 600;
constexpr int A4WidthTenthsMm = 2100;
constexpr int A4HeightTenthsMm = 2970;
constexpr int TenthsMmPerInch = 254;
constexpr const wchar_t* PrintFace = L"Arial";
constexpr int DateBufferSize = 64;

// The tape's TrueType font at the printer's resolution; bold for results and the name.
HFONT CreatePrintFont(int dpi, bool strong) {
    return CreateFontW(-MulDiv(FontPoints, dpi, PointsPerInch), 0, 0, 0,
                       strong ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_TT_ONLY_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, PrintFace);
}

// The two fonts, selected in turn into one device context and let go with it.
struct PrintFonts {
    PrintFonts(HDC dc, int dpi) : Dc(dc), Normal(CreatePrintFont(dpi, false)) {
        Strong = CreatePrintFont(dpi, true);
        Old = SelectObject(dc, Normal);
    }
    ~PrintFonts() {
        SelectObject(Dc, Old);
        DeleteObject(Normal);
        DeleteObject(Strong);
    }
    void Use(bool strong) const { SelectObject(Dc, strong ? Strong : Normal); }

    HDC Dc;
    HFONT Normal;
    HFONT Strong = nullptr;
    HGDIOBJ Old = nullptr;
};

// The sheet and the area inside the printer's margins and half an inch from each edge.
void MeasureSheet(HDC printer, PrintLayout& layout) {
    if (printer == nullptr) {
        layout.Dpi = DefaultDpi;
        layout.Paper = {MulDiv(A4WidthTenthsMm, DefaultDpi, TenthsMmPerInch),
                        MulDiv(A4HeightTenthsMm, DefaultDpi, TenthsMmPerInch)};
        const int margin = DefaultDpi / MarginDivisor;
        layout.Area = {margin, margin, layout.Paper.cx - margin, layout.Paper.cy - margin};
        return;
    }
    layout.Dpi = GetDeviceCaps(printer, LOGPIXELSY);
    layout.Paper = {GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)};
    const int left = GetDeviceCaps(printer, PHYSICALOFFSETX);
    const int top = GetDeviceCaps(printer, PHYSICALOFFSETY);
    const RECT printable = {left, top, left + GetDeviceCaps(printer, HORZRES),
                            top + GetDeviceCaps(printer, VERTRES)};
    const int marginX = GetDeviceCaps(printer, LOGPIXELSX) / MarginDivisor;
    const int marginY = layout.Dpi / MarginDivisor;
    layout.Area = {std::max<LONG>(printable.left, marginX), std::max<LONG>(printable.top, marginY),
                   std::min<LONG>(printable.right, layout.Paper.cx - marginX),
                   std::min<LONG>(printable.bottom, layout.Paper.cy - marginY)};
}

std::string PrintedAt() {
    char date[DateBufferSize] = {};
    char time[DateBufferSize] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, DateBufferSize);
    GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, time, DateBufferSize);
    return std::string(date) + " " + time;
}

// Sends every page to the printer of `dc`; false when the printer refused the job.
bool SendPages(HDC dc, const PrintLayout& layout) {
    const std::wstring title = L"Quillon tape";
    DOCINFOW document = {};
    document.cbSize = sizeof(document);
    document.lpszDocName = title.c_str();
    if (StartDocW(dc, &document) <= 0) return false;
    bool sent = true;
    for (size_t i = 0; i < layout.Pages.size() && sent; ++i) {
        sent = StartPage(dc) > 0;
        // The printer draws from its printable area's corner, not the sheet's.
        SetViewportOrgEx(dc, -GetDeviceCaps(dc, PHYSICALOFFSETX),
                         -GetDeviceCaps(dc, PHYSICALOFFSETY), nullptr);
        if (sent) DrawPrintedPage(dc, layout, i);
        sent = sent && EndPage(dc) > 0;
    }
    if (sent) {
        EndDoc(dc);
    } else {
        AbortDoc(dc);
    }
    return sent;
}

void Tell(HWND owner, const char* words) {
    MessageBoxW(owner, WideWords(words).c_str(), WideWords(Shell.ProductName).c_str(),
                MB_OK | MB_ICONEXCLAMATION);
}

// The print dialog's third range choice, "Pages" with its page numbers, becomes "Current
// calculation": a tape has no pages before it is laid out for the printer chosen.
UINT_PTR CALLBACK OfferCalculation(HWND dialog, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) return 0;
    SetDlgItemTextW(dialog, rad3, L"Current &calculation");
    for (const int hidden : {edt1, edt2, stc2, stc3})
        ShowWindow(GetDlgItem(dialog, hidden), SW_HIDE);
    return 0;
}

}  // namespace

std::vector<TapeEntry> LinesToPrint(PrintRange range) {
    const Tape& tape = TapeShell.Keeper.Lines;
    size_t first = 0;
    size_t end = tape.Lines.size();
    if (range == PrintRange::Selection && SelectedEntry() != nullptr) {
        first = static_cast<size_t>(SelectedLine());
        end = first + 1;
    } else if (range == PrintRange::Calculation && !tape.Lines.empty()) {
        first = CalculationStart(tape, tape.Lines.size() - 1);
    }
    return std::vector<TapeEntry>(tape.Lines.begin() + static_cast<ptrdiff_t>(first),
                                  tape.Lines.begin() + static_cast<ptrdiff_t>(end));
}

PrintLayout LayOutForPrinter(HDC printer, const std::vector<TapeEntry>& lines) {
    PrintLayout layout;
    MeasureSheet(printer, layout);
    HDC dc = printer != nullptr ? printer : GetDC(nullptr);
    {
        const PrintFonts fonts(dc, layout.Dpi);
        TEXTMETRICW metrics = {};
        GetTextMetricsW(dc, &metrics);
        PageMeasures page;
        page.Width = layout.Area.right - layout.Area.left;
        page.Height = layout.Area.bottom - layout.Area.top;
        page.LineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        page.TextWidth = [&fonts, dc](std::string_view text, bool strong) {
            fonts.Use(strong);
            SIZE size = {};
            GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
            return static_cast<int32_t>(size.cx);
        };
        const PageHeader header{TapeName(TapeShell.Keeper.Store.Path), PrintedAt()};
        layout.Pages = LayOutPages(lines, header, page);
    }
    if (printer == nullptr) ReleaseDC(nullptr, dc);
    return layout;
}

void DrawPrintedPage(HDC dc, const PrintLayout& layout, size_t index) {
    if (index >= layout.Pages.size()) return;
    const PrintFonts fonts(dc, layout.Dpi);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    for (const PageText& text : layout.Pages[index].Texts) {
        fonts.Use(text.Strong);
        TextOutA(dc, layout.Area.left + text.X, layout.Area.top + text.Y, text.Text.c_str(),
                 static_cast<int>(text.Text.size()));
    }
}

HDC DefaultPrinterDc() {
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.Flags = PD_RETURNDEFAULT | PD_RETURNDC;
    if (!PrintDlgW(&dialog)) return nullptr;
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    return dialog.hDC;
}

void PrintTape(HWND owner) {
    PRINTDLGW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_ENABLEPRINTHOOK;
    if (SelectedEntry() == nullptr) dialog.Flags |= PD_NOSELECTION;
    dialog.nFromPage = dialog.nToPage = dialog.nMinPage = dialog.nMaxPage = 1;
    dialog.lpfnPrintHook = OfferCalculation;
    const BOOL chosen = PrintDlgW(&dialog);
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    if (!chosen || dialog.hDC == nullptr) return;
    const PrintRange range = (dialog.Flags & PD_SELECTION) != 0  ? PrintRange::Selection
                             : (dialog.Flags & PD_PAGENUMS) != 0 ? PrintRange::Calculation
                                                                 : PrintRange::All;
    const PrintLayout layout = LayOutForPrinter(dialog.hDC, LinesToPrint(range));
    if (layout.Pages.empty()) {
        Tell(owner, Words("There is nothing to print, or the page is too small for the tape."));
    } else if (!SendPages(dialog.hDC, layout)) {
        Tell(owner, Words("The tape could not be printed."));
    }
    DeleteDC(dialog.hDC);
}
