#include "shell/announce.h"

#include <windows.h>

#include <array>
#include <iterator>
#include <string>
#include <vector>

#include "controls/spoken_names.h"
#include "shell/shell_state.h"

namespace {

// UI Automation's notification, exported by uiautomationcore.dll from Windows 10 1709 on.
// Both functions are looked up at run time so that the program starts without them; the
// provider is an IRawElementProviderSimple, passed on untouched.
using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);

constexpr int NotificationKindActionCompleted = 2;
constexpr int NotificationProcessingImportantMostRecent = 1;
constexpr int NotificationProcessingAll = 2;

struct UiaNotifier {
    HostProviderFromHwnd ProviderOf = nullptr;
    RaiseNotificationEvent Raise = nullptr;
};

// Only from the system directory: a library of that name beside the program is never loaded.
const UiaNotifier& Notifier() {
    static UiaNotifier notifier;
    static bool looked = false;
    if (looked) return notifier;
    looked = true;
    HMODULE library = LoadLibraryExA("uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (library == nullptr) return notifier;
    notifier.ProviderOf = reinterpret_cast<HostProviderFromHwnd>(
        reinterpret_cast<void*>(GetProcAddress(library, "UiaHostProviderFromHwnd")));
    notifier.Raise = reinterpret_cast<RaiseNotificationEvent>(
        reinterpret_cast<void*>(GetProcAddress(library, "UiaRaiseNotificationEvent")));
    return notifier;
}

BSTR WideBstr(const std::string& text) {
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), length);
    return SysAllocStringLen(wide.data(), static_cast<UINT>(length));
}

void RaiseUiaNotification(HWND control, const std::string& text, const char* activity,
                          int processing) {
    const UiaNotifier& notifier = Notifier();
    if (notifier.ProviderOf == nullptr || notifier.Raise == nullptr) return;
    IUnknown* provider = nullptr;
    if (FAILED(notifier.ProviderOf(control, &provider)) || provider == nullptr) return;
    BSTR spoken = WideBstr(text);
    BSTR activityId = WideBstr(activity);
    notifier.Raise(provider, NotificationKindActionCompleted, processing, spoken, activityId);
    SysFreeString(activityId);
    SysFreeString(spoken);
    provider->Release();
}

constexpr DisplayField Fields[] = {DisplayField::Panel, DisplayField::OperatorIndicator,
                                   DisplayField::MemoryIndicator,
                                   DisplayField::GrandTotalIndicator};

// Which fields changed since the last announcement, by field.
using FieldChanges = std::array<bool, std::size(Fields)>;

FieldChanges pending{};
int32_t commandDepth = 0;

// New tape lines, heard after the result they record.
HWND tapeList = nullptr;
std::vector<std::string> pendingTapeLines;

void AnnounceTapeLines() {
    for (const std::string& line : pendingTapeLines) {
        RaiseUiaNotification(tapeList, line, "Tape", NotificationProcessingAll);
    }
    pendingTapeLines.clear();
}

size_t IndexOf(DisplayField field) {
    return static_cast<size_t>(field);
}

int32_t RowOf(DisplayField field) {
    switch (field) {
        case DisplayField::Panel:
            return PanelRow;
        case DisplayField::OperatorIndicator:
            return OperatorIndicatorRow;
        case DisplayField::MemoryIndicator:
            return MemoryIndicatorRow;
        case DisplayField::GrandTotalIndicator:
            return GrandTotalIndicatorRow;
    }
    return PanelRow;
}

// The field's control holds its new text: a reader that asks for it now hears the new one.
// An indicator's name carries its state, so both its name and its value changed.
void RaiseChangeEvents(DisplayField field) {
    HWND control = ControlWindow(RowOf(field));
    if (field != DisplayField::Panel) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
    }
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

// What the changes come to in words; empty when there is nothing to say.
DecString SpokenChanges(const FieldChanges& changes, int32_t totalNumbers) {
    const CalcContext& context = Shell.Context;
    if (totalNumbers > 0) return SpokenTotal(context.PanelText(), totalNumbers);
    if (changes[IndexOf(DisplayField::Panel)]) return SpokenResult(context.PanelText());
    if (changes[IndexOf(DisplayField::OperatorIndicator)]) {
        return SpokenName(OperatorIndicatorRow, context.OperatorIndicatorText());
    }
    if (changes[IndexOf(DisplayField::MemoryIndicator)]) {
        return SpokenName(MemoryIndicatorRow, context.MemoryIndicatorText());
    }
    if (changes[IndexOf(DisplayField::GrandTotalIndicator)]) {
        return SpokenName(GrandTotalIndicatorRow, context.GrandTotalIndicatorText());
    }
    return "";
}

}  // namespace

void NoteDisplayChange(DisplayField field) {
    pending[IndexOf(field)] = true;
}

void AnnounceDisplayChanges() {
    CalcContext& context = Shell.Context;
    const int32_t totalNumbers = context.TotalNumbers;
    context.TotalNumbers = 0;  // announced once, not again with the next key
    const FieldChanges changes = pending;
    pending = FieldChanges{};
    for (const DisplayField field : Fields) {
        if (changes[IndexOf(field)]) RaiseChangeEvents(field);
    }
    const DecString spoken = SpokenChanges(changes, totalNumbers);
    if (spoken.Empty()) {
        AnnounceTapeLines();
        return;
    }
    const char* activity = totalNumbers > 0                        ? "Total"
                           : changes[IndexOf(DisplayField::Panel)] ? "Result"
                                                                   : "Indicator";
    RaiseUiaNotification(ControlWindow(PanelRow), std::string(spoken.Text(), spoken.Length()),
                         activity, NotificationProcessingImportantMostRecent);
    AnnounceTapeLines();
}

void AnnounceTapeLine(HWND list, const std::string& line) {
    tapeList = list;
    pendingTapeLines.push_back(line);
    if (commandDepth == 0) AnnounceTapeLines();
}

AnnouncedCommand::AnnouncedCommand() {
    ++commandDepth;
}

AnnouncedCommand::~AnnouncedCommand() {
    if (--commandDepth == 0) AnnounceDisplayChanges();
}
