#include "settings/separator_rules.h"

#include "settings/calc_settings.h"

void RemoveDuplicateChars(DecString& text) {
    DecString kept;
    for (int32_t i = 0; i < text.Length(); ++i) {
        if (kept.FindChar(text.At(i)) < 0) kept.AppendChar(text.At(i));
    }
    text = kept;
}

char SeparatorFromField(const DecString& field) {
    return field.Empty() ? ' ' : field.First();
}

const char* CheckViewSeparators(char thousand, char decimal) {
    if (thousand == decimal) return EqualViewSeparatorsMessage;
    if (!IsValidSeparatorChar(thousand) || !IsValidSeparatorChar(decimal))
        return InvalidViewSeparatorMessage;
    return nullptr;
}

const char* CheckTotalSeparators(const DecString& decimalSet, const DecString& numberSet,
                                 char viewDecimal) {
    if (!IsValidSeparatorText(decimalSet.Text())) return InvalidDecimalSeparatorsMessage;
    if (!IsValidSeparatorText(numberSet.Text())) return InvalidNumberSeparatorsMessage;
    if (numberSet.ContainsAnyOf(decimalSet.Text())) return SharedTotalSeparatorsMessage;
    if (numberSet.FindChar(viewDecimal) >= 0) return NumberSeparatorIsDecimalMessage;
    return nullptr;
}

void ConvertSeparators(DecString& text, char oldThousand, char oldDecimal, char newDecimal) {
    if (text == "ERROR") return;
    text.RemoveChar(oldThousand);
    int32_t decimalAt = text.FindChar(oldDecimal);
    if (decimalAt < 0) return;
    text.RemoveChar(oldDecimal);
    if (decimalAt < text.Length()) {
        text.InsertChar(decimalAt, newDecimal);
    } else {
        text.AppendChar(newDecimal);  // the separator stood last, as in a typed "12."
    }
}
