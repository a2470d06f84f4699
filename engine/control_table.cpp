#include "engine/control_table.h"

namespace {

struct ControlRow {
    const char* ClassName;
    ControlStyle Style;
    const char* Label;
    const char* HotKey;
    int32_t OperatorFlag;
    const char* ToolTip;
    int32_t X, Y, Width, Height;
};

constexpr const char* Edit = "EDIT";
constexpr const char* Button = "BUTTON";
constexpr const char* Static = "STATIC";
constexpr ControlStyle PanelLook = ControlStyle::Panel;
constexpr ControlStyle ButtonLook = ControlStyle::Button;
constexpr ControlStyle IndicatorLook = ControlStyle::Indicator;

// Row 4's label and hot key are the decimal separator, set from the settings.
constexpr ControlRow Rows[ControlCount] = {
    {Edit, PanelLook, "0", "", 0, "", 0, 2, 109, 7},
    {Button, ButtonLook, "7", "7", 0, "", 48, 24, 9, 9},
    {Button, ButtonLook, "8", "8", 0, "", 58, 24, 9, 9},
    {Button, ButtonLook, "9", "9", 0, "", 68, 24, 9, 9},
    {Button, ButtonLook, "", "", 0, "Digital separator", 58, 54, 9, 9},
    {Button, ButtonLook, "4", "4", 0, "", 48, 34, 9, 9},
    {Button, ButtonLook, "5", "5", 0, "", 58, 34, 9, 9},
    {Button, ButtonLook, "6", "6", 0, "", 68, 34, 9, 9},
    {Button, ButtonLook, "1", "1", 0, "", 48, 44, 9, 9},
    {Button, ButtonLook, "2", "2", 0, "", 58, 44, 9, 9},
    {Button, ButtonLook, "3", "3", 0, "", 68, 44, 9, 9},
    {Button, ButtonLook, "0", "0", 0, "", 48, 54, 9, 9},
    {Button, ButtonLook, "<-", "\b", 0, "Shift-back [Backspace]", 100, 34, 9, 9},
    {Button, ButtonLook, "+", "+", 1, "", 80, 44, 9, 19},
    {Static, IndicatorLook, "", "", 0, "Current operator", 100, 12, 9, 9},
    {Button, ButtonLook, "=", "", 0, "[Enter]", 90, 44, 9, 19},
    {Button, ButtonLook, "-", "-", 1, "", 80, 34, 9, 9},
    {Button, ButtonLook, "*", "*", 1, "Multiply", 80, 24, 9, 9},
    {Button, ButtonLook, "/", "/", 1, "Divide", 90, 24, 9, 9},
    {Button, ButtonLook, "C", "c", 0, "Clear [C]", 32, 24, 13, 9},
    {Button, ButtonLook, "+-", "sign", 0, "Change sign [S]", 100, 24, 9, 9},
    {Button, ButtonLook, "%", "p", 0, "Percent [P]", 90, 34, 9, 9},
    {Button, ButtonLook, "SQR", "q", 0, "Square root [Q]", 32, 44, 13, 9},
    {Button, ButtonLook, "1/X", "x", 0, "1 Divide TO X [X]", 32, 54, 13, 9},
    {Button, ButtonLook, "MC", "l", 0, "Memory clear [L]", 32, 12, 13, 9},
    {Button, ButtonLook, "MR", "r", 0, "Memory recall [R]", 48, 12, 9, 9},
    {Button, ButtonLook, "M+", "a", 0, "Addition to memory [A]", 58, 12, 9, 9},
    {Button, ButtonLook, "M-", "u", 0, "Subtraction from memory [U]", 68, 12, 9, 9},
    {Button, ButtonLook, "00", "d", 0, "Double zeroes [D]", 68, 54, 9, 9},
    {Static, IndicatorLook, "", "", 0, "Indicator of using memory", 90, 12, 9, 9},
    {Button, ButtonLook, "CE", "\n", 0, "Clear entry [Delete]", 32, 34, 13, 9},
    {Button, ButtonLook, "T", "t", 0, "Total (calculate from clipboard) [T]", 100, 44, 9, 19},
    {Button, ButtonLook, "MS", "m", 0, "Memory set [M]", 80, 12, 9, 9},
};

}  // namespace

void FillControlTable(ControlTable& table, const CalcSettings& settings) {
    for (int32_t i = 0; i < ControlCount; ++i) {
        const ControlRow& row = Rows[i];
        ControlRecord& record = table[i];
        record.X = row.X;
        record.Y = row.Y;
        record.Width = row.Width;
        record.Height = row.Height;
        record.ClassName = row.ClassName;
        record.Style = row.Style;
        record.Id = FirstControlId + i;
        record.Label = row.Label;
        record.HotKey = row.HotKey;
        record.OperatorFlag = row.OperatorFlag;
        record.ToolTipText = row.ToolTip;
    }
    SetDecimalKey(table, settings.DECIMAL_SEPARATOR);
}

void SetDecimalKey(ControlTable& table, char separator) {
    ControlRecord& key = table[4];
    key.Label.AssignChar(separator);
    key.HotKey.AssignChar(separator);
}
