// Runs the case files of tests/vectors: one case a line, `id op operands [settings] ->
// expected`. A failure names the file and the case id.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "decimal/add_subtract.h"
#include "decimal/digit_strings.h"
#include "decimal/format_result.h"
#include "decimal/multiply_divide.h"
#include "decimal/rounding.h"
#include "fake_platform.h"
#include "settings/calc_settings.h"

namespace {

struct VectorCase {
    std::string File;
    int Line = 0;
    std::string Id;
    std::string Op;
    std::vector<std::string> Operands;
    std::vector<std::string> Settings;
    std::string Expected;
};

std::string Unquoted(const std::string& token) {
    return token == "\"\"" ? "" : token;
}

int OperandCount(const std::string& op) {
    return op == "places" || op == "show" ? 1 : 2;
}

bool ParseCase(const std::string& line, VectorCase& c) {
    const size_t arrow = line.find(" -> ");
    if (arrow == std::string::npos) return false;
    c.Expected = Unquoted(line.substr(arrow + 4));
    std::istringstream tokens(line.substr(0, arrow));
    if (!(tokens >> c.Id >> c.Op)) return false;
    std::string token;
    for (int i = 0; i < OperandCount(c.Op); ++i) {
        if (!(tokens >> token)) return false;
        c.Operands.push_back(Unquoted(token));
    }
    while (tokens >> token) c.Settings.push_back(token);
    return true;
}

std::vector<VectorCase> LoadCases(const std::string& name) {
    std::vector<VectorCase> cases;
    std::ifstream file(std::string(QUILLON_VECTOR_DIR) + "/" + name);
    std::string line;
    int number = 0;
    while (std::getline(file, line)) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        VectorCase c;
        c.File = name;
        c.Line = number;
        if (!ParseCase(line, c)) c.Op = "unparsable";
        cases.push_back(c);
    }
    return cases;
}

// The settings of the edge cases: floating, Mathematical, leading zero, '.' and ','
// in groups of three.
void ApplyDefaults(CalcSettings& settings) {
    LoadDefaultSettings(settings, FakePlatform::StandardLocale());
}

// False for a setting the runner does not know.
bool ApplySetting(CalcSettings& settings, const std::string& setting) {
    const size_t equals = setting.find('=');
    if (equals == std::string::npos) return false;
    const std::string key = setting.substr(0, equals);
    const std::string value = setting.substr(equals + 1);
    if (key == "mode") {
        const char* modes[] = {"fixed0", "fixed2", "fixed3", "float"};
        for (int32_t i = 0; i < 4; ++i) {
            if (value == modes[i]) settings.ROUND_MODE = static_cast<RoundMode>(i);
        }
        return value == "fixed0" || value == "fixed2" || value == "fixed3" || value == "float";
    }
    if (key == "type") {
        const char* types[] = {"up", "math", "down"};
        for (int32_t i = 0; i < 3; ++i) {
            if (value == types[i]) settings.ROUND_TYPE = static_cast<RoundType>(i);
        }
        return value == "up" || value == "math" || value == "down";
    }
    if (key == "lz") {
        settings.LEADING_ZERO = value == "yes";
        return value == "yes" || value == "no";
    }
    if (key == "group") {
        settings.DIGIT_GROUPING = static_cast<DigitGrouping>(std::stoi(value));
        return true;
    }
    if (key == "dec" || key == "ts") {
        const char c = value == "space" ? ' ' : value.empty() ? '\0' : value[0];
        (key == "dec" ? settings.DECIMAL_SEPARATOR : settings.THOUSAND_SEPARATOR) = c;
        return c != '\0';
    }
    return false;
}

NumberOperation OperationNamed(const std::string& op) {
    if (op == "add") return AddNumbers;
    if (op == "sub") return SubtractNumbers;
    if (op == "mul") return MultiplyNumbers;
    if (op == "div") return DivideNumbers;
    return nullptr;
}

// The operation's result, or "unknown op" for a case the runner cannot run.
std::string RunCase(const VectorCase& c, const CalcSettings& settings) {
    const NumberFormat format = FormatOf(settings);
    const DecString first = c.Operands[0].c_str();
    if (NumberOperation operation = OperationNamed(c.Op)) {
        const DecString second = c.Operands[1].c_str();
        const DecString result = operation(first, second, format);
        const bool unchanged = first == c.Operands[0].c_str() && second == c.Operands[1].c_str();
        return unchanged ? result.Text() : "operands changed";
    }
    if (c.Op == "show") return FormatNumberText(first, format).Text();
    DecString text = first;
    if (c.Op == "places") {
        ApplyDecimalPlaces(text, format);
        return text.Text();
    }
    if (c.Op == "round") {
        RoundNumber(text, format, std::stoi(c.Operands[1]));
        return text.Text();
    }
    const DecString second = c.Operands[1].c_str();
    if (c.Op == "cmpint") return CompareIntegerTexts(first, second) ? "1" : "0";
    if (c.Op == "cmpmag") {
        DecString x;
        DecString y;
        AlignFractions(settings.DECIMAL_SEPARATOR, first, second, x, y);
        return CompareMagnitudes(x, y) ? "1" : "0";
    }
    return "unknown op";
}

void RunFile(const std::string& name) {
    const std::vector<VectorCase> cases = LoadCases(name);
    ASSERT_GT(cases.size(), 10u) << name << " is missing or nearly empty";
    for (const VectorCase& c : cases) {
        SCOPED_TRACE(name + ":" + std::to_string(c.Line) + " case " + c.Id);
        CalcSettings settings;
        ApplyDefaults(settings);
        bool settingsKnown = true;
        for (const std::string& setting : c.Settings) {
            settingsKnown = ApplySetting(settings, setting) && settingsKnown;
        }
        ASSERT_TRUE(settingsKnown) << "unknown setting";
        ASSERT_NE(c.Op, "unparsable");
        EXPECT_EQ(RunCase(c, settings), c.Expected);
    }
}

TEST(Vectors, Rounding) {
    RunFile("rounding.txt");
}
TEST(Vectors, Display) {
    RunFile("display.txt");
}
TEST(Vectors, Arithmetic) {
    RunFile("arithmetic.txt");
}

}  // namespace
