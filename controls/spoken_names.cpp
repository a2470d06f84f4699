#include "controls/spoken_names.h"

#include <string>

#include "decimal/number_text.h"
#include "language/words.h"

namespace {

// By row of the control table; the decimal key is DecimalKeyRow whatever its caption shows.
constexpr const char* Names[ControlCount] = {
    English("Display"),
    "7",
    "8",
    "9",
    English("Decimal separator"),
    "4",
    "5",
    "6",
    "1",
    "2",
    "3",
    "0",
    English("Back-space"),
    English("Plus"),
    English("Pending operator"),
    English("Equals"),
    English("Minus"),
    English("Multiply"),
    English("Divide"),
    English("Clear"),
    English("Change sign"),
    English("Percent"),
    English("Square root"),
    English("Reciprocal"),
    English("Memory clear"),
    English("Memory recall"),
    English("Memory add"),
    English("Memory subtract"),
    English("Double zero"),
    English("Memory"),
    English("Clear entry"),
    English("Total"),
    English("Memory store"),
    English("Add tax"),
    English("Remove tax"),
    English("Grand total"),
    English("Cost"),
    English("Sell"),
    English("Margin"),
    English("Grand total"),
};

struct OperatorWord {
    char Operator;
    const char* Word;
};

constexpr OperatorWord OperatorWords[] = {{'+', English("Plus")},
                                          {'-', English("Minus")},
                                          {'*', English("Multiply")},
                                          {'/', English("Divide")}};

DecString SpokenOperator(const DecString& indicator) {
    if (indicator.Empty()) return Words("none");
    for (const OperatorWord& word : OperatorWords) {
        if (indicator.First() == word.Operator) return Words(word.Word);
    }
    return Utf8OfCodePage(indicator.Text()).c_str();
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
    DecString name = Words(Names[row]);
    if (row == OperatorIndicatorRow || row == MemoryIndicatorRow || row == GrandTotalIndicatorRow) {
        name.AppendText(", ");
        name.AppendString(SpokenValue(row, shownText));
    }
    return name;
}

DecString SpokenValue(int32_t row, const DecString& shownText) {
    if (row == PanelRow) return Utf8OfCodePage(shownText.Text()).c_str();
    if (row == OperatorIndicatorRow) return SpokenOperator(shownText);
    if (row == MemoryIndicatorRow || row == GrandTotalIndicatorRow) {
        return shownText.Empty() ? Words("empty") : Words("in use");
    }
    return "";
}

bool HasSpokenValue(int32_t row) {
    return row == PanelRow || row == OperatorIndicatorRow || row == MemoryIndicatorRow ||
           row == GrandTotalIndicatorRow;
}

DecString SpokenShortcut(int32_t row, const ControlRecord& record) {
    if (row == EqualsRow) return Words("Enter");
    if (record.HotKey.Empty()) return "";
    switch (record.HotKey.First()) {
        case '\b':
            return Words("Backspace");
        case '\n':
            return Words("Delete");
        case ' ':
            return Words("Space");
        default:
            return DecString(UpperCase(record.HotKey.First()));
    }
}

DecString SpokenResult(const DecString& panelText) {
    return panelText == ErrorText ? DecString(Words("Error"))
                                  : DecString(Utf8OfCodePage(panelText.Text()).c_str());
}

DecString SpokenTotal(const DecString& panelText, int32_t numbers) {
    const std::string result(SpokenResult(panelText).Text());
    if (numbers == 1) return WordsWith("Total %1, 1 number", {result}).c_str();
    return WordsWith("Total %1, %2 numbers", {result, std::to_string(numbers)}).c_str();
}
