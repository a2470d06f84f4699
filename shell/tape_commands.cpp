#include "shell/tape_commands.h"

#include <commdlg.h>

#include <string>

#include "dialogs/dialog_fields.h"
#include "dialogs/total_details_dialog.h"
#include "language/words.h"
#include "resources/dialog_ids.h"
#include "resources/resource_ids.h"
#include "shell/clipboard_copy.h"
#include "shell/files_folder.h"
#include "shell/modal_scope.h"
#include "shell/print_preview.h"
#include "shell/shell_state.h"
#include "shell/tape_documents.h"
#include "shell/tape_list.h"
#include "shell/tape_print.h"
#include "shell/tape_view.h"
#include "shell/tape_window.h"
#include "shell/themed_drawing.h"
#include "shell/ui_language.h"
#include "tape/tape_layout.h"
#include "tape/tape_names.h"
#include "tape/tape_replay.h"

namespace {

constexpr int PathBufferSize = MAX_PATH;
constexpr int TextBufferSize = 128;
constexpr DWORD CsvFilterIndex = 2;
constexpr DWORD TapeFilterIndex = 3;

// What the line dialog asks and returns.
struct LineRequest {
    const char* Prompt;
    std::string Text;
    int Limit;
    bool Number;  // the text must be a number in the user's format
};

INT_PTR CALLBACK LineDialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const INT_PTR themed = ThemedDialogMessage(dialog, message, wParam, lParam)) {
        return themed;
    }
    auto* request = reinterpret_cast<LineRequest*>(GetWindowLongPtrA(dialog, DWLP_USER));
    if (message == WM_INITDIALOG) {
        request = reinterpret_cast<LineRequest*>(lParam);
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        TranslateDialog(dialog);
        SetDlgItemTextW(dialog, IDC_TAPE_PROMPT, WideWords(request->Prompt).c_str());
        SetDlgItemTextA(dialog, IDC_TAPE_TEXT, request->Text.c_str());
        SendDlgItemMessageA(dialog, IDC_TAPE_TEXT, EM_LIMITTEXT, request->Limit, 0);
        SendDlgItemMessageA(dialog, IDC_TAPE_TEXT, EM_SETSEL, 0, -1);
        return TRUE;
    }
    if (message != WM_COMMAND) return FALSE;
    if (LOWORD(wParam) == IDCANCEL) {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    if (LOWORD(wParam) != IDOK) return FALSE;
    char text[TextBufferSize] = {};
    GetDlgItemTextA(dialog, IDC_TAPE_TEXT, text, TextBufferSize);
    std::string shown;
    if (request->Number && !TypedNumber(Shell.Context.Settings, text, shown)) {
        ShowDialogMessage(dialog, Words("Error! Type a number of at most 24 digits."));
        SetFocus(GetDlgItem(dialog, IDC_TAPE_TEXT));
        return TRUE;
    }
    request->Text = text;
    EndDialog(dialog, IDOK);
    return TRUE;
}

bool AskForLine(LineRequest& request) {
    const ModalScope modal(TapeShell.Window);
    return DialogBoxParamW(Shell.Instance, MAKEINTRESOURCEW(IDD_TAPE_LINE), TapeShell.Window,
                           LineDialogProcedure, reinterpret_cast<LPARAM>(&request)) == IDOK;
}

}  // namespace

void AfterChange() {
    SaveTape(TapeShell.Keeper);
    RefreshTapeWindow();
}

void CorrectSelectedLine() {
    const TapeEntry* entry = SelectedEntry();
    if (entry == nullptr || !IsBroughtIn(entry->Role)) {
        MessageBeep(0);  // results are computed, not typed
        return;
    }
    LineRequest request{Words("Correct the number:"), entry->Number, MaxEntryLength * 2, true};
    if (!AskForLine(request)) return;
    CorrectTapeLine(TapeShell.Keeper.Lines, SelectedLine(), request.Text, Shell.Context);
    AfterChange();
}

void NoteSelectedLine() {
    const TapeEntry* entry = SelectedEntry();
    if (entry == nullptr) {
        MessageBeep(0);
        return;
    }
    LineRequest request{Words("Note for this line:"), entry->Note, MaxNoteLength, false};
    if (!AskForLine(request)) return;
    SetTapeNote(TapeShell.Keeper.Lines, SelectedLine(), request.Text);
    AfterChange();
}

