#include "shell/tape_documents.h"

#include <commdlg.h>

#include <vector>

#include "language/words.h"
#include "resources/resource_ids.h"
#include "shell/files_folder.h"
#include "shell/shell_state.h"
#include "shell/tape_commands.h"
#include "shell/tape_view.h"
#include "shell/ui_language.h"
#include "tape/tape_names.h"

namespace {

constexpr int PathBufferSize = MAX_PATH;
// Asks for a tape file: to open (it must exist) or to start (an existing one is replaced).
bool AskForTapeFile(bool open, std::string& path) {
    wchar_t buffer[PathBufferSize] = L"";
    // The file type in words, then its pattern, the list ending in an empty item.
    const std::wstring filter =
        WideWords(Words("Quillon tape (*.tape)")) + L'\0' + L"*.tape" + L'\0';
    const std::wstring title = WideWords(Words(open ? "Open tape" : "New tape"));
    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = TapeShell.Window;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = buffer;
    dialog.nMaxFile = PathBufferSize;
    dialog.lpstrDefExt = L"tape";
    dialog.lpstrTitle = title.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY |
                   (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    const BOOL chosen = open ? GetOpenFileNameW(&dialog) : GetSaveFileNameW(&dialog);
    if (!chosen) return false;
    path = Utf8OfWide(buffer);  // the seam's paths are UTF-8
    return true;
}

// The tape in use is remembered, first among the recent ones, and named in the title.
void RememberTape(const std::string& path) {
    CalcSettings& settings = Shell.Context.Settings;
    settings.TAPE_FILE = path.c_str();
    settings.TAPE_RECENT = WithRecentTape(settings.TAPE_RECENT.Text(), path).c_str();
    ShowTapeTitle();
}

void SwitchTo(const std::string& path, TapeSwitch how) {
    SwitchTape(TapeShell.Keeper, Shell.Context, path, how);
    RememberTape(path);
    AfterChange();
}

}  // namespace

void NewTapeFile() {
    std::string path;
    if (AskForTapeFile(false, path)) SwitchTo(path, TapeSwitch::New);
}

void OpenTapeFile() {
    std::string path;
    if (AskForTapeFile(true, path)) SwitchTo(path, TapeSwitch::Open);
}

void OpenRecentTape(int index) {
    const std::vector<std::string> recent = RecentTapes(Shell.Context.Settings.TAPE_RECENT.Text());
    if (index >= 0 && static_cast<size_t>(index) < recent.size()) {
        SwitchTo(recent[index], TapeSwitch::Open);
    }
}

void SaveTapeToFile(const std::string& path) {
    if (MoveTapeFile(TapeShell.Keeper.Store, TapeShell.Keeper.Lines, path)) {
        RememberTape(path);
        return;
    }
    const std::string message = WordsWith(
        "The tape could not be saved to %1: it cannot be written, or it is open in another "
        "Quillon.",
        {path});
    MessageBoxW(TapeShell.Window, WideWords(message.c_str()).c_str(),
                WideWords(Shell.ProductName).c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void ShowRecentTapes(HMENU menu) {
    for (int i = 0; i < static_cast<int>(MaxRecentTapes); ++i) {
        DeleteMenu(menu, IDM_TAPE_RECENT_FIRST + i, MF_BYCOMMAND);
    }
    DeleteMenu(menu, IDM_TAPE_RECENT_SEPARATOR, MF_BYCOMMAND);
    const std::vector<std::string> recent = RecentTapes(Shell.Context.Settings.TAPE_RECENT.Text());
    int position = -1;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        if (GetMenuItemID(menu, i) == IDM_TAPE_PRINT) position = i;
    }
    if (recent.empty() || position < 0) return;
    for (size_t i = 0; i < recent.size(); ++i) {
        std::string label = std::to_string(i + 1);
        label.insert(label.begin(), '&');
        label += ' ';
        label += TapeName(recent[i]);
        InsertMenuA(menu, position++, MF_BYPOSITION | MF_STRING,
                    IDM_TAPE_RECENT_FIRST + static_cast<UINT>(i), label.c_str());
    }
    InsertMenuA(menu, position, MF_BYPOSITION | MF_SEPARATOR, IDM_TAPE_RECENT_SEPARATOR, nullptr);
}

void ShowTapeTitle() {
    const DecString& file = Shell.Context.Settings.TAPE_FILE;
    const std::string title =
        file.Empty() ? Words("Tape") : WordsWith("%1 - Tape", {TapeName(file.Text())});
    SetWindowTextW(TapeShell.Window, WideWords(title.c_str()).c_str());
}

std::string TapeAtStart(const std::string& defaultPath) {
    const DecString& file = Shell.Context.Settings.TAPE_FILE;
    return file.Empty() ? defaultPath : std::string(file.Text());
}
