#include "tape/tape_replay.h"

#include "calculator/business_keys.h"
#include "calculator/keypad.h"
#include "controls/control_table.h"
#include "decimal/add_subtract.h"
#include "decimal/format_result.h"
#include "decimal/number_text.h"
#include "settings/separator_rules.h"
#include "settings/tax_rate.h"

namespace {

// The replay's platform: the replayed keys beep and report nowhere.
class SilentPlatform : public Platform {
   public:
    void ShowText(DisplayField, const DecString&) override {}
    void Beep() override {}
    void ShowMessage(const char*) override {}
    std::string ClipboardText() override { return std::string(); }
    SystemLocale QueryLocale() override { return SystemLocale(); }
};

// A leading '-', digits and at most one decimal separator, no wider than the panel; not empty.
// A text without digits ("-" left by back-space on a negative digit, a lone separator) is a
// form of zero the panel shows, and enters as such.
bool IsNumberText(const DecString& text, char separator) {
    int32_t digits = 0;
    int32_t separators = 0;
    for (int32_t i = 0; i < text.Length(); ++i) {
        const char c = text.At(i);
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == separator) {
            ++separators;
        } else if (c != '-' || i > 0) {
            return false;
        }
    }
    return !text.Empty() && separators <= 1 && digits + separators <= MaxEntryLength;
}

// The first line past the calculations that went on from the one at `index`.
size_t ReplayEnd(const Tape& tape, size_t index) {
    for (size_t i = index + 1; i < tape.Lines.size(); ++i) {
        if (tape.Lines[i].Role == TapeRole::Start || tape.Lines[i].Key == TapeKey::Clear) return i;
    }
    return tape.Lines.size();
}

// Replays recorded keys on a calculator of its own with the user's settings.
struct Replay {
    explicit Replay(const CalcSettings& settings) {
        Scratch.Settings = settings;
        Scratch.Settings.BUSINESS_KEYS = true;  // a recorded business key presses again
        FillControlTable(Table, Scratch.Settings);
    }

    SilentPlatform Host;
    CalcContext Scratch{Host};
    ControlTable Table;
    bool Failed = false;  // a step showed "ERROR": every later result is "ERROR"

    void Press(TapeKey key) {
        const char* label = TapeKeyLabel(key);
        const int32_t id = CommandOfLabel(Table, label);
        Scratch.Figures = BusinessFigures{};
        if (id != 0) HandleKeypadCommand(Scratch, Table, id);
        Failed = Failed || PanelShowsError(Scratch);
    }

    // The number as if it had been typed (or recalled, pasted, summed) again; a number
    // written with other separators than today's is no number now, and enters as "ERROR".
    void Enter(const std::string& number) {
        DecString bare(number.c_str());
        bare.RemoveChar(Scratch.Settings.THOUSAND_SEPARATOR);
        const bool valid = IsNumberText(bare, Scratch.Settings.DECIMAL_SEPARATOR);
        Scratch.SetPanelText(valid ? GroupDigits(PanelFormat(Scratch), bare)
                                   : DecString(ErrorText));
        Scratch.EntryState = EntryState::Entering;
    }

    std::string Shown() const { return Failed ? ErrorText : Scratch.PanelText().Text(); }

    // A tax key replays at the rate it was pressed with.
    void UseRate(const std::string& rate) {
        ReadTaxRate(rate, Scratch.Settings.DECIMAL_SEPARATOR, Scratch.Settings.TAX_RATE);
    }

    // What a result line holds: the panel, or the tax that a tax key found beside it.
    std::string Found(TapeKey key) const {
        if (key != TapeKey::Tax || Failed) return Shown();
        return Scratch.Figures.Tax.Text();
    }

    // The operand "=" took without a number typed: the shown value, or the last one again.
    std::string RepeatedOperand() const {
        if (Failed) return ErrorText;
        return GroupDigits(PanelFormat(Scratch), Scratch.OperandB).Text();
    }

