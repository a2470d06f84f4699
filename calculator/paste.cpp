#include "calculator/paste.h"

#include <array>

#include "calculator/key_press.h"
#include "decimal/format_result.h"
#include "language/words.h"

namespace {

// A result holds at most 511 characters; a longer number can never be shown.
constexpr int32_t MaxPastedLength = 511;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

PastedNumber CollectPastedNumber(const CalcSettings& settings, std::string_view text) {
    // A megabyte of digits is counted, not copied: past what a result holds nothing is kept.
    std::array<char, MaxPastedLength> kept;
    int32_t length = 0;
    int32_t separators = 0;
    PastedNumber pasted;
    for (const char c : text) {
        if (c == UnmappedChar) continue;
        const bool separator = c == settings.DECIMAL_SEPARATOR;
        if (!IsDigit(c) && c != '-' && !separator) continue;
        pasted.Found = true;
        if (c == '-' && length > 0) continue;
        if (length < MaxPastedLength) kept[length] = c;
        ++length;
        if (separator) ++separators;
    }
    if (length > MaxPastedLength) {
        pasted.Text = ErrorText;
        return pasted;
    }
    while (length > 0 && kept[length - 1] == settings.DECIMAL_SEPARATOR) {
        --length;
        --separators;
    }
    if (separators > 1) {
        pasted.Text = ErrorText;
    } else {
        pasted.Text.AssignBytes(kept.data(), length);
    }
    return pasted;
}

namespace {

void PasteNumber(CalcContext& context, const void*) {
    const PastedNumber pasted =
        CollectPastedNumber(context.Settings, context.Host->ClipboardText());
    if (!pasted.Found) {
        context.Host->ShowMessage(context.Host->ClipboardBusy()
                                      ? Words(ClipboardBusyMessage)
                                      : Words("There is no valid number in clipboard."));
        return;
    }
    context.AddModeEntry = false;
    if (pasted.Text == ErrorText) {
        context.SetPanelText(ErrorText);
    } else {
        context.SetPanelText(FormatNumberText(pasted.Text, PanelFormat(context)));
    }
    context.EntryState = EntryState::Entering;
}

}  // namespace

void PasteFromClipboard(CalcContext& context) {
    RunRecordedKey(context, KeyAction::Paste, "PASTE", PasteNumber, nullptr);
}
