// The four operations and the square root against exact arithmetic (GMP), over seeded
// random operands and settings. The expected panel text is derived from the exact value by the
// display rules alone: decimal places and rounding on the first dropped digit, the panel's 24
// characters, leading zero, grouping and sign. The division quotient is truncated where the
// long division stops: at 25 characters, or one digit after its leading zeros.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "decimal/add_subtract.h"
#include "decimal/multiply_divide.h"
#include "decimal/number_format.h"
#include "decimal/square_root.h"
#include "seeded_random.h"

namespace {

constexpr uint64_t Seed = 20261208;
constexpr int CasesPerOperation = 40000;

// The numbers the settings file stores for the decimal places and rounding directions.
constexpr int FixedDecimal0 = 0;
constexpr int FixedDecimal2 = 1;
constexpr int FloatingDecimal = 3;
constexpr int RoundUp = 0;
constexpr int RoundMathematical = 1;

struct Notation {
    char Decimal = '.';
    char Thousand = ',';
    bool LeadingZero = true;
    int Grouping = 1;
    int RoundMode = FloatingDecimal;
    int RoundType = RoundMathematical;
};

std::string Describe(const Notation& n) {
    return "dec '" + std::string(1, n.Decimal) + "' ts '" + std::string(1, n.Thousand) + "' lz " +
           (n.LeadingZero ? "yes" : "no") + " group " + std::to_string(n.Grouping) + " mode " +
           std::to_string(n.RoundMode) + " type " + std::to_string(n.RoundType);
}

// ---- The exact side -----------------------------------------------------------------

mpz_class PowerOfTen(unsigned long exponent) {
    mpz_class power;
    mpz_ui_pow_ui(power.get_mpz_t(), 10, exponent);
    return power;
}

mpq_class ExactValue(const std::string& text, char decimal) {
    std::string digits;
    unsigned long fraction = 0;
    bool inFraction = false;
    for (char c : text) {
        if (c == decimal) {
            inFraction = true;
        } else if (c >= '0' && c <= '9') {
            digits += c;
            if (inFraction) ++fraction;
        }
    }
    mpq_class value(digits.empty() ? mpz_class(0) : mpz_class(digits, 10), PowerOfTen(fraction));
    value.canonicalize();
    return text.starts_with('-') ? mpq_class(-value) : value;
}

std::string DecimalText(const mpz_class& value) {
    return value.get_str(10);
}

// Digits of the integer part of a non-negative value.
int IntegerDigits(const mpq_class& magnitude) {
    const mpz_class whole = magnitude.get_num() / magnitude.get_den();
    return whole == 0 ? 0 : static_cast<int>(DecimalText(whole).size());
}

mpz_class Scaled(const mpq_class& magnitude, unsigned long places) {
    return magnitude.get_num() * PowerOfTen(places) / magnitude.get_den();
}

// The quotient as the long division leaves it: 25 characters in all, but at least one
// digit after a zero integer part and its leading fraction zeros, at least one fraction
// digit after a 24-digit integer part. False for an integer part too long to show.
bool TruncatedQuotient(const mpq_class& magnitude, mpq_class& truncated) {
    truncated = 0;
    if (magnitude == 0) return true;
    const int integerDigits = IntegerDigits(magnitude);
    if (integerDigits >= 25) return false;
    int fractionDigits = 0;
    if (integerDigits > 0) {
        fractionDigits = std::max(1, 24 - integerDigits);
    } else {
        int leadingZeros = 0;
        while (Scaled(magnitude, leadingZeros + 1) == 0) ++leadingZeros;
        fractionDigits = std::max(23, leadingZeros + 1);
    }
    truncated = mpq_class(Scaled(magnitude, fractionDigits), PowerOfTen(fractionDigits));
    truncated.canonicalize();
    return true;
}

bool RoundsUp(int roundType, int firstDropped) {
    if (roundType == RoundUp) return firstDropped != 0;
    if (roundType == RoundMathematical) return firstDropped >= 5;
    return false;
}

// The magnitude rounded to `places` fraction digits, as an integer count of 10^-places.
mpz_class RoundedUnits(const mpq_class& magnitude, int places, int roundType) {
    const mpz_class kept = Scaled(magnitude, places);
    const mpz_class oneMore = Scaled(magnitude, places + 1);
    const int firstDropped = static_cast<int>(mpz_class(oneMore % 10).get_si());
    return RoundsUp(roundType, firstDropped) ? mpz_class(kept + 1) : kept;
}

bool HasMoreFractionDigits(const mpq_class& magnitude, int places) {
    const mpq_class scaled = magnitude * mpq_class(PowerOfTen(places));
    return scaled.get_den() != 1;
}

// Integer part and fraction digits of the shown value, before the length check.
struct ShownParts {
    std::string Integer;
    std::string Fraction;
};

ShownParts SplitUnits(const mpz_class& units, int places) {
    std::string digits = DecimalText(units);
    if (static_cast<int>(digits.size()) <= places) {
        digits.insert(0, static_cast<size_t>(places) + 1 - digits.size(), '0');
    }
    const size_t split = digits.size() - static_cast<size_t>(places);
    return {digits.substr(0, split), digits.substr(split)};
}

// False when the value cannot be shown.
bool ShownDigits(const mpq_class& magnitude, const Notation& n, ShownParts& parts) {
    if (n.RoundMode != FloatingDecimal) {
        const int places = n.RoundMode == FixedDecimal0 ? 0 : n.RoundMode == FixedDecimal2 ? 2 : 3;
        parts = SplitUnits(RoundedUnits(magnitude, places, n.RoundType), places);
        return true;
    }
    int integerWidth = IntegerDigits(magnitude);
    if (integerWidth == 0 && n.LeadingZero) integerWidth = 1;
    const int keep = 23 - integerWidth;
    mpq_class shown = magnitude;
    if (keep < 0) {
        if (shown.get_den() != 1) return false;
    } else if (HasMoreFractionDigits(magnitude, keep)) {
        shown = mpq_class(RoundedUnits(magnitude, keep, n.RoundType), PowerOfTen(keep));
        shown.canonicalize();
    }
    int places = 0;
    while (HasMoreFractionDigits(shown, places)) ++places;
    parts = SplitUnits(Scaled(shown, places), places);
    return true;
}

std::string Grouped(const std::string& integer, const Notation& n) {
    if (n.Grouping == 0) return integer;
    std::string grouped;
    int sinceSeparator = 0;
    int groupSize = 3;
    for (size_t i = integer.size(); i-- > 0;) {
        if (sinceSeparator == groupSize) {
            grouped.insert(grouped.begin(), n.Thousand);
            sinceSeparator = 0;
            if (n.Grouping == 2) groupSize = 2;
        }
        grouped.insert(grouped.begin(), integer[i]);
        ++sinceSeparator;
    }
    return grouped;
}

std::string ExpectedPanel(const mpq_class& value, bool negativeZero, const Notation& n) {
    const mpq_class magnitude = abs(value);
    ShownParts parts;
    if (!ShownDigits(magnitude, n, parts)) return "ERROR";
    std::string integer =
        parts.Integer == "0" && !n.LeadingZero && !parts.Fraction.empty() ? "" : parts.Integer;
    const size_t width = integer.size() + (parts.Fraction.empty() ? 0 : 1 + parts.Fraction.size());
    if (width > 24) return "ERROR";
    std::string text = Grouped(integer, n);
    if (!parts.Fraction.empty()) text += n.Decimal + parts.Fraction;
    const bool negative = value < 0 || (value == 0 && negativeZero);
    return negative && text != "0" ? "-" + text : text;
}

// ---- Random operands ----------------------------------------------------------------

std::string RandomDigits(Random& random, int count) {
    std::string digits;
    const int pattern = random.Below(10);
    for (int i = 0; i < count; ++i) {
        if (pattern == 0) {
            digits += '9';
        } else if (pattern == 1) {
            digits += i == 0 ? '1' : '0';
        } else if (pattern == 2) {
            digits += i + 1 == count ? static_cast<char>('1' + random.Below(9)) : '0';
        } else {
            digits += static_cast<char>('0' + random.Below(10));
        }
    }
    return digits;
}

// A number text as typing, a result or the memory leaves it: at most 24 digits and
// separator, an optional '-'.
std::string RandomOperand(Random& random, const Notation& n) {
    if (random.Chance(4)) return random.Chance(50) ? "0" : "-0";
    const int width = 1 + random.Below(24);
    int fraction = random.Chance(35) ? 0 : random.Below(width);
    int integer = width - (fraction > 0 ? fraction + 1 : 0);
    std::string text;
    if (integer <= 0) {
        integer = 0;
    } else {
        std::string digits = RandomDigits(random, integer);
        if (digits[0] == '0' && integer > 1 && !random.Chance(5)) digits[0] = '1';
        text = digits;
    }
    if (integer == 0 && fraction == 0) text = "0";
    if (fraction > 0) {
        if (integer == 0 && random.Chance(50)) text = "0";
        text += n.Decimal;
        text += RandomDigits(random, fraction);
    } else if (random.Chance(3)) {
        text += n.Decimal;
    }
    if (random.Chance(30)) text.insert(0, "-");
    return text;
}

Notation RandomNotation(Random& random) {
    Notation n;
    const int separators = random.Below(10);
    if (separators == 8) {
        n.Decimal = ',';
        n.Thousand = '.';
    } else if (separators == 9) {
        n.Decimal = ',';
        n.Thousand = ' ';
    }
    n.LeadingZero = !random.Chance(25);
    n.Grouping = random.Below(3);
    n.RoundMode = random.Below(4);
    n.RoundType = random.Below(3);
    return n;
}

// ---- The comparison -----------------------------------------------------------------

enum class Op { Add, Subtract, Multiply, Divide };

// The expected panel for a op b, from exact values only.
std::string Expected(Op op, const std::string& a, const std::string& b, const Notation& n) {
    const mpq_class x = ExactValue(a, n.Decimal);
    const mpq_class y = ExactValue(b, n.Decimal);
    const bool signA = a.starts_with('-');
    const bool signB = b.starts_with('-');
    switch (op) {
        // A zero sum or difference carries the first operand's sign.
        case Op::Add:
            return ExpectedPanel(x + y, signA, n);
        case Op::Subtract:
            return ExpectedPanel(x - y, signA, n);
        // A zero product or quotient carries the operands' sign.
        case Op::Multiply:
            return ExpectedPanel(x * y, signA != signB, n);
        case Op::Divide: {
            if (y == 0) return "ERROR";
            mpq_class quotient;
            if (!TruncatedQuotient(abs(mpq_class(x / y)), quotient)) return "ERROR";
            if ((x < 0) != (y < 0)) quotient = -quotient;
            return ExpectedPanel(quotient, signA != signB, n);
        }
    }
    return "";
}

NumberFormat FormatOf(const Notation& n) {
    NumberFormat format;
    format.DecimalSeparator = n.Decimal;
    format.ThousandSeparator = n.Thousand;
    format.LeadingZero = n.LeadingZero;
    format.Grouping = static_cast<DigitGrouping>(n.Grouping);
    format.Places = static_cast<RoundMode>(n.RoundMode);
    format.Rounding = static_cast<RoundType>(n.RoundType);
    return format;
}

// The operation on `a` and `b` under the notation; the operands are the caller's own and
// must come back unchanged.
std::string Calculate(const Notation& n, const DecString& a, const DecString& b,
                      NumberOperation operation) {
    return operation(a, b, FormatOf(n)).Text();
}

void RunOperation(Op op, NumberOperation operation, uint64_t seed) {
    Random random(seed);
    int failures = 0;
    for (int i = 0; i < CasesPerOperation && failures < 10; ++i) {
        const Notation n = RandomNotation(random);
        const std::string a = RandomOperand(random, n);
        const std::string b = RandomOperand(random, n);
        const DecString operandA = a.c_str();
        const DecString operandB = b.c_str();
        const std::string got = Calculate(n, operandA, operandB, operation);
        const std::string want = Expected(op, a, b, n);
        if (got != want) {
            ++failures;
            ADD_FAILURE() << "case " << i << " of seed " << seed << ": [" << a << "] [" << b << "] "
                          << Describe(n) << ": panel " << got << ", exact " << want;
        }
        if (!(operandA == a.c_str()) || !(operandB == b.c_str())) {
            ++failures;
            ADD_FAILURE() << "case " << i << ": operands changed";
        }
    }
}

TEST(Differential, Addition) {
    RunOperation(Op::Add, AddNumbers, Seed);
}
TEST(Differential, Subtraction) {
    RunOperation(Op::Subtract, SubtractNumbers, Seed + 1);
}
TEST(Differential, Multiplication) {
    RunOperation(Op::Multiply, MultiplyNumbers, Seed + 2);
}
TEST(Differential, Division) {
    RunOperation(Op::Divide, DivideNumbers, Seed + 3);
}

// ---- Every way an operand is written ------------------------------------------------

// Magnitudes as integer and fraction digits; each is written in every form typing, the
// panel and the memory can leave it in.
struct Magnitude {
    const char* Integer;
    const char* Fraction;
};

constexpr Magnitude Magnitudes[] = {
    {"0", ""},
    {"5", ""},
    {"100", ""},
    {"0", "5"},
    {"0", "05"},
    {"12", "25"},
    {"1", "5"},
    {"999999999999999999999999", ""},
    {"0", "00000000000000000000001"},
    {"123456789012", "345678901"},
};

// With and without the integer zero, with a trailing separator, with fraction zeros typed
// after the last digit, zero as the empty text or a lone separator, and each with a sign.
std::vector<std::string> WrittenForms(const Magnitude& m, char decimal) {
    const std::string integer = m.Integer;
    const std::string fraction = m.Fraction;
    std::vector<std::string> plain;
    if (fraction.empty()) {
        plain = {integer, integer + decimal, integer + decimal + "00"};
        if (integer == "0") {
            plain.push_back("");
            plain.push_back(std::string(1, decimal));
            plain.push_back(std::string(1, decimal) + "0");
        }
    } else {
        plain = {integer + decimal + fraction, integer + decimal + fraction + "0"};
        if (integer == "0") plain.push_back(decimal + fraction);
    }
    std::vector<std::string> forms;
    for (const std::string& form : plain) {
        if (form.size() > 24) continue;  // the entry limit; the sign comes on top
        forms.push_back(form);
        forms.push_back("-" + form);
    }
    return forms;
}

std::vector<Notation> WrittenFormNotations() {
    std::vector<Notation> notations;
    for (int mode = 0; mode < 4; ++mode) {
        Notation n;
        n.RoundMode = mode;
        n.RoundType = mode % 3;
        n.LeadingZero = mode != 1;
        n.Grouping = mode % 3;
        if (mode >= 2) {
            n.Decimal = ',';
            n.Thousand = '.';
        }
        notations.push_back(n);
    }
    return notations;
}

TEST(Differential, EveryWrittenFormThroughEveryOperation) {
    const struct {
        Op Operation;
        NumberOperation Run;
    } operations[] = {{Op::Add, AddNumbers},
                      {Op::Subtract, SubtractNumbers},
                      {Op::Multiply, MultiplyNumbers},
                      {Op::Divide, DivideNumbers}};
    int failures = 0;
    int cases = 0;
    for (const Notation& n : WrittenFormNotations()) {
        std::vector<std::string> operands;
        for (const Magnitude& m : Magnitudes) {
            for (const std::string& form : WrittenForms(m, n.Decimal)) operands.push_back(form);
        }
        for (const auto& operation : operations) {
            for (const std::string& a : operands) {
                for (const std::string& b : operands) {
                    if (failures >= 20) return;
                    const std::string got = Calculate(n, a.c_str(), b.c_str(), operation.Run);
                    ++cases;
                    const std::string want = Expected(operation.Operation, a, b, n);
                    if (got != want) {
                        ++failures;
                        ADD_FAILURE()
                            << "[" << a << "] op " << static_cast<int>(operation.Operation) << " ["
                            << b << "] " << Describe(n) << ": panel " << got << ", exact " << want;
                    }
                }
            }
        }
    }
    EXPECT_GT(cases, 10000);
}

// ---- The square root ----------------------------------------------------------------

// The display rules read at most the 25th fraction digit, so the root truncated after 40
// digits is shown exactly as the infinite root would be.
constexpr unsigned long RootFractionDigits = 40;
constexpr int RootValues = 3000;

mpq_class ExactRoot(const mpq_class& value) {
    // floor(sqrt(v * 10^80)) is floor(sqrt(floor(v * 10^80))).
    const mpz_class scaled = Scaled(value, 2 * RootFractionDigits);
    mpz_class root;
    mpz_sqrt(root.get_mpz_t(), scaled.get_mpz_t());
    mpq_class truncated(root, PowerOfTen(RootFractionDigits));
    truncated.canonicalize();
    return truncated;
}

// Digits with a separator after `integerDigits` of them; none when that is all of them.
std::string WithSeparator(const std::string& digits, size_t integerDigits, char decimal) {
    if (integerDigits >= digits.size()) return digits;
    const std::string integer = integerDigits == 0 ? "0" : digits.substr(0, integerDigits);
    return integer + decimal + digits.substr(integerDigits);
}

// A square of up to 24 digits, its root of `rootDigits` digits, moved by -1, 0 or +1.
std::string NearSquare(Random& random, int rootDigits, int offset) {
    std::string root = RandomDigits(random, rootDigits);
    if (root[0] == '0') root[0] = '1';
    const mpz_class r(root, 10);
    const mpz_class square = r * r + offset;
    return DecimalText(square);
}

// The typed values of the root's test: integers up to 24 digits, squares and their
// neighbours (some as fractions with an exact root), tiny fractions, and 24 characters.
std::string RootOperand(Random& random, int kind, char decimal) {
    switch (kind) {
        case 0: {
            std::string digits = RandomDigits(random, 1 + random.Below(24));
            if (digits[0] == '0') digits[0] = '1';
            return digits;
        }
        case 1: {
            const std::string square = NearSquare(random, 1 + random.Below(12), 0);
            const size_t fraction = 2 * static_cast<size_t>(random.Below(12));
            if (fraction >= square.size() || square.size() + 1 > 24) return square;
            return WithSeparator(square, square.size() - fraction, decimal);
        }
        case 2:
            return NearSquare(random, 1 + random.Below(12), random.Chance(50) ? 1 : -1);
        case 3: {
            const int significant = 1 + random.Below(3);
            const int zeros = random.Below(23 - significant);
            std::string digits =
                std::string(static_cast<size_t>(zeros), '0') + RandomDigits(random, significant);
            if (digits.back() == '0') digits.back() = '7';
            return "0" + std::string(1, decimal) + digits;
        }
        default: {
            std::string digits = RandomDigits(random, 23);
            if (digits[0] == '0') digits[0] = '1';
            return WithSeparator(digits, 1 + static_cast<size_t>(random.Below(22)), decimal);
        }
    }
}

TEST(Differential, SquareRootIsTheExactRootRoundedOnce) {
    Random random(Seed + 4);
    int failures = 0;
    int inexact = 0;
    for (int i = 0; i < RootValues && failures < 10; ++i) {
        Notation n = RandomNotation(random);
        const std::string value = RootOperand(random, i % 5, n.Decimal);
        const mpq_class exact = ExactValue(value, n.Decimal);
        const mpq_class root = ExactRoot(exact);
        if (root * root != exact) ++inexact;
        for (int mode = 0; mode < 4; ++mode) {
            for (int type = 0; type < 3; ++type) {
                n.RoundMode = mode;
                n.RoundType = type;
                const std::string got = SquareRootOf(value.c_str(), FormatOf(n)).Text();
                const std::string want = ExpectedPanel(root, false, n);
                if (got != want) {
                    ++failures;
                    ADD_FAILURE() << "value " << i << " [" << value << "] " << Describe(n)
                                  << ": root " << got << ", exact " << want;
                }
            }
        }
    }
    // Both kinds of root are well represented.
    EXPECT_GT(inexact, RootValues / 2);
    EXPECT_LT(inexact, RootValues - RootValues / 10);
}

}  // namespace
