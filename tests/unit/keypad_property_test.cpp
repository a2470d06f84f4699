// Random key sequences under random settings: after every key the panel holds one of its
// forms (a number as shown or being typed, or "ERROR"), the indicators hold one of theirs,
// the memory and its indicator agree, and the decimal-place setting is the user's.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "keypad_driver.h"
#include "panel_forms.h"
#include "seeded_random.h"

namespace {

constexpr uint64_t Seed = 4242;
constexpr int Sequences = 1000;
constexpr int KeysPerSequence = 40;

const char* const OtherKeys[] = {"00", "<-",  "+",  "-",  "*",  "/",  "=",  "C",  "+-",
                                 "%",  "1/X", "MC", "MR", "M+", "M-", "CE", "MS", "T"};

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
           "\nROUND_TYPE = " + std::to_string(random.Below(3)) + "\n[VIEW]\n" + separators[pair] +
           "\nLEADING_ZERO = " + (random.Below(2) ? "YES" : "NO") +
           "\nDIGIT_GROUPING = " + std::to_string(random.Below(3)) + "\n";
}

std::string StateFault(const KeypadDriver& calc, RoundMode roundMode) {
    const CalcContext& c = calc.Context;
    const std::string indicator = calc.OperatorIndicator();
    if (!(indicator.empty() || indicator == "+" || indicator == "-" || indicator == "*" ||
          indicator == "/")) {
        return "operator indicator " + indicator;
    }
    const std::string memory = calc.MemoryIndicator();
    if (!(memory.empty() || memory == "M")) return "memory indicator " + memory;
    if (memory.empty() != c.MemoryValue.Empty()) return "memory and its indicator disagree";
    if (c.EntryState < EntryState::Cleared || c.EntryState > EntryState::ResultShown)
        return "entry state";
    if (c.Settings.ROUND_MODE != roundMode) return "decimal places not restored";
    return panel_forms::PanelFault(calc.Panel(), c.Settings);
}

TEST(KeypadProperty, RandomKeysKeepThePanelInItsForms) {
    Random random(Seed);
    int failures = 0;
    for (int sequence = 0; sequence < Sequences && failures < 5; ++sequence) {
        char decimal = '.';
        const std::string settings = RandomSettings(random, decimal);
        KeypadDriver calc(settings);
        const RoundMode roundMode = calc.Context.Settings.ROUND_MODE;
        std::string keys;
        for (int k = 0; k < KeysPerSequence; ++k) {
            const std::string key = RandomKey(random, decimal);
            keys += key + " ";
            calc.Press(key);
            const std::string fault = StateFault(calc, roundMode);
            if (!fault.empty()) {
                ++failures;
                ADD_FAILURE() << "sequence " << sequence << ": " << fault << " after [" << keys
                              << "] panel [" << calc.Panel() << "] settings\n"
                              << settings;
                break;
            }
        }
    }
}

}  // namespace
