// The business keys: tax both ways against exact references (tests/vectors/tax.txt, written
// by make_tax_vectors.py with Python's decimal), the grand total, cost/sell/margin.
#include "calculator/business_keys.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "calculator/separator_change.h"
#include "decimal/add_subtract.h"
#include "decimal/number_text.h"
#include "keypad_driver.h"

namespace {

const char* const BusinessOn = "[VIEW]\nBUSINESS_KEYS = YES\n";

// An amount typed key by key: digits, the separator, the sign last.
std::string TypedKeys(const std::string& amount) {
    std::string keys;
    for (const char c : amount) {
        if (c != '-') keys += std::string(1, c) + ' ';
    }
    if (amount.front() == '-') keys += "+- ";
    return keys;
}

std::string Settings(const std::string& mode, const std::string& type, const std::string& rate) {
    const char* const types[] = {"up", "math", "down"};
    int roundType = 0;
    while (type != types[roundType]) ++roundType;
    return std::string(BusinessOn) + "[COMMON]\nROUND_MODE = " + (mode == "fixed2" ? "1" : "2") +
           "\nROUND_TYPE = " + std::to_string(roundType) + "\nTAX_RATE = " + rate + "\n";
}

DecString Sum(const std::string& a, const std::string& b, const NumberFormat& format) {
    return AddNumbers(ShownNumber(format, a.c_str()), ShownNumber(format, b.c_str()), format);
}

TEST(BusinessKeys, TaxMatchesTheExactReferenceAndAddsUp) {
    std::ifstream file(std::string(QUILLON_VECTOR_DIR) + "/tax.txt");
    ASSERT_TRUE(file) << "tests/vectors/tax.txt";
    std::string line;
    int cases = 0;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        std::string id, key, amount, rate, mode, type, arrow, taken, tax, result;
        fields >> id >> key >> amount >> rate >> mode >> type >> arrow >> taken >> tax >> result;
        SCOPED_TRACE(line);
        KeypadDriver calc(Settings(mode, type, rate));
        calc.Press(TypedKeys(amount) + (key == "add" ? "TAX+" : "TAX-"));
        EXPECT_EQ(calc.Panel(), result);
        EXPECT_STREQ(calc.Context.Figures.Taken.Text(), taken.c_str());
        EXPECT_STREQ(calc.Context.Figures.Tax.Text(), tax.c_str());
        const std::string& net = key == "add" ? taken : result;
        const std::string& gross = key == "add" ? result : taken;
        EXPECT_STREQ(Sum(net, tax, PanelFormat(calc.Context)).Text(), gross.c_str())
            << "net + tax is not the gross";
        EXPECT_EQ(calc.Host.Beeps, 0);
        ++cases;
    }
    EXPECT_GE(cases, 400);
}

struct KeysCase {
    const char* Keys;
    const char* Panel;
    const char* Indicator;  // the grand-total indicator
    int32_t Count;          // results in the grand total
};

TEST(BusinessKeys, GrandTotalAddsEachResultOnce) {
    const KeysCase cases[] = {
        {"2 + 3 = GT", "5", "GT", 1},
        {"2 + 3 = = GT", "5", "GT", 1},           // the second "=" computes nothing
        {"5 + = = GT", "25", "GT", 2},            // each repeated "=" adds its new result
        {"2 + 3 = 4 * 5 = GT", "25", "GT", 2},    // chains
        {"2 + 3 + 4 GT", "0", "", 0},             // no "=", nothing to add
        {"2 0 0 + 5 % GT", "210", "GT", 1},       // percent
        {"2 + 3 = C GT", "5", "GT", 1},           // "C" keeps it
        {"2 + 3 = GT GT", "5", "", 0},            // a second GT clears
        {"2 + 3 = GT GT GT", "0", "", 0},         //  and the next shows nothing held
        {"2 + 3 = GT + 1 = GT", "11", "GT", 2},   // its value works on
        {"2 + 3 = GT 1 + 1 = GT", "7", "GT", 2},  // GT then typing starts a new number
        {"2 - 3 = 0 + 1 = GT", "0", "", 2},       // a zero sum shows no indicator
        {"1 / 0 = GT", "0", "", 0},               // "ERROR" is no result
        {"T GT", "6", "GT", 1},                   // the Total
    };
    for (const KeysCase& c : cases) {
        SCOPED_TRACE(c.Keys);
        KeypadDriver calc(BusinessOn);
        calc.Host.Clipboard = "1\n2\n3";
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Panel(), c.Panel);
        EXPECT_EQ(
            calc.Shown(DisplayField::GrandTotalIndicator, calc.Context.GrandTotalIndicatorText()),
            c.Indicator);
        EXPECT_EQ(calc.Context.Business.GrandTotalCount, c.Count);
    }
}

