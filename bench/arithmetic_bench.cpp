// The four operations on 24-character operands, each through FormatResult to the shown
// text, and the square root key on a 24-digit value.
#include <benchmark/benchmark.h>

#include <string>

#include "calculator/calc_context.h"
#include "calculator/functions.h"
#include "decimal/add_subtract.h"
#include "decimal/multiply_divide.h"
#include "platform/platform.h"

namespace {

class QuietPlatform : public Platform {
   public:
    void ShowText(DisplayField, const DecString&) override {}
    void Beep() override {}
    void ShowMessage(const char*) override {}
    std::string ClipboardText() override { return std::string(); }
    SystemLocale QueryLocale() override {
        SystemLocale locale;
        locale.DecimalSymbol = ".";
        locale.GroupSymbol = ",";
        locale.Grouping = "3;0";
        return locale;
    }
};

void RunOperation(benchmark::State& state, NumberOperation operation, const char* a,
                  const char* b) {
    QuietPlatform platform;
    CalcSettings settings;
    LoadDefaultSettings(settings, platform.QueryLocale());
    const NumberFormat format = FormatOf(settings);
    const DecString operandA = a;
    const DecString operandB = b;
    for (auto _ : state) {
        const DecString shown = operation(operandA, operandB, format);
        benchmark::DoNotOptimize(shown.Text());
    }
}

// 24 characters each: digits and one separator.
constexpr const char* WideA = "98765432109.876543210987";
constexpr const char* WideB = "1234567890.1234567890123";
constexpr const char* WideIntegerA = "987654321098765432109876";
constexpr const char* WideIntegerB = "123456789012345678901234";

void Add24(benchmark::State& state) {
    RunOperation(state, AddNumbers, WideA, WideB);
}
void Subtract24(benchmark::State& state) {
    RunOperation(state, SubtractNumbers, WideB, WideA);
}
void Multiply24(benchmark::State& state) {
    RunOperation(state, MultiplyNumbers, WideA, WideB);
}
void Divide24(benchmark::State& state) {
    RunOperation(state, DivideNumbers, WideA, WideB);
}
void DivideIntegers24(benchmark::State& state) {
    RunOperation(state, DivideNumbers, WideIntegerB, WideIntegerA);
}

void SquareRoot24Digits(benchmark::State& state) {
    QuietPlatform platform;
    CalcContext context(platform);
    LoadDefaultSettings(context.Settings, platform.QueryLocale());
    for (auto _ : state) {
        context.SetPanelText("123,456,789,012,345,678,901,234");
        ApplySquareRoot(context);
        benchmark::DoNotOptimize(context.PanelText().Text());
    }
}

BENCHMARK(Add24);
BENCHMARK(Subtract24);
BENCHMARK(Multiply24);
BENCHMARK(Divide24);
BENCHMARK(DivideIntegers24);
BENCHMARK(SquareRoot24Digits)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