namespace {

bool EndsWith(const std::string& text, const char* end) {
    const std::string tail(end);
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

void SaveTapeAs() {
    wchar_t path[PathBufferSize] = L"Tape.txt";
    // The file types in words, each followed by its pattern, the list ending in an empty item.
    std::wstring filter = WideWords(Words("Text (*.txt)")) + L'\0' + L"*.txt" + L'\0' +
                          WideWords(Words("CSV (*.csv)")) + L'\0' + L"*.csv" + L'\0' +
                          WideWords(Words("Quillon tape (*.tape)")) + L'\0' + L"*.tape" + L'\0';
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = TapeShell.Window;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = PathBufferSize;
    dialog.lpstrDefExt = L"txt";
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
    const ModalScope modal(TapeShell.Window);  // the dialog and its "already exists" prompt
    if (!GetSaveFileNameW(&dialog)) return;
    const std::string name = Utf8OfWide(path);  // the seam's paths are UTF-8
    if (dialog.nFilterIndex == TapeFilterIndex || EndsWith(name, ".tape")) {
        SaveTapeToFile(name);  // the tape goes on in the file it is saved to
        return;
    }
    const bool csv = dialog.nFilterIndex == CsvFilterIndex || EndsWith(name, ".csv");
    const Tape& tape = TapeShell.Keeper.Lines;
    const DecString list = Shell.Platform.QueryLocale().ListSeparator;
    const char listSeparator = list.Empty() ? ',' : list.First();
    const std::string text =
        csv ? TapeCsv(tape, listSeparator, Shell.Context.Settings.THOUSAND_SEPARATOR)
            : TapeText(tape);
    if (!Shell.Platform.ReplaceWholeFile(name.c_str(), text)) {
        const std::string message =
            WordsWith("The tape could not be saved to %1.", {Utf8OfWide(path)});
        ShowDialogMessage(TapeShell.Window, message.c_str());
    }
}

void ClearWholeTape() {
    const ModalScope modal(TapeShell.Window);
    if (MessageBoxW(TapeShell.Window, WideWords(Words("Clear the whole tape?")).c_str(),
                    WideWords(Shell.ProductName).c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    ClearTape(TapeShell.Keeper.Lines);
    AfterChange();
}

// The line of the last Total on the tape, whose details are the ones kept; -1 when none.
int LastTotalLine() {
    const std::deque<TapeEntry>& lines = TapeShell.Keeper.Lines.Lines;
    for (size_t i = lines.size(); i > 0; --i) {
        if (lines[i - 1].Key == TapeKey::Total) return static_cast<int>(i - 1);
    }
    return -1;
}

bool OnLastTotal() {
    return SelectedEntry() != nullptr && SelectedLine() == LastTotalLine();
}

// Only the last Total's details are kept: its line opens them, any other line is refused.
void ShowTotalDetails() {
    if (!OnLastTotal()) {
        MessageBeep(0);
        return;
    }
    TotalDetailsDialog(TapeShell.Window);
}

}  // namespace

void RunTapeCommand(WORD id) {
    switch (id) {
        case IDM_TAPE_EDIT:
            CorrectSelectedLine();
            break;
        case IDM_TAPE_NOTE:
            NoteSelectedLine();
            break;
        case IDM_TAPE_COPY:
            CopyTextToClipboard(TapeShell.Window, TapeText(TapeShell.Keeper.Lines));
            break;
        case IDM_TAPE_SAVE:
            SaveTapeAs();
            break;
        case IDM_TAPE_CLEAR:
            ClearWholeTape();
            break;
        case IDM_TOTAL_DETAILS:
            ShowTotalDetails();
            break;
        case IDM_TAPE_NEW:
            NewTapeFile();
            break;
        case IDM_TAPE_OPEN:
            OpenTapeFile();
            break;
        case IDM_TAPE_PRINT:
            PrintTape(TapeShell.Window);
            break;
        case IDM_TAPE_PREVIEW:
            ShowPrintPreview(TapeShell.Window);
            break;
        default:
            if (id >= IDM_TAPE_RECENT_FIRST && id < IDM_TAPE_RECENT_FIRST + MaxRecentTapes) {
                OpenRecentTape(id - IDM_TAPE_RECENT_FIRST);
            }
            break;
    }
}

// The line under the mouse is selected before its context menu opens.
void ShowContextMenu(LPARAM position) {
    POINT point = {static_cast<short>(LOWORD(position)), static_cast<short>(HIWORD(position))};
    if (point.x != -1 || point.y != -1) {
        POINT client = point;
        ScreenToClient(TapeShell.List, &client);
        const LRESULT item =
            SendMessageA(TapeShell.List, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
        if (HIWORD(item) == 0) SendMessageA(TapeShell.List, LB_SETCURSEL, LOWORD(item), 0);
    } else {
        RECT rect = {};
        GetWindowRect(TapeShell.List, &rect);
        point = {rect.left, rect.top};
    }
    HMENU menu = LoadMenuA(Shell.Instance, MAKEINTRESOURCEA(IDM_TAPE_MENU));
    TranslateMenu(menu, IDM_TAPE_MENU);
    TrackPopupMenu(GetSubMenu(menu, 0), TPM_RIGHTBUTTON, point.x, point.y, 0, TapeShell.Window,
                   nullptr);
    DestroyMenu(menu);
}

void EnableLineCommands(HMENU menu) {
    const TapeEntry* entry = SelectedEntry();
    const bool lastTotal = OnLastTotal();
    EnableMenuItem(menu, IDM_TOTAL_DETAILS, MF_BYCOMMAND | (lastTotal ? MF_ENABLED : MF_GRAYED));
    const bool editable = entry != nullptr && IsBroughtIn(entry->Role);
    EnableMenuItem(menu, IDM_TAPE_EDIT, MF_BYCOMMAND | (editable ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, IDM_TAPE_NOTE, MF_BYCOMMAND | (entry ? MF_ENABLED : MF_GRAYED));
}