// New separators carry the grand total and a set in progress over with the memory.
TEST(BusinessKeys, NewSeparatorsCarryTheFiguresOver) {
    KeypadDriver calc(BusinessOn);
    calc.Press("1 . 5 + 1 = 8 0 . 5 COST");
    ApplyNewSeparators(calc.Context, '.', ',');
    SetDecimalKey(calc.Table, ',');
    calc.Press("1 6 1 SELL");
    EXPECT_EQ(calc.Panel(), "50");
    calc.Press("GT");
    EXPECT_EQ(calc.Panel(), "2,5");
}

TEST(BusinessKeys, HiddenKeysDoNothingAndAddNothing) {
    KeypadDriver calc;
    calc.Press("2 + 3 = 1 0 0 TAX+ GT COST");
    EXPECT_EQ(calc.Panel(), "100");
    EXPECT_TRUE(calc.Context.Business.GrandTotal.Empty());
    EXPECT_EQ(calc.Host.Beeps, 0);
}

struct FigureCase {
    const char* Keys;
    const char* Panel;
    int32_t Beeps;
};

TEST(BusinessKeys, CostSellMarginFindTheThird) {
    const FigureCase cases[] = {
        {"8 0 COST 1 0 0 SELL", "20", 0},
        {"1 0 0 SELL 8 0 COST", "20", 0},
        {"8 0 COST 2 0 MARGIN", "100", 0},
        {"2 0 MARGIN 8 0 COST", "100", 0},
        {"1 0 0 SELL 2 0 MARGIN", "80", 0},
        {"2 0 MARGIN 1 0 0 SELL", "80", 0},
        {"8 0 COST", "80", 0},                        // one figure: shown, nothing found
        {"8 0 COST 9 0 COST 1 0 0 SELL", "10", 0},    // the same key again replaces it
        {"8 0 COST 1 0 0 SELL 5 0 MARGIN", "50", 0},  // after a set, a new one
        {"8 0 COST 1 0 0 SELL 5 0 MARGIN 6 0 COST", "120", 0},
        {"3 COST 1 SELL", "-200", 0},  // a loss
        {"1 COST 3 SELL", "66.666666666666666666667", 0},
        {"8 0 COST 1 0 0 MARGIN", "ERROR", 1},
        {"8 0 COST 1 5 0 MARGIN", "ERROR", 1},
        {"0 SELL 5 COST", "ERROR", 1},
        {"5 0 MARGIN 0 SELL", "0", 0},  // the cost of nothing
        {"1 1 0 MARGIN 1 0 SELL", "-1", 0},
        {"1 / 0 = COST", "ERROR", 1},
    };
    for (const FigureCase& c : cases) {
        SCOPED_TRACE(c.Keys);
        KeypadDriver calc(BusinessOn);
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Panel(), c.Panel);
        EXPECT_EQ(calc.Host.Beeps, c.Beeps);
    }
}

TEST(BusinessKeys, FiguresFollowTheDecimalPlacesAndRounding) {
    const struct {
        const char* Settings;
        const char* Keys;
        const char* Panel;
    } cases[] = {
        {"ROUND_MODE = 1\nROUND_TYPE = 1", "1 COST 3 SELL", "66.67"},
        {"ROUND_MODE = 1\nROUND_TYPE = 2", "1 COST 3 SELL", "66.66"},
        // The typed margin is taken at the shown places, as 34: 10 / 0.66 rounds up to 16.
        {"ROUND_MODE = 0\nROUND_TYPE = 0", "1 0 COST 3 3 . 3 MARGIN", "16"},
        {"ROUND_MODE = 2\nROUND_TYPE = 1", "1 0 COST 3 3 . 3 MARGIN", "14.993"},
        {"ROUND_MODE = 1\nTAX_RATE = 19", "1 0 . 0 0 5 TAX+", "11.91"},
        {"ROUND_MODE = 0\nTAX_RATE = 7.5", "1 0 TAX+", "11"},
        {"ROUND_MODE = 0\nROUND_TYPE = 2\nTAX_RATE = 7.5", "1 0 TAX+", "10"},
        {"TAX_RATE = 19", "1 1 9 TAX-", "100"},
        {"TAX_RATE = 0", "1 1 9 TAX-", "119"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Keys);
        KeypadDriver calc(std::string(BusinessOn) + "[COMMON]\n" + c.Settings);
        calc.Press(c.Keys);
        EXPECT_EQ(calc.Panel(), c.Panel);
    }
}

}  // namespace
