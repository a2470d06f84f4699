#include "tape/tape_recorder.h"

#include "decimal/number_text.h"
#include "settings/tax_rate.h"

namespace {

bool SameSnapshot(const CalcSnapshot& a, const CalcSnapshot& b) {
    return a.PanelText == b.PanelText && a.EntryState == b.EntryState &&
           a.OperatorIndicatorText == b.OperatorIndicatorText && a.OperandA == b.OperandA;
}

bool IsAddOrSubtract(const DecString& label) {
    return label == "+" || label == "-";
}

// A number the user typed and no entry holds yet is taken by this key.
bool TakesTypedNumber(const Tape& tape, const KeyPress& key) {
    return key.Before.EntryState == EntryState::Entering && !tape.Run.EntryOnTape;
}

TapeRole BroughtInRole(const KeyPress& key) {
    const bool pending = !key.Before.OperandA.Empty() || !key.Before.OperatorIndicatorText.Empty();
    return pending ? TapeRole::Entry : TapeRole::Start;
}

void Write(Tape& tape, const KeyPress& key, TapeRole role, const DecString& number,
           int32_t count = 0) {
    TapeEntry entry;
    TapeKeyOfLabel(key.Label.Text(), entry.Key);
    entry.Role = role;
    entry.Number = number.Text();
    entry.Count = count;
    AppendTapeEntry(tape, std::move(entry));
}

// The number the key took, typed or already shown.
void WriteOperand(Tape& tape, const KeyPress& key) {
    const TapeRole role = TakesTypedNumber(tape, key) ? BroughtInRole(key) : TapeRole::Shown;
    Write(tape, key, role, key.Before.PanelText);
}

// A typed operand with its result below it, or a result computed from the shown value.
void WriteOperandAndResult(Tape& tape, const KeyPress& key, int32_t count = 0) {
    if (TakesTypedNumber(tape, key)) {
        Write(tape, key, BroughtInRole(key), key.Before.PanelText);
        Write(tape, key, TapeRole::Result, key.After.PanelText, count);
    } else {
        Write(tape, key, TapeRole::KeyResult, key.After.PanelText, count);
    }
}

void CountOperator(TapeRun& run, const KeyPress& key) {
    if (key.Before.EntryState == EntryState::OperatorPressed) return;  // the operator is replaced
    if (key.Before.EntryState != EntryState::ResultShown && !key.Before.OperandA.Empty()) {
        ++run.Items;
        run.OnlyAddSubtract =
            run.OnlyAddSubtract && IsAddOrSubtract(key.Before.OperatorIndicatorText);
        return;
    }
    run.Items = 1;
    run.OnlyAddSubtract = true;
}

// The items of an add/subtract run, shown on its result; 0 when the run multiplied or divided.
int32_t CountEquals(TapeRun& run, const KeyPress& key) {
    run.Items = run.Items == 0 ? 2 : run.Items + 1;
    run.OnlyAddSubtract = run.OnlyAddSubtract && IsAddOrSubtract(key.Before.OperatorIndicatorText);
    return run.OnlyAddSubtract ? run.Items : 0;
}

// "=" with no number typed reuses one: the shown value ("+ =", "* =" squares) or, repeated,
// the last operand again. That operand gets its line, so the lines add up to the result.
void RecordEquals(Tape& tape, const CalcSettings& settings, const KeyPress& key) {
    if (key.Refused) {
        // Nothing computed, but a typed number is now the shown value ("7 =").
        if (TakesTypedNumber(tape, key)) Write(tape, key, BroughtInRole(key), key.Before.PanelText);
        return;
    }
    const int32_t count = CountEquals(tape.Run, key);
    if (key.Before.EntryState == EntryState::Entering) {
        WriteOperandAndResult(tape, key, count);
        return;
    }
    Write(tape, key, TapeRole::Shown, GroupDigits(FormatOf(settings), key.After.OperandB));
    Write(tape, key, TapeRole::Result, key.After.PanelText, count);
}

// "%" with no number typed takes the shown value as its operand.
void RecordPercent(Tape& tape, const KeyPress& key) {
    if (key.Before.EntryState == EntryState::Entering) {
        WriteOperandAndResult(tape, key);
    } else {
        Write(tape, key, TapeRole::Shown, key.Before.PanelText);
        Write(tape, key, TapeRole::Result, key.After.PanelText);
    }
}

void RecordSquareRoot(Tape& tape, const CalcSettings& settings, const KeyPress& key) {
    const DecString& value = key.Before.PanelText;
    if (value.First() == '-' || IsZeroNumber(FormatOf(settings), value)) {
        WriteOperand(tape, key);  // refused without a beep: the calculation is dropped
    } else {
        WriteOperandAndResult(tape, key);
    }
    tape.Run = TapeRun{};
}

void RecordBroughtIn(Tape& tape, const KeyPress& key, int32_t count = 0) {
    Write(tape, key, BroughtInRole(key), key.After.PanelText, count);
    tape.Run.EntryOnTape = true;
}

void WriteFigure(Tape& tape, TapeKey key, const DecString& number, const DecString& rate = "") {
    TapeEntry entry;
    entry.Key = key;
    entry.Role = TapeRole::Result;
    entry.Number = number.Text();
    entry.Rate = rate.Text();
    AppendTapeEntry(tape, std::move(entry));
}

// The number a business key took: typed, or the value shown. A figure added to a set begun
// before is no start of a calculation.
void WriteTaken(Tape& tape, const KeyPress& key) {
    TapeRole role = TapeRole::Shown;
    if (TakesTypedNumber(tape, key)) {
        role = key.Figures.Continues ? TapeRole::Entry : BroughtInRole(key);
    }
    Write(tape, key, role, key.Figures.Taken);
}

// Three lines as a printing calculator prints them: the number taken, the tax with its
// rate, and the gross (TAX+) or the net (TAX-).
void RecordTax(Tape& tape, const CalcSettings& settings, const KeyPress& key) {
    const BusinessFigures& figures = key.Figures;
    if (figures.Taken.Empty()) return;
    WriteTaken(tape, key);
    WriteFigure(tape, TapeKey::Tax, figures.Tax,
                ShownTaxRate(figures.Rate, settings.DECIMAL_SEPARATOR));
    const bool adds = key.Action == KeyAction::AddTax;
    WriteFigure(tape, adds ? TapeKey::Gross : TapeKey::Net, figures.Result);
    tape.Run = TapeRun{};
}

// The figure taken; once the set is complete, the figure found below it.
void RecordCostSellMargin(Tape& tape, const KeyPress& key) {
    constexpr TapeKey FigureKeys[] = {TapeKey::Cost, TapeKey::Sell, TapeKey::Margin};
    const BusinessFigures& figures = key.Figures;
    if (figures.Taken.Empty()) return;
    WriteTaken(tape, key);
    if (figures.Found >= 0) WriteFigure(tape, FigureKeys[figures.Found], figures.Result);
    tape.Run = TapeRun{};
}

void RecordGrandTotal(Tape& tape, const KeyPress& key) {
    if (key.Figures.Cleared) {
        Write(tape, key, TapeRole::Mark, "");
    } else if (!key.Figures.Result.Empty()) {
        Write(tape, key, BroughtInRole(key), key.After.PanelText, key.Figures.Count);
        tape.Run.EntryOnTape = true;
    }
}

void RecordClear(Tape& tape, const KeyPress& key) {
    tape.Run = TapeRun{};
    if (tape.Lines.empty() || tape.Lines.back().Key == TapeKey::Clear) return;
    Write(tape, key, TapeRole::Mark, "");
}

}  // namespace

