#include "total/whole_cells.h"

#include "total/code_page_text.h"

namespace {

uint8_t ClassOf(const CellRules& rules, char c) {
    return rules.Class[static_cast<unsigned char>(c)];
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Currency in letters: the signs these users' statements print ("zl" is the zloty's sign as
// the clipboard reading maps its letter), longer ones before their beginnings, and the
// ISO 4217 codes in use, one blank apart.
constexpr std::string_view CurrencyWords[] = {"R$",  "kr.", "kr", "Fr.", "Fr",
                                              "Rs.", "Rs",  "zl", "RMB"};
constexpr std::string_view IsoCodes =
    "AED AFN ALL AMD ANG AOA ARS AUD AWG AZN BAM BBD BDT BGN BHD BIF BMD BND BOB BRL BSD BTN "
    "BWP BYN BZD CAD CDF CHF CLP CNY COP CRC CUP CVE CZK DJF DKK DOP DZD EGP ERN ETB EUR FJD "
    "FKP GBP GEL GHS GIP GMD GNF GTQ GYD HKD HNL HTG HUF IDR ILS INR IQD IRR ISK JMD JOD JPY "
    "KES KGS KHR KMF KPW KRW KWD KYD KZT LAK LBP LKR LRD LSL LYD MAD MDL MGA MKD MMK MNT MOP "
    "MRU MUR MVR MWK MXN MYR MZN NAD NGN NIO NOK NPR NZD OMR PAB PEN PGK PHP PKR PLN PYG QAR "
    "RON RSD RUB RWF SAR SBD SCR SDG SEK SGD SHP SLE SLL SOS SRD SSP STN SVC SYP SZL THB TJS "
    "TMT TND TOP TRY TTD TWD TZS UAH UGX USD UYU UZS VES VND VUV WST XAF XCD XOF XPF YER ZAR "
    "ZMW ZWL";

bool IsIsoCode(std::string_view word) {
    for (size_t i = 0; i + 3 <= IsoCodes.size(); i += 4) {
        if (IsoCodes.substr(i, 3) == word) return true;
    }
    return false;
}

// The length of the currency sign or code `text` starts with (`atEnd`: ends with); 0 for none.
size_t CurrencyLength(std::string_view text, const CellRules& rules, bool atEnd) {
    if (text.empty()) return 0;
    for (const std::string_view word : CurrencyWords) {
        if (atEnd ? text.ends_with(word) : text.starts_with(word)) return word.size();
    }
    if (text.size() >= 3 && IsIsoCode(atEnd ? text.substr(text.size() - 3) : text.substr(0, 3))) {
        return 3;
    }
    return (ClassOf(rules, atEnd ? text.back() : text.front()) & CurrencySign) ? 1 : 0;
}

// The sign and currency around the digits: "-", "+" or "(" in front, "-" or ")" behind, one
// currency sign or code before or after, each with or without a blank; and, where the
// settings read them, a credit or debit mark at the very end.
struct Frame {
    size_t Begin = 0;
    size_t End = 0;
    char Opener = '\0';
    bool Closed = false;
    bool TrailingMinus = false;
    bool Currency = false;
    char Mark = '\0';  // 'C' for "CR", 'D' for "DR"

    bool Negative(CreditDebit reading) const {
        const char negativeMark = reading == CreditDebit::DrNegative   ? 'D'
                                  : reading == CreditDebit::CrNegative ? 'C'
                                                                       : '\0';
        return Opener == '-' || Opener == '(' || TrailingMinus ||
               (Mark != '\0' && Mark == negativeMark);
    }
};

void PeelMark(std::string_view cell, const CellRules& rules, Frame& frame) {
    if (rules.CreditMarks == CreditDebit::No || frame.End < 2) return;
    const std::string_view last = cell.substr(frame.End - 2, 2);
    if (last != "CR" && last != "DR" && last != "Cr" && last != "Dr") return;
    frame.Mark = last[0];
    frame.End -= 2;
    if (frame.End > 0 && IsCellBlank(cell[frame.End - 1])) --frame.End;
}

Frame PeelFrame(std::string_view cell, const CellRules& rules) {
    Frame frame;
    frame.End = cell.size();
    PeelMark(cell, rules, frame);
    const auto currency = [&](bool atEnd) -> size_t {
        if (frame.Currency) return 0;
        return CurrencyLength(cell.substr(frame.Begin, frame.End - frame.Begin), rules, atEnd);
    };
    while (frame.Begin < frame.End) {
        const char c = cell[frame.Begin];
        if (const size_t length = currency(false); length > 0) {
            frame.Currency = true;
            frame.Begin += length;
            if (frame.Begin < frame.End && IsCellBlank(cell[frame.Begin])) ++frame.Begin;
        } else if (frame.Opener == '\0' && (c == '-' || c == '+' || c == '(')) {
            frame.Opener = c;
            ++frame.Begin;
        } else {
            break;
        }
    }
    while (frame.End > frame.Begin) {
        const char c = cell[frame.End - 1];
        if (const size_t length = currency(true); length > 0) {
            frame.Currency = true;
            frame.End -= length;
            if (frame.End > frame.Begin && IsCellBlank(cell[frame.End - 1])) --frame.End;
        } else if (frame.Opener == '(' && !frame.Closed && c == ')') {
            frame.Closed = true;
            --frame.End;
        } else if (frame.Opener == '\0' && !frame.TrailingMinus && c == '-') {
            frame.TrailingMinus = true;
            --frame.End;
        } else {
            break;
        }
    }
    return frame;
}

// Digits split by one group mark: all groups of three after the first of one to three, or
// (Indian) groups of two after the first of one or two, and three at the end.
bool ValidGrouping(std::string_view integer, char mark) {
    int32_t first = -1;  // length of the first group, once it has ended
    int32_t length = 0;
    bool western = true;  // every group after the first so far has three digits
    bool indian = true;   // every group after the first so far has two
    for (const char c : integer) {
        if (c != mark) {
            ++length;
            continue;
        }
        if (length == 0) return false;
        if (first < 0) {
            first = length;
        } else {
            western = western && length == 3;
            indian = indian && length == 2;
        }
        length = 0;
    }
    if (first < 0) return true;
    return length == 3 && ((western && first <= 3) || (indian && first <= 2));
}

}  // namespace

bool IsCellBlank(char c) {
    return c == ' ' || c == NoBreakSpace;
}

CellRules MakeCellRules(const CalcSettings& settings) {
    CellRules rules;
    const auto mark = [&rules](char c, uint8_t flag) {
        rules.Class[static_cast<unsigned char>(c)] |= flag;
    };
    for (char c = '0'; c <= '9'; ++c) mark(c, CellDigit);
    for (const char c : {settings.THOUSAND_SEPARATOR, ' ', NoBreakSpace, '\''}) mark(c, GroupMark);
    mark(settings.DECIMAL_SEPARATOR, DecimalMark);
    for (int32_t i = 0; i < settings.DECIMAL_SEPARATORS.Length(); ++i) {
        mark(settings.DECIMAL_SEPARATORS.At(i), DecimalMark);
    }
    for (const char c : {'$', EuroSign, PoundSign, YenSign, OtherCurrencySign}) {
        mark(c, CurrencySign);
    }
    for (const char c : {' ', NoBreakSpace}) mark(c, CellBlank);
    rules.Separator = settings.DECIMAL_SEPARATOR;
    rules.CreditMarks = settings.CREDIT_DEBIT;
    return rules;
}

bool ReadWholeCell(std::string_view cell, const CellRules& rules, NumberRun& run) {
    const Frame frame = PeelFrame(cell, rules);
    if (frame.Opener == '(' && !frame.Closed) return false;
    // A credit or debit mark is the cell's sign: no other may stand beside it.
    if (frame.Mark != '\0' && (frame.Opener != '\0' || frame.TrailingMinus)) return false;
    const std::string_view body = cell.substr(frame.Begin, frame.End - frame.Begin);

    // The last character that can be a decimal separator is the one.
    size_t point = body.size();
    for (size_t i = body.size(); i-- > 0;) {
        if (ClassOf(rules, body[i]) & DecimalMark) {
            point = i;
            break;
        }
    }
    const std::string_view integer = body.substr(0, point);
    const std::string_view fraction = point < body.size() ? body.substr(point + 1) : "";
    char groupMark = '\0';
    int32_t digits = 0;
    for (const char c : integer) {
        if (IsDigit(c)) {
            ++digits;
        } else if (!(ClassOf(rules, c) & GroupMark) || (groupMark != '\0' && c != groupMark)) {
            return false;
        } else {
            groupMark = c;
        }
    }
    for (const char c : fraction) {
        if (!IsDigit(c)) return false;
    }
    if (digits + fraction.size() == 0) return false;
    if (groupMark != '\0' && !ValidGrouping(integer, groupMark)) return false;

    if (frame.Negative(rules.CreditMarks)) run.Append('-');
    for (const char c : integer) {
        if (IsDigit(c)) run.AppendDigit(c);
    }
    if (point < body.size()) {
        run.Append(rules.Separator);
        run.Separators = 1;
        for (const char c : fraction) run.AppendDigit(c);
    }
    return true;
}