    void Step(TapeEntry& entry, bool first) {
        const bool keyOnly = entry.Key == TapeKey::MemoryRecall || entry.Key == TapeKey::Total ||
                             entry.Key == TapeKey::Paste || entry.Key == TapeKey::GrandTotal;
        if (first && (entry.Role == TapeRole::Result || entry.Role == TapeRole::KeyResult)) {
            ShowValue(entry.Number);  // its operand is no longer on the tape
            return;
        }
        switch (entry.Role) {
            case TapeRole::Start:
            case TapeRole::Entry:
                Enter(entry.Number);
                Scratch.Figures = BusinessFigures{};
                if (!keyOnly) Press(entry.Key);
                // A business key shows the number it took at the decimal places.
                if (!Scratch.Figures.Taken.Empty()) entry.Number = Scratch.Figures.Taken.Text();
                break;
            case TapeRole::Shown:
                if (first) ShowValue(entry.Number);
                if (entry.Key != TapeKey::SignChange && entry.Key != TapeKey::Equals) {
                    entry.Number = Shown();
                }
                Press(entry.Key);
                if (entry.Key == TapeKey::SignChange) entry.Number = Shown();
                if (entry.Key == TapeKey::Equals) entry.Number = RepeatedOperand();
                break;
            case TapeRole::Result:
                entry.Number = Found(entry.Key);
                break;
            case TapeRole::KeyResult:
                Press(entry.Key);
                entry.Number = Shown();
                break;
            case TapeRole::Mark:
                if (entry.Key == TapeKey::Clear) Press(entry.Key);
                break;
        }
    }

    void ShowValue(const std::string& number) {
        Enter(number);
        Scratch.EntryState = EntryState::ResultShown;
    }
};

// The live calculator continues from the replayed one; its panel shows "ERROR" when a step
// of the replay did.
void TakeOver(CalcContext& live, const Replay& replay, bool keepEntry) {
    const CalcContext& scratch = replay.Scratch;
    live.PendingOperator = scratch.PendingOperator;
    live.OperandA = scratch.OperandA;
    live.OperandB = scratch.OperandB;
    live.SetOperatorIndicatorText(scratch.OperatorIndicatorText());
    if (keepEntry) return;
    live.SetPanelText(replay.Shown().c_str());
    live.EntryState = scratch.EntryState;
}

// Replays lines [first, end), each getting its new value.
void ReplayLines(Replay& replay, std::deque<TapeEntry>& lines, size_t first, size_t end) {
    for (size_t i = first; i < end; ++i) {
        const bool taxed = i + 1 < lines.size() && lines[i + 1].Key == TapeKey::Tax;
        if (taxed) replay.UseRate(lines[i + 1].Rate);
        replay.Step(lines[i], i == first);
    }
}

// What the replayed calculations added to the grand total.
DecString AddedToGrandTotal(const Replay& replay) {
    const DecString& added = replay.Scratch.Business.GrandTotal;
    return added.Empty() ? DecString("0") : added;
}

// Line `index` gets the number `shown`, and its calculation and those that went on from it
// are computed again; `end` is the first line past them. Returns how much the results the
// grand total holds changed ("ERROR" when one of the sums could not be held).
DecString Recompute(Tape& tape, size_t index, const std::string& shown, CalcContext& live,
                    size_t& end) {
    auto before = tape.Lines;
    tape.Lines[index].Number = shown;
    const size_t first = CalculationStart(tape, index);
    end = ReplayEnd(tape, index);
    Replay was(live.Settings);
    ReplayLines(was, before, first, end);
    Replay now(live.Settings);
    ReplayLines(now, tape.Lines, first, end);
    if (end == tape.Lines.size()) {
        const bool typing = live.EntryState == EntryState::Entering && !tape.Run.EntryOnTape;
        TakeOver(live, now, typing);
    }
    const DecString added = AddedToGrandTotal(now);
    const DecString wasAdded = AddedToGrandTotal(was);
    if (added == ErrorText || wasAdded == ErrorText) return ErrorText;
    return SubtractNumbers(added, wasAdded, WithFloatingPlaces(PanelFormat(live)));
}