void RecordKeyPress(Tape& tape, const CalcSettings& settings, const KeyPress& key) {
    const bool changed = !SameSnapshot(key.Before, key.After);
    switch (key.Action) {
        case KeyAction::Entry:
        case KeyAction::DoubleZero:
        case KeyAction::BackSpace:
        case KeyAction::ClearEntry:
            if (changed) tape.Run.EntryOnTape = false;
            break;
        case KeyAction::SignChange:
            if (key.Refused) break;
            if (key.Before.EntryState == EntryState::Entering) {
                tape.Run.EntryOnTape = false;
            } else {
                Write(tape, key, TapeRole::Shown, key.After.PanelText);
            }
            break;
        case KeyAction::Operator:
            if (!changed) break;
            CountOperator(tape.Run, key);
            WriteOperand(tape, key);
            break;
        case KeyAction::Equals:
            RecordEquals(tape, settings, key);
            break;
        case KeyAction::Percent:
            if (key.Refused) break;
            RecordPercent(tape, key);
            tape.Run = TapeRun{};
            break;
        case KeyAction::Reciprocal:
            if (key.Refused) break;
            WriteOperandAndResult(tape, key);
            tape.Run = TapeRun{};
            break;
        case KeyAction::SquareRoot:
            if (!key.Refused) RecordSquareRoot(tape, settings, key);
            break;
        case KeyAction::MemoryClear:
            if (!key.Refused) Write(tape, key, TapeRole::Mark, "");
            break;
        case KeyAction::MemoryRecall:
            if (!key.Refused) RecordBroughtIn(tape, key);
            break;
        case KeyAction::MemoryStore:
            if (key.Refused) break;
            WriteOperand(tape, key);
            if (key.Before.EntryState == EntryState::Entering) tape.Run.EntryOnTape = true;
            break;
        case KeyAction::MemoryAdd:
        case KeyAction::MemorySubtract:
            if (!key.Refused) WriteOperand(tape, key);
            break;
        case KeyAction::Total:
            if (changed || key.TotalNumbers > 0) RecordBroughtIn(tape, key, key.TotalNumbers);
            break;
        case KeyAction::Paste:
            if (changed) RecordBroughtIn(tape, key);
            break;
        case KeyAction::Clear:
            RecordClear(tape, key);
            break;
        case KeyAction::AddTax:
        case KeyAction::RemoveTax:
            RecordTax(tape, settings, key);
            break;
        case KeyAction::GrandTotal:
            RecordGrandTotal(tape, key);
            break;
        case KeyAction::Cost:
        case KeyAction::Sell:
        case KeyAction::Margin:
            RecordCostSellMargin(tape, key);
            break;
        case KeyAction::None:
            break;
    }
}
