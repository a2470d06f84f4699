#include "total/clipboard_total.h"

#include <array>

#include "engine/add_subtract.h"
#include "engine/format_result.h"
#include "total/running_sum.h"

namespace {

enum CharRole : uint8_t {
    Skipped = 0,
    NumberChar = 1,        // a digit or '-'
    DecimalSeparator = 2,  // the view's separator or one of DECIMAL_SEPARATORS
    NumberEnd = 4,         // line feed, carriage return, tab or one of NUMBER_SEPARATORS
};

using RoleTable = std::array<uint8_t, 256>;

uint8_t& RoleOf(RoleTable& roles, char c) {
    return roles[static_cast<unsigned char>(c)];
}

RoleTable MakeRoleTable(const CalcSettings& settings) {
    RoleTable roles{};
    for (char c = '0'; c <= '9'; ++c) RoleOf(roles, c) |= NumberChar;
    RoleOf(roles, '-') |= NumberChar;
    RoleOf(roles, settings.DECIMAL_SEPARATOR) |= DecimalSeparator;
    for (int32_t i = 0; i < settings.DECIMAL_SEPARATORS.Length(); ++i) {
        RoleOf(roles, settings.DECIMAL_SEPARATORS.At(i)) |= DecimalSeparator;
    }
    for (const char c : {'\n', '\r', '\t'}) RoleOf(roles, c) |= NumberEnd;
    for (int32_t i = 0; i < settings.NUMBER_SEPARATORS.Length(); ++i) {
        RoleOf(roles, settings.NUMBER_SEPARATORS.At(i)) |= NumberEnd;
    }
    return roles;
}

// The characters of the number being read, in a fixed buffer: a run of a megabyte of digits
// is only counted, never copied, once it is longer than any number the Total can add.
struct NumberRun {
    std::array<char, MaxTotalNumberLength> Chars;
    int32_t Length = 0;
    int32_t Separators = 0;

    // Past the bound the run only stays too long, however long it gets.
    void Append(char c) {
        if (Length < MaxTotalNumberLength) Chars[Length++] = c;
    }
    void Clear() {
        Length = 0;
        Separators = 0;
    }
    bool TooLong() const { return Length >= MaxTotalNumberLength; }  // "0" comes in front

    // The run as number text, with a "0" before its digits so that ",5" reads as "0,5".
    DecString NumberText() const {
        DecString text;
        const bool negative = Chars[0] == '-';
        if (negative) text.AppendChar('-');
        text.AppendChar('0');
        text.AppendBytes(Chars.data() + (negative ? 1 : 0), Length - (negative ? 1 : 0));
        return text;
    }
};

// The sign counts only as the first character, as the addition reads a number.
DecString WithLeadingSignOnly(const DecString& number) {
    DecString clean = number;
    clean.RemoveChar('-');
    if (number.First() == '-') clean.InsertChar(0, '-');
    return clean;
}

enum class Outcome { Summed, Stopped };

// The running total: as text when it came from the calculator's addition (or is the first
// number), and as digits while the shortcut of RunningSum carries it.
struct Summation {
    explicit Summation(CalcContext& context) : Context(context), Format(PanelFormat(context)) {}

    CalcContext& Context;
    const NumberFormat Format;
    DecString RunningText;
    DecString Shown;  // the last sum the addition showed
    bool TextCurrent = true;
    RunningSum Sum;
    bool SumValid = false;
    int32_t Numbers = 0;

    // Adds one finished number; false when the Total has to stop.
    bool Add(const NumberRun& run) {
        if (run.Separators > 1) {
            Context.SetPanelText(ErrorText);
            Context.Host->ShowMessage("Error. Too many decimal separators found in clipboard.");
            return false;
        }
        if (run.TooLong()) return RefuseOverlongSum();
        if (++Numbers == 1) {
            Remember(run.NumberText());
            return true;
        }
        if (AddDirectly(run)) return true;
        Shown = AddNumbers(CurrentText(), run.NumberText(), Format);
        if (Shown == ErrorText) return RefuseOverlongSum();
        Remember(ShownNumber(Format, Shown));
        return true;
    }

    // The shortcut: taken only when the panel would show the exact sum as it is.
    bool AddDirectly(const NumberRun& run) {
        const char separator = Format.DecimalSeparator;
        RunningSum number;
        if (!SumValid || !LoadRunningSum(number, run.Chars.data(), run.Length, separator)) {
            return false;
        }
        RunningSum next = Sum;
        AddToRunningSum(next, number);
        if (!ShowsUnchanged(next, Format)) return false;
        Sum = next;
        TextCurrent = false;
        return true;
    }

    void Remember(DecString text) {
        RunningText = std::move(text);
        TextCurrent = true;
        SumValid =
            LoadRunningSum(Sum, RunningText.Text(), RunningText.Length(), Format.DecimalSeparator);
    }

    const DecString& CurrentText() {
        if (!TextCurrent) {
            RunningText = RunningSumText(Sum, Format.DecimalSeparator);
            TextCurrent = true;
        }
        return RunningText;
    }

    bool RefuseOverlongSum() {
        Context.SetPanelText(ErrorText);
        Context.Host->Beep();
        return false;
    }
};

Outcome Scan(Summation& sum, std::string_view text) {
    const RoleTable roles = MakeRoleTable(sum.Context.Settings);
    const char separator = sum.Format.DecimalSeparator;
    NumberRun run;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const uint8_t role = roles[static_cast<unsigned char>(c)];
        if (role & NumberChar) run.Append(c);
        if (role & DecimalSeparator) {
            run.Append(separator);
            ++run.Separators;
        }
        if ((i + 1 == text.size() || (role & NumberEnd)) && run.Length > 0) {
            if (!sum.Add(run)) return Outcome::Stopped;
            run.Clear();
        }
    }
    return Outcome::Summed;
}

}  // namespace

void PressTotal(CalcContext& context) {
    const std::string text = context.Host->ClipboardText();
    if (text.empty()) {
        context.Host->ShowMessage("Clipboard is empty!");
        return;
    }
    SumClipboardNumbers(context, text);
}

void SumClipboardNumbers(CalcContext& context, std::string_view text) {
    Summation sum(context);
    if (Scan(sum, text) == Outcome::Stopped) return;
    context.TotalNumbers = sum.Numbers;

    if (sum.Numbers == 0) {
        context.Host->ShowMessage("There are no valid numbers in clipboard.");
    } else if (sum.Numbers == 1) {
        context.SetPanelText(FormatNumberText(WithLeadingSignOnly(sum.RunningText), sum.Format));
    } else if (sum.TextCurrent) {
        context.SetPanelText(sum.Shown);
    } else {
        context.SetPanelText(FormatNumberText(sum.CurrentText(), sum.Format));
    }
    context.EntryState = EntryState::Entering;
}
