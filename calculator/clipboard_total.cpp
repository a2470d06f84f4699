#include "calculator/clipboard_total.h"

#include "calculator/business_keys.h"
#include "decimal/add_subtract.h"
#include "decimal/format_result.h"
#include "language/words.h"
#include "total/fast_sum.h"
#include "total/running_sum.h"
#include "total/total_scan.h"

namespace {

// The sign counts only as the first character, as the addition reads a number.
DecString WithLeadingSignOnly(const DecString& number) {
    DecString clean = number;
    clean.RemoveChar('-');
    if (number.First() == '-') clean.InsertChar(0, '-');
    return clean;
}

// Where the running total lives: as text (the first number, or read back from the panel), or
// carried by one of the two shortcuts, which are taken only when the panel would show the
// exact sum unchanged.
enum class Holder { Text, Digits, Fast };

struct Summation {
    explicit Summation(CalcContext& context) : Context(context), Format(PanelFormat(context)) {}

    CalcContext& Context;
    const NumberFormat Format;
    Holder Current = Holder::Text;
    DecString RunningText;
    DecString Shown;            // the last sum the addition showed
    bool ShownCurrent = false;  // and it is the running total
    RunningSum Digits;
    bool DigitsValid = false;
    FastSum Fast;
    bool FastValid = false;
    int32_t Numbers = 0;
    bool Stopped = false;

    // Takes one number; false when the Total has to stop.
    bool Number(const NumberRun& run) {
        if (run.Separators > 1) {
            Context.SetPanelText(ErrorText);
            Context.Host->ShowMessage(
                Words("Error. Too many decimal separators found in clipboard."));
            Stopped = true;
            return false;
        }
        if (run.TooLong()) return RefuseOverlongSum();
        if (++Numbers == 1) {
            Remember(run.NumberText());
            return true;
        }
        if (AddFast(run) || AddDigits(run)) {
            ShownCurrent = false;
            return true;
        }
        Shown = AddNumbers(CurrentText(), run.NumberText(), Format);
        if (Shown == ErrorText) return RefuseOverlongSum();
        Remember(ShownNumber(Format, Shown));
        ShownCurrent = true;
        return true;
    }

    // A cell that is no number stops nothing.
    void Skipped(size_t, size_t) {}

    bool AddFast(const NumberRun& run) {
        const char separator = Format.DecimalSeparator;
        FastSum number;
        if (!FastValid || !LoadFastSum(number, run, separator)) {
            return false;
        }
        FastSum next = Fast;
        if (!AddToFastSum(next, number)) return false;
        if (!FastSumShowsUnchanged(next, Format)) {
            TrimFastSum(next);  // 1.50 + 1.50 shows as 3 under fixed 0 places
            if (!FastSumShowsUnchanged(next, Format)) return false;
        }
        Fast = next;
        Current = Holder::Fast;
        return true;
    }

    bool AddDigits(const NumberRun& run) {
        const char separator = Format.DecimalSeparator;
        if (Current == Holder::Fast) Remember(FastSumText(Fast, separator));
        RunningSum number;
        if (!DigitsValid || !LoadRunningSum(number, run.Chars.data(), run.Length, separator)) {
            return false;
        }
        RunningSum next = Digits;
        AddToRunningSum(next, number);
        if (!ShowsUnchanged(next, Format)) return false;
        Digits = next;
        Current = Holder::Digits;
        FastValid = false;
        return true;
    }

    void Remember(DecString text) {
        const char separator = Format.DecimalSeparator;
        RunningText = std::move(text);
        Current = Holder::Text;
        DigitsValid = LoadRunningSum(Digits, RunningText.Text(), RunningText.Length(), separator);
        FastValid = LoadFastSum(Fast, RunningText.Text(), RunningText.Length(), separator);
    }

    const DecString& CurrentText() {
        const char separator = Format.DecimalSeparator;
        if (Current == Holder::Fast) RunningText = FastSumText(Fast, separator);
        if (Current == Holder::Digits) RunningText = RunningSumText(Digits, separator);
        Current = Holder::Text;
        return RunningText;
    }

    bool RefuseOverlongSum() {
        Context.SetPanelText(ErrorText);
        Context.Host->Beep();
        Stopped = true;
        return false;
    }
};

}  // namespace

void PressTotal(CalcContext& context) {
    context.LastTotal = KeptTotal{context.Host->SharedClipboardText(), context.Settings, 0};
    const std::string_view text = context.LastTotal.Text.Text;
    if (text.empty()) {
        context.Host->ShowMessage(context.Host->ClipboardBusy() ? Words(ClipboardBusyMessage)
                                                                : Words("Clipboard is empty!"));
        return;
    }
    context.TotalNumbers = 0;
    context.LastTotal.ScannedEnd = SumClipboardNumbers(context, text);
    if (context.TotalNumbers > 0) AddToGrandTotal(context);
}

size_t SumClipboardNumbers(CalcContext& context, std::string_view text) {
    Summation sum(context);
    const size_t scanned = ScanTotalText(text, MakeTotalReading(context.Settings), sum);
    if (sum.Stopped) return scanned;
    context.TotalNumbers = sum.Numbers;

    if (sum.Numbers == 0) {
        context.Host->ShowMessage(Words("There are no valid numbers in clipboard."));
    } else if (sum.Numbers == 1) {
        context.SetPanelText(FormatNumberText(WithLeadingSignOnly(sum.RunningText), sum.Format));
    } else if (sum.ShownCurrent) {
        context.SetPanelText(sum.Shown);
    } else {
        context.SetPanelText(FormatNumberText(sum.CurrentText(), sum.Format));
    }
    context.EntryState = EntryState::Entering;
    return scanned;
}
