// Random key sequences under random settings: after every key the panel holds one of its
// forms (a number as shown or being typed, or "ERROR"), the indicators hold one of theirs,
// the memory and its indicator agree, and the decimal-place setting is the user's.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "keypad_driver.h"

namespace {

constexpr uint64_t Seed = 4242;
constexpr int Sequences = 1000;
constexpr int KeysPerSequence = 40;

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint64_t Next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint64_t>(n)); }

private:
    uint64_t state_;
};

const char* const OtherKeys[] = {"00", "<-", "+", "-", "*", "/", "=", "C", "+-", "%",
                                 "1/X", "MC", "MR", "M+", "M-", "CE", "MS", "T"};

std::string RandomKey(Random& random, char decimal) {
    const int pick = random.Below(100);
    if (pick < 45) return std::string(1, static_cast<char>('0' + random.Below(10)));
    if (pick < 52) return std::string(1, decimal);
    if (pick < 53) return "SQR";
    return OtherKeys[random.Below(static_cast<int>(std::size(OtherKeys)))];
}

std::string RandomSettings(Random& random, char& decimal) {
    const char* const separators[] = {"DECIMAL_SEPARATOR = .\nTHOUSAND_SEPARATOR = ,",
                                      "DECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR = .",
                                      "DECIMAL_SEPARATOR = ,\nTHOUSAND_SEPARATOR ="};
    const int pair = random.Below(3);
    decimal = pair == 0 ? '.' : ',';
    return "[COMMON]\nROUND_MODE = " + std::to_string(random.Below(4)) +
           "\nROUND_TYPE = " + std::to_string(random.Below(3)) + "\n[VIEW]\n" +
           separators[pair] + "\nLEADING_ZERO = " + (random.Below(2) ? "YES" : "NO") +
           "\nDIGIT_GROUPING = " + std::to_string(random.Below(3)) + "\n";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The digits grouped by DIGIT_GROUPING, written here without the engine's helper.
std::string Grouped(const std::string& digits, const CalcSettings& settings) {
    if (settings.DIGIT_GROUPING == 0) return digits;
    std::string grouped;
    int inGroup = 0;
    int groupSize = 3;
    for (size_t i = digits.size(); i-- > 0;) {
        if (inGroup == groupSize) {
            grouped.insert(grouped.begin(), settings.THOUSAND_SEPARATOR);
            inGroup = 0;
            if (settings.DIGIT_GROUPING == 2) groupSize = 2;
        }
        grouped.insert(grouped.begin(), digits[i]);
        ++inGroup;
    }
    return grouped;
}

// Empty when the panel text is one of its forms, otherwise what is wrong with it.
std::string PanelFault(const std::string& panel, const CalcSettings& settings) {
    if (panel == "ERROR" || panel == "-") return "";
    const std::string body = panel.starts_with('-') ? panel.substr(1) : panel;
    if (body.empty()) return "empty";
    const size_t separator = body.find(settings.DECIMAL_SEPARATOR);
    const std::string integer = body.substr(0, separator);
    const std::string fraction = separator == std::string::npos ? "" : body.substr(separator + 1);
    std::string digits;
    for (char c : integer) {
        if (IsDigit(c)) {
            digits += c;
        } else if (c != settings.THOUSAND_SEPARATOR) {
            return "stray character in the integer part";
        }
    }
    for (char c : fraction) {
        if (!IsDigit(c)) return "stray character in the fraction";
    }
    if (integer != digits && integer != Grouped(digits, settings)) return "wrong grouping";
    const size_t width = digits.size() + (separator == std::string::npos ? 0 : 1 + fraction.size());
    if (width > 24) return "wider than the panel";
    return "";
}

std::string StateFault(const KeypadDriver& calc, int32_t roundMode) {
    const CalcContext& c = calc.Context;
    const std::string indicator = calc.OperatorIndicator();
    if (!(indicator.empty() || indicator == "+" || indicator == "-" || indicator == "*" ||
          indicator == "/")) {
        return "operator indicator " + indicator;
    }
    const std::string memory = calc.MemoryIndicator();
    if (!(memory.empty() || memory == "M")) return "memory indicator " + memory;
    if (memory.empty() != c.MemoryValue.Empty()) return "memory and its indicator disagree";
    if (c.EntryState < Cleared || c.EntryState > ResultShown) return "entry state";
    if (c.Settings.ROUND_MODE != roundMode) return "decimal places not restored";
    return PanelFault(calc.Panel(), c.Settings);
}

TEST(KeypadProperty, RandomKeysKeepThePanelInItsForms) {
    Random random(Seed);
    int failures = 0;
    for (int sequence = 0; sequence < Sequences && failures < 5; ++sequence) {
        char decimal = '.';
        const std::string settings = RandomSettings(random, decimal);
        KeypadDriver calc(settings);
        const int32_t roundMode = calc.Context.Settings.ROUND_MODE;
        std::string keys;
        for (int k = 0; k < KeysPerSequence; ++k) {
            const std::string key = RandomKey(random, decimal);
            keys += key + " ";
            calc.Press(key);
            const std::string fault = StateFault(calc, roundMode);
            if (!fault.empty()) {
                ++failures;
                ADD_FAILURE() << "sequence " << sequence << ": " << fault << " after [" << keys
                              << "] panel [" << calc.Panel() << "] settings\n" << settings;
                break;
            }
        }
    }
}

}  // namespace
