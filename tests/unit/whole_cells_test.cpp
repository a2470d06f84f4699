// The Total's reading by whole cells: which cells read as one number, and what the Total
// makes of a text read that way.
#include "total/whole_cells.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "keypad_driver.h"
#include "seeded_random.h"
#include "total/code_page_text.h"

namespace {

constexpr const char* CommaView = "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .\n";
constexpr const char* CommaViewPointToo =
    "[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .\n[TOTAL]\nDECIMAL_SEPARATORS = .\n";
constexpr const char* ApostropheGroups = "[VIEW]\nTHOUSAND_SEPARATOR = '\n";
constexpr const char* DrNegative = "[TOTAL]\nCREDIT_DEBIT = DR_NEGATIVE\n";
constexpr const char* CrNegative = "[TOTAL]\nCREDIT_DEBIT = CR_NEGATIVE\n";

CalcSettings SettingsOf(const std::string& text) {
    return KeypadDriver(text).Context.Settings;
}

// The number text a cell reads as, or "refused".
std::string ReadCell(const CalcSettings& settings, const std::string& cell) {
    NumberRun run;
    if (!ReadWholeCell(cell, MakeCellRules(settings), run)) return "refused";
    return std::string(run.Chars.data(), run.Length);
}

struct CellCase {
    const char* Settings;
    const char* Cell;
    const char* Number;  // "refused" for a cell that is no number
};

const CellCase CellCases[] = {
    // Accepted                                  // Refused, side by side
    {"", "1,234.56", "1234.56"},
    {"", "1,23,4", "refused"},
    {"", "12,34,567", "1234567"},
    {"", "123,45,678", "refused"},
    {"", "1 234 567", "1234567"},
    {"", "1 234,567", "refused"},
    {"",
     "1\xA0"
     "234",
     "1234"},
    {"",
     "1\xA0\xA0"
     "234",
     "refused"},
    {"", "1'234.5", "1234.5"},
    {"", "1,2345", "refused"},
    {"", "(25.50)", "-25.50"},
    {"", "(25.50", "refused"},
    {"", "25.50-", "-25.50"},
    {"", "25.50)", "refused"},
    {"", "-3.50", "-3.50"},
    {"", "--3.50", "refused"},
    {"", "+7", "7"},
    {"", "+-7", "refused"},
    {"", "$ 1,000", "1000"},
    {"", "$$1,000", "refused"},
    {"", "1,000 $", "1000"},
    {"", "$1,000$", "refused"},
    {"", "-$5", "-5"},
    {"", "- $5", "refused"},
    {"", "$-5", "-5"},
    {"", "(-5)", "refused"},
    {"", "($5)", "-5"},
    {"", "-5-", "refused"},
    {"", "(5 \x80)", "-5"},
    {"", "5 %", "refused"},
    {"",
     "\xA3"
     "12.5",
     "12.5"},
    {"", "Euro 12", "refused"},
    {"", "12 \xA5", "12"},
    {"", "Invoice 7", "refused"},
    {"", "5.", "5."},
    {"", ".", "refused"},
    {"", ".5", ".5"},
    {"", "12.05.2026", "refused"},
    {"", "007", "007"},
    {"", "2026-12-01", "refused"},
    {"", "0", "0"},
    {"", "12:30", "refused"},
    {"", "1234567", "1234567"},
    {"", "1,234.5.6", "refused"},
    {"", "1,234", "1234"},
    {"", ",234", "refused"},
    {"", "1.5", "1.5"},
    {"", "1.5,000", "refused"},
    {CommaView, "1.234.567,5", "1234567,5"},
    {CommaView, "12.05.2026", "refused"},
    {CommaView, "0,5", "0,5"},
    {CommaView, "1,234.5", "refused"},
    {CommaView, "1.234", "1234"},
    {CommaView, "1.23", "refused"},
    // The last candidate is the decimal separator; earlier ones must be group marks.
    {CommaViewPointToo, "1.234.567,5", "1234567,5"},
    {CommaViewPointToo, "1.5", "1,5"},
    {CommaViewPointToo, "1.234", "1,234"},
    {CommaViewPointToo, "1,234.5", "refused"},
    {ApostropheGroups, "1'234'567.25", "1234567.25"},
    {ApostropheGroups, "1,234", "refused"},
    // Currency signs the code page cannot hold arrive as OtherCurrencySign (\x81), the
    // zloty's as "zl"; codes and signs in letters stand where "$" may, glued to no letter.
    {"",
     "\x81"
     "1,23,456.00",
     "123456.00"},
    {"",
     "\x81\x81"
     "5",
     "refused"},
    {"", "5 \x81", "5"},
    {"", "5 \x1A", "refused"},  // a character the code page cannot hold, no currency
    {"", "USD 12.00", "12.00"},
    {"", "USDA 12", "refused"},
    {"", "USD12", "12"},
    {"", "EURO 12", "refused"},
    {"", "12 EUR", "12"},
    {"", "12 TEUR", "refused"},
    {"", "12EUR", "12"},
    {"", "12EURO", "refused"},
    {"", "CHF 1'234.50", "1234.50"},
    {"", "CHF 5 EUR", "refused"},
    {"", "GBP 7", "7"},
    {"", "ABC 7", "refused"},  // no currency's code
    {"", "INR 1,23,456", "123456"},
    {"", "eur 7", "refused"},
    {"", "CNY 88", "88"},
    {"", "RMB88", "88"},
    {"", "-EUR 5", "-5"},
    {"", "EUR --5", "refused"},
    {"", "(EUR 5)", "-5"},
    {"", "EUR 5-", "-5"},
    {"", "Rs. 1,23,456", "123456"},
    {"", "Rs 1,23,456", "123456"},
    {"", "5 kr.", "5"},
    {"", "5 krone", "refused"},
    {"", "kr 5", "5"},
    {"", "Frs 12", "refused"},
    {"", "Fr. 12.50", "12.50"},
    {"", "Fr.12.50", "12.50"},
    {"", "12.50 Fr.", "12.50"},
    {"", "12.50 F.", "refused"},
    {CommaView, "R$ 1.234,56", "1234,56"},
    {CommaView, "R 1.234,56", "refused"},
    {CommaView, "R$1.234,56", "1234,56"},
    {CommaView, "R$ R$ 1.234,56", "refused"},
    {CommaView, "1 234,56 zl", "1234,56"},
    {CommaView, "1 234,56 z", "refused"},
    {CommaView, "1 234,56zl", "1234,56"},
    {CommaView, "1 234,56 z\x1A", "refused"},  // "z" and a letter the mapping left unmapped
    {CommaView, "1 234,56 \x81", "1234,56"},
    {CommaView, "1 234,56 RUB", "1234,56"},
    {CommaView, "PLN 1 234,56", "1234,56"},
    {CommaView, "BRL 1.234,56", "1234,56"},
    // UTF-8 bytes in code page text are that text's own characters, not a currency sign.
    {"",
     "\xE2\x82\xB9"
     "5",
     "refused"},
    // A trailing "CR" or "DR" is read only where CREDIT_DEBIT says which one is negative.
    {DrNegative, "1,234.56 DR", "-1234.56"},
    {"", "1,234.56 DR", "refused"},
    {DrNegative, "1,234.56 CR", "1234.56"},
    {"", "1,234.56 CR", "refused"},
    {DrNegative, "$5 Dr", "-5"},
    {DrNegative, "-5 DR", "refused"},
    {CrNegative, "5CR", "-5"},
    {CrNegative, "(5) CR", "refused"},
    {CrNegative, "5 DR", "5"},
    {CrNegative, "CR", "refused"},
    {CrNegative, "5 EUR CR", "-5"},
    {CrNegative, "5 CR-", "refused"},
};

TEST(WholeCells, AcceptedAndRefusedCells) {
    for (const CellCase& c : CellCases) {
        EXPECT_EQ(ReadCell(SettingsOf(c.Settings), c.Cell), c.Number)
            << "cell \"" << c.Cell << "\" with " << c.Settings;
    }
}

// Amounts as bank statements and invoices print them, in Unicode as the clipboard holds them,
// mapped as the program maps the clipboard's text.
TEST(WholeCells, StatementAmountsInUnicode) {
    struct Sample {
        const char* Settings;
        const char* Utf8;
        const char* Number;
    };
    const Sample samples[] = {
        {"", "\u20B91,23,456.00", "123456.00"},
        {"", "USD 12.00", "12.00"},
        {"", "CHF 1\u2019234.50", "1234.50"},
        {"", "\u00A51,234", "1234"},
        {CommaView, "R$ 1.234,56", "1234,56"},
        {CommaView, "1\u00A0234,56 z\u0142", "1234,56"},
        {CommaView, "1\u202F234,56 \u20BD", "1234,56"},
        {CommaView, "1 234,56 \u0440\u0443\u0431.", "refused"},  // "rub." in Cyrillic letters
        {CommaView, "12,50 \u20AC", "12,50"},
    };
    for (const Sample& sample : samples) {
        std::string cell = sample.Utf8;
        MapUtf8ToCodePageInPlace(cell);
        EXPECT_EQ(ReadCell(SettingsOf(sample.Settings), cell), sample.Number) << sample.Utf8;
    }
}

struct WholeTotalCase {
    const char* Settings;
    const char* Clipboard;
    const char* Panel;
    const char* Message;  // "" for none
    int Beeps;
};

constexpr const char* Whole = "[TOTAL]\nWHOLE_CELLS = YES\n";

const WholeTotalCase WholeTotalCases[] = {
    {Whole, "1,234.56\r\n(25.50)\r\n25.50-\r\n$ 1,000\r\n-3.50", "2,180.06", "", 0},
    {Whole, "1,234.56\t12.05.2026\tInvoice 7\t5 %\n-3.50", "1,231.06", "", 0},
    {"[VIEW]\nDECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .\n[TOTAL]\nWHOLE_CELLS = YES\n",
     "1.234.567,5\n0,5", "1.234.568", "", 0},
    {"[TOTAL]\nWHOLE_CELLS = YES\nNUMBER_SEPARATORS = ;\n", " 1 ; 2 ;; x ;3", "6", "", 0},
    {Whole, "  12  \r\n\r\n", "12", "", 0},
    {Whole, "Invoice 2026-12-01 total 1,234.56", "0", "There are no valid numbers in clipboard.",
     0},
    {Whole, "999999999999999999999999\n1", "ERROR", "", 1},
    {Whole, "1.2.3\n4", "4", "", 0},
    {"[COMMON]\nROUND_MODE = 0\n[TOTAL]\nWHOLE_CELLS = YES\n", "0.4\n0.4\n0.4", "1", "", 0},
};

TEST(WholeCells, TotalOfAText) {
    for (const WholeTotalCase& c : WholeTotalCases) {
        KeypadDriver calc(c.Settings);
        calc.Host.Clipboard = c.Clipboard;
        calc.Press("T");
        EXPECT_EQ(calc.Panel(), c.Panel) << c.Clipboard;
        EXPECT_EQ(calc.Host.Beeps, c.Beeps) << c.Clipboard;
        const std::vector<std::string> messages =
            *c.Message ? std::vector<std::string>{c.Message} : std::vector<std::string>{};
        EXPECT_EQ(calc.Host.Messages, messages) << c.Clipboard;
    }
}

// An independent reading of the rules: each way a number may be framed and grouped written
// as a regular expression, tried in turn. It yields the number's value as sign, integer digits
// and fraction digits, or nothing.
class ReferenceReader {
   public:
    ReferenceReader(char decimal, char thousand, const std::string& extraDecimals) {
        candidates_ = std::string(1, decimal) + extraDecimals;
        const std::string groups = std::string(1, thousand) + " \xA0'";
        const std::string currency = "(?:[\\x24\\x80\\xA3\\xA5\\x81]|R\\$|zl|EUR|CHF)";
        const std::string blank = "[ \\xA0]";
        const std::string before = currency + blank + "?";
        const std::string after = blank + "?" + currency;
        struct Sign {
            const char* Open;
            const char* Close;
            bool Negative;
        };
        const Sign signs[] = {{"", "", false},
                              {"-", "", true},
                              {"\\+", "", false},
                              {"\\(", "\\)", true},
                              {"", "-", true}};
        for (const char group : groups) {
            for (const bool point : {false, true}) {
                for (const Sign& sign : signs) {
                    for (int place = 0; place < 5; ++place) {
                        const std::string pattern = (place == 1 ? before : "") + sign.Open +
                                                    (place == 2 ? before : "") +
                                                    Body(group, point) + (place == 3 ? after : "") +
                                                    sign.Close + (place == 4 ? after : "");
                        forms_.push_back({std::regex(pattern), sign.Negative});
                    }
                }
            }
        }
    }

