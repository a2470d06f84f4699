#include "controls/control_table.h"

#include "language/words.h"

namespace {

struct ControlRow {
    ControlStyle Style;
    KeyAction Action;
    const char* Label;
    const char* HotKey;
    const char* ToolTip;
    int32_t X, Y, Width, Height;
};

constexpr ControlStyle Panel = ControlStyle::Panel;
constexpr ControlStyle Button = ControlStyle::Button;
constexpr ControlStyle Indicator = ControlStyle::Indicator;
using enum KeyAction;

// The decimal-separator key's label and hot key are the separator, set from the settings.
constexpr ControlRow Rows[ControlCount] = {
    {Panel, None, "0", "", "", 0, 2, 109, 7},
    {Button, Entry, "7", "7", "", 48, 24, 9, 9},
    {Button, Entry, "8", "8", "", 58, 24, 9, 9},
    {Button, Entry, "9", "9", "", 68, 24, 9, 9},
    {Button, Entry, "", "", English("Digital separator"), 58, 54, 9, 9},
    {Button, Entry, "4", "4", "", 48, 34, 9, 9},
    {Button, Entry, "5", "5", "", 58, 34, 9, 9},
    {Button, Entry, "6", "6", "", 68, 34, 9, 9},
    {Button, Entry, "1", "1", "", 48, 44, 9, 9},
    {Button, Entry, "2", "2", "", 58, 44, 9, 9},
    {Button, Entry, "3", "3", "", 68, 44, 9, 9},
    {Button, Entry, "0", "0", "", 48, 54, 9, 9},
    {Button, BackSpace, "<-", "\b", English("Shift-back [Backspace]"), 100, 34, 9, 9},
    {Button, Operator, "+", "+", "", 80, 44, 9, 19},
    {Indicator, None, "", "", English("Current operator"), 100, 12, 9, 9},
    {Button, Equals, "=", "", English("[Enter]"), 90, 44, 9, 19},
    {Button, Operator, "-", "-", "", 80, 34, 9, 9},
    {Button, Operator, "*", "*", English("Multiply"), 80, 24, 9, 9},
    {Button, Operator, "/", "/", English("Divide"), 90, 24, 9, 9},
    {Button, Clear, "C", "c", English("Clear [C]"), 32, 24, 13, 9},
    {Button, SignChange, "+-", "sign", English("Change sign [S]"), 100, 24, 9, 9},
    {Button, Percent, "%", "p", English("Percent [P]"), 90, 34, 9, 9},
    {Button, SquareRoot, "SQR", "q", English("Square root [Q]"), 32, 44, 13, 9},
    {Button, Reciprocal, "1/X", "x", English("1 Divide TO X [X]"), 32, 54, 13, 9},
    {Button, MemoryClear, "MC", "l", English("Memory clear [L]"), 32, 12, 13, 9},
    {Button, MemoryRecall, "MR", "r", English("Memory recall [R]"), 48, 12, 9, 9},
    {Button, MemoryAdd, "M+", "a", English("Addition to memory [A]"), 58, 12, 9, 9},
    {Button, MemorySubtract, "M-", "u", English("Subtraction from memory [U]"), 68, 12, 9, 9},
    {Button, DoubleZero, "00", "d", English("Double zeroes [D]"), 68, 54, 9, 9},
    {Indicator, None, "", "", English("Indicator of using memory"), 90, 12, 9, 9},
    {Button, ClearEntry, "CE", "\n", English("Clear entry [Delete]"), 32, 34, 13, 9},
    {Button, Total, "T", "t", English("Total (calculate from clipboard) [T]"), 100, 44, 9, 19},
    {Button, MemoryStore, "MS", "m", English("Memory set [M]"), 80, 12, 9, 9},
    // The business row under the keypad, across the panel's width; "MARGIN" takes the room
    // its caption needs. The indicator sits left of "MC", beside the add-mode indicator.
    {Button, AddTax, "TAX+", "i", English("Add tax [I]"), 0, 64, 16, 9},
    {Button, RemoveTax, "TAX-", "e", English("Remove tax [E]"), 17, 64, 16, 9},
    {Button, GrandTotal, "GT", "g", English("Grand total [G]"), 34, 64, 13, 9},
    {Button, Cost, "COST", "o", English("Cost [O]"), 48, 64, 19, 9},
    {Button, Sell, "SELL", "v", English("Sell [V]"), 68, 64, 19, 9},
    {Button, Margin, "MARGIN", "n", English("Margin [N]"), 88, 64, 21, 9},
    {Indicator, None, "", "", English("Grand total in use"), 16, 12, 13, 9},
};

static_assert(Rows[PanelRow].Style == Panel);
static_assert(Rows[DecimalKeyRow].Action == Entry && Rows[DecimalKeyRow].Label[0] == '\0');
static_assert(Rows[OperatorIndicatorRow].Style == Indicator);
static_assert(Rows[EqualsRow].Action == Equals);
static_assert(Rows[MemoryIndicatorRow].Style == Indicator);
static_assert(Rows[FirstBusinessRow].Action == AddTax);
static_assert(Rows[GrandTotalIndicatorRow].Style == Indicator);

}  // namespace

void FillControlTable(ControlTable& table, const CalcSettings& settings) {
    for (int32_t i = 0; i < ControlCount; ++i) {
        const ControlRow& row = Rows[i];
        ControlRecord& record = table[i];
        record.X = row.X;
        record.Y = row.Y;
        record.Width = row.Width;
        record.Height = row.Height;
        record.Style = row.Style;
        record.Action = row.Action;
        record.Id = FirstControlId + i;
        record.Label = row.Label;
        record.HotKey = row.HotKey;
        record.ToolTipText = row.ToolTip;
    }
    SetDecimalKey(table, settings.DECIMAL_SEPARATOR);
    ShowBusinessRows(table, settings.BUSINESS_KEYS);
}

bool IsBusinessRow(int32_t row) {
    return row >= FirstBusinessRow && row <= GrandTotalIndicatorRow;
}

void ShowBusinessRows(ControlTable& table, bool shown) {
    for (int32_t row = FirstBusinessRow; row <= GrandTotalIndicatorRow; ++row) {
        table[row].Shown = shown;
    }
}

void SetDecimalKey(ControlTable& table, char separator) {
    ControlRecord& key = table[DecimalKeyRow];
    key.Label.AssignChar(separator);
    key.HotKey.AssignChar(separator);
}

int32_t CommandOfLabel(const ControlTable& table, const char* label) {
    for (const ControlRecord& record : table) {
        if (record.Style == ControlStyle::Button && record.Label == label) return record.Id;
    }
    return 0;
}