// The grand totals shown after a changed calculation change with it, up to the GT that
// cleared the grand total: each GT line gets its new value (its calculation is computed
// again, and may change the grand total further), and so does the live grand total when no
// GT cleared it since. A grand total that could not be held ("ERROR") stays as it is.
void PassOnToGrandTotal(Tape& tape, size_t from, DecString change, CalcContext& live) {
    const NumberFormat exact = WithFloatingPlaces(PanelFormat(live));
    for (size_t i = from; i < tape.Lines.size(); ++i) {
        if (change == ErrorText || IsZeroNumber(exact, change)) return;
        const TapeEntry& line = tape.Lines[i];
        if (line.Key != TapeKey::GrandTotal) continue;
        if (line.Role == TapeRole::Mark || line.Number == ErrorText) return;
        const DecString total = AddNumbers(ShownNumber(exact, line.Number.c_str()), change, exact);
        if (total == ErrorText) return;
        const std::string shown = FormatNumberText(total, PanelFormat(live)).Text();
        size_t end = 0;
        const DecString further = Recompute(tape, i, shown, live, end);
        change = further == ErrorText ? further : AddNumbers(change, further, exact);
    }
    if (live.Settings.BUSINESS_KEYS && change != ErrorText) ShiftGrandTotal(live, change);
}

}  // namespace

size_t CalculationStart(const Tape& tape, size_t index) {
    for (size_t i = index; i > 0; --i) {
        if (tape.Lines[i].Role == TapeRole::Start || tape.Lines[i - 1].Key == TapeKey::Clear) {
            return i;
        }
    }
    return 0;
}

bool TypedNumber(const CalcSettings& settings, std::string_view text, std::string& shown) {
    DecString bare;
    int32_t digits = 0;
    int32_t separators = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == settings.DECIMAL_SEPARATOR) {
            ++separators;
        } else if (c == '-' && i == 0) {
        } else if (c != settings.THOUSAND_SEPARATOR || separators > 0) {
            return false;
        } else {
            continue;
        }
        bare.AppendChar(c);
    }
    if (digits == 0 || separators > 1 || digits + separators > MaxEntryLength) return false;
    if (settings.LEADING_ZERO && bare.First() == settings.DECIMAL_SEPARATOR)
        bare.InsertChar(0, '0');
    shown = GroupDigits(FormatOf(settings), bare).Text();
    return true;
}

bool CorrectTapeLine(Tape& tape, size_t index, std::string_view number, CalcContext& live) {
    std::string shown;
    if (index >= tape.Lines.size() || !IsBroughtIn(tape.Lines[index].Role) ||
        !TypedNumber(live.Settings, number, shown)) {
        return false;
    }
    size_t end = 0;
    const DecString change = Recompute(tape, index, shown, live, end);
    PassOnToGrandTotal(tape, end, change, live);
    tape.Rewrite = true;
    ++tape.Edits;
    return true;
}

bool SetTapeNote(Tape& tape, size_t index, std::string_view note) {
    if (index >= tape.Lines.size()) return false;
    tape.Lines[index].Note = CleanNote(note);
    tape.Rewrite = true;
    ++tape.Edits;
    return true;
}

void ClearTape(Tape& tape) {
    tape.Lines.clear();
    tape.Unwritten = 0;
    tape.Rewrite = true;
    ++tape.Edits;
}

void ConvertTapeSeparators(Tape& tape, char oldThousand, char oldDecimal,
                           const NumberFormat& format) {
    for (TapeEntry& entry : tape.Lines) {
        if (entry.Number.empty() || entry.Number == ErrorText) continue;
        DecString number(entry.Number.c_str());
        ConvertSeparators(number, oldThousand, oldDecimal, format.DecimalSeparator);
        entry.Number = GroupDigits(format, number).Text();
        for (char& c : entry.Rate) {
            if (c == oldDecimal) c = format.DecimalSeparator;
        }
    }
    tape.Rewrite = true;
    ++tape.Edits;
}
