#include "controls/spoken_names.h"

#include "decimal/number_text.h"

namespace {

// By row of the control table; the decimal key is DecimalKeyRow whatever its caption shows.
constexpr const char* Names[ControlCount] = {
    "Display",
    "7",
    "8",
    "9",
    "Decimal separator",
    "4",
    "5",
    "6",
    "1",
    "2",
    "3",
    "0",
    "Back-space",
    "Plus",
    "Pending operator",
    "Equals",
    "Minus",
    "Multiply",
    "Divide",
    "Clear",
    "Change sign",
    "Percent",
    "Square root",
    "Reciprocal",
    "Memory clear",
    "Memory recall",
    "Memory add",
    "Memory subtract",
    "Double zero",
    "Memory",
    "Clear entry",
    "Total",
    "Memory store",
    "Add tax",
    "Remove tax",
    "Grand total",
    "Cost",
    "Sell",
    "Margin",
    "Grand total",
};

struct OperatorWord {
    char Operator;
    const char* Word;
};

constexpr OperatorWord OperatorWords[] = {
    {'+', "Plus"}, {'-', "Minus"}, {'*', "Multiply"}, {'/', "Divide"}};

DecString SpokenOperator(const DecString& indicator) {
    if (indicator.Empty()) return "none";
    for (const OperatorWord& word : OperatorWords) {
        if (indicator.First() == word.Operator) return word.Word;
    }
    return indicator;
}

char UpperCase(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool InRange(int32_t row) {
    return row >= 0 && row < ControlCount;
}

}  // namespace

DecString SpokenName(int32_t row, const DecString& shownText) {
    if (!InRange(row)) return "";
    DecString name = Names[row];
    if (row == OperatorIndicatorRow || row == MemoryIndicatorRow || row == GrandTotalIndicatorRow) {
        name.AppendText(", ");
        name.AppendString(SpokenValue(row, shownText));
    }
    return name;
}

DecString SpokenValue(int32_t row, const DecString& shownText) {
    if (row == PanelRow) return shownText;
    if (row == OperatorIndicatorRow) return SpokenOperator(shownText);
    if (row == MemoryIndicatorRow || row == GrandTotalIndicatorRow) {
        return shownText.Empty() ? "empty" : "in use";
    }
    return "";
}

bool HasSpokenValue(int32_t row) {
    return row == PanelRow || row == OperatorIndicatorRow || row == MemoryIndicatorRow ||
           row == GrandTotalIndicatorRow;
}

DecString SpokenShortcut(int32_t row, const ControlRecord& record) {
    if (row == EqualsRow) return "Enter";
    if (record.HotKey.Empty()) return "";
    switch (record.HotKey.First()) {
        case '\b':
            return "Backspace";
        case '\n':
            return "Delete";
        case ' ':
            return "Space";
        default:
            return DecString(UpperCase(record.HotKey.First()));
    }
}

DecString SpokenResult(const DecString& panelText) {
    return panelText == ErrorText ? DecString("Error") : panelText;
}

DecString SpokenTotal(const DecString& panelText, int32_t numbers) {
    DecString text = "Total ";
    text.AppendString(SpokenResult(panelText));
    text.AppendText(", ");
    text.AppendInteger(numbers);
    text.AppendText(numbers == 1 ? " number" : " numbers");
    return text;
}