    // "refused", or the value as the whole-cell reader writes it.
    std::string Read(const std::string& cell, char separator) const {
        std::string found = "refused";
        for (const Form& form : forms_) {
            std::smatch match;
            if (!std::regex_match(cell, match, form.Pattern)) continue;
            const std::string integer = match[1];
            const bool hasPoint = match[2].length() > 0;
            std::string number = form.Negative ? "-" : "";
            for (const char c : integer) {
                if (c >= '0' && c <= '9') number += c;
            }
            if (hasPoint) number += separator + std::string(match[3]);
            EXPECT_TRUE(found == "refused" || found == number) << "two readings of " << cell;
            found = number;
        }
        return found;
    }

   private:
    struct Form {
        std::regex Pattern;
        bool Negative;
    };

    static std::string Escaped(char c) {
        char text[8];
        std::snprintf(text, sizeof text, "\\x%02X", static_cast<unsigned char>(c));
        return text;
    }

    // Integer digits in group 1, the decimal separator in group 2, the fraction in group 3.
    // Without a decimal separator, a group mark that could be one cannot stand in the digits:
    // the last of them would be the decimal separator.
    std::string Body(char group, bool withPoint) const {
        const std::string g = Escaped(group);
        std::string point = "[";
        for (const char c : candidates_) point += Escaped(c);
        point += "]";
        const bool markIsCandidate = candidates_.find(group) != std::string::npos;
        const std::string integer =
            !withPoint && markIsCandidate
                ? "(\\d*)"
                : "(\\d*|\\d{1,3}(?:" + g + "\\d{3})+|\\d{1,2}(?:" + g + "\\d{2})*" + g + "\\d{3})";
        return "(?=[^\\d]*\\d)" + integer + (withPoint ? "(" + point + ")(\\d*)" : "()()");
    }

    std::string candidates_;
    std::vector<Form> forms_;
};

std::string RandomCell(Random& random) {
    static const std::vector<std::string> pieces = {
        "0", "1",    "2", "5", "7",    "9",  "12", "345", "1234", ",",    ".",
        " ", "\xA0", "'", "-", "+",    "(",  ")",  "$",   "\x80", "\xA3", "\xA5",
        "%", "a",    ":", ";", "\x81", "R$", "zl", "z",   "EUR",  "CHF",  "E"};
    std::string cell;
    const int count = 1 + random.Below(8);
    for (int i = 0; i < count; ++i) cell += pieces[random.Below(static_cast<int>(pieces.size()))];
    return cell;
}

// Numbers the generator would rarely stumble upon, mixed into the random cells.
std::string RandomNumberCell(Random& random, char decimal, char thousand) {
    std::string digits = std::to_string(random.Next() % 100000000000ULL);
    std::string cell;
    const int style = random.Below(3);
    for (size_t i = 0; i < digits.size(); ++i) {
        const size_t left = digits.size() - i;
        const bool mark =
            i > 0 &&
            (style == 1 ? left % 3 == 0 : style == 2 && (left == 3 || (left > 3 && left % 2 == 1)));
        if (mark) cell += thousand;
        cell += digits[i];
    }
    if (random.Chance(50)) cell += decimal + std::to_string(random.Below(100));
    const char* frames[] = {"%s",       "-%s",   "(%s)",  "%s-",    "$ %s",     "%s \x80", "-$%s",
                            "(\xA3%s)", "EUR%s", "%s zl", "R$ %s-", "(CHF %s)", "\x81%s"};
    char framed[96];
    std::snprintf(framed, sizeof framed, frames[random.Below(13)], cell.c_str());
    return framed;
}

TEST(WholeCells, AgreesWithAnIndependentReadingOfTheRules) {
    struct View {
        const char* Settings;
        char Decimal;
        char Thousand;
        const char* Extra;
    };
    const View views[] = {
        {"", '.', ',', ""},
        {CommaView, ',', '.', ""},
        {CommaViewPointToo, ',', '.', "."},
        {"[TOTAL]\nDECIMAL_SEPARATORS = ,'\n", '.', ',', ",'"},
        {ApostropheGroups, '.', '\'', ""},
    };
    Random random(20261209);
    int accepted = 0;
    for (const View& view : views) {
        const CalcSettings settings = SettingsOf(view.Settings);
        const ReferenceReader reference(view.Decimal, view.Thousand, view.Extra);
        for (int round = 0; round < 1500; ++round) {
            const std::string cell = random.Chance(30)
                                         ? RandomNumberCell(random, view.Decimal, view.Thousand)
                                         : RandomCell(random);
            const std::string expected = reference.Read(cell, view.Decimal);
            ASSERT_EQ(ReadCell(settings, cell), expected)
                << "cell \"" << cell << "\" with " << view.Settings;
            accepted += expected != "refused";
        }
    }
    EXPECT_GT(accepted, 2000);  // the comparison covers numbers, not only refusals
}

// Whole texts: the whole-cell Total of random cells shows what the Total shows for the
// numbers the independent reading accepts, written plainly one a line.
TEST(WholeCells, TotalsAgreeWithTheIndependentReading) {
    struct View {
        const char* Settings;
        char Decimal;
        char Thousand;
        const char* Extra;
    };
    const View views[] = {
        {"", '.', ',', ""},
        {CommaViewPointToo, ',', '.', "."},
        {"[COMMON]\nROUND_MODE = 1\n", '.', ',', ""},
    };
    Random random(20261210);
    for (const View& view : views) {
        const ReferenceReader reference(view.Decimal, view.Thousand, view.Extra);
        for (int round = 0; round < 150; ++round) {
            std::string text;
            std::string plain;
            const int cells = 1 + random.Below(10);
            for (int i = 0; i < cells; ++i) {
                const std::string cell = random.Chance(50)
                                             ? RandomNumberCell(random, view.Decimal, view.Thousand)
                                             : RandomCell(random);
                text += cell + (random.Chance(50) ? "\t" : "\r\n");
                // Blanks at both ends of a cell are dropped before it is read.
                const size_t first = cell.find_first_not_of(" \xA0");
                const size_t last = cell.find_last_not_of(" \xA0");
                if (first == std::string::npos) continue;
                const std::string number =
                    reference.Read(cell.substr(first, last - first + 1), view.Decimal);
                if (number != "refused") plain += number + "\n";
            }
            KeypadDriver whole(view.Settings);
            whole.Context.Settings.WHOLE_CELLS = true;
            whole.Host.Clipboard = text;
            whole.Press("T");
            KeypadDriver plainTotal(view.Settings);
            plainTotal.Host.Clipboard = plain.empty() ? "none" : plain;
            plainTotal.Press("T");
            ASSERT_EQ(whole.Panel(), plainTotal.Panel()) << text << "\n---\n" << plain;
            ASSERT_EQ(whole.Host.Beeps, plainTotal.Host.Beeps) << text;
            ASSERT_EQ(whole.Host.Messages, plainTotal.Host.Messages) << text;
        }
    }
}

}  // namespace
