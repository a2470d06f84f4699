// The Total's shortcut must show exactly what adding every number through the panel shows.
#include "total/running_sum.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "calculator/clipboard_total.h"
#include "decimal/add_subtract.h"
#include "decimal/format_result.h"
#include "keypad_driver.h"

namespace {

// The Total written out the long way: every partial sum through AddNumbers, each next one
// from the shown sum before it.
std::string PanelOfSlowTotal(const CalcContext& context, const std::vector<std::string>& numbers) {
    const NumberFormat format = PanelFormat(context);
    DecString running;
    DecString shown;
    for (size_t i = 0; i < numbers.size(); ++i) {
        DecString number = numbers[i].c_str();
        // The Total reads each run with a "0" in front of its digits.
        number.InsertChar(number.First() == '-' ? 1 : 0, '0');
        if (i == 0) {
            running = number;
            continue;
        }
        shown = AddNumbers(running, number, format);
        if (shown == ErrorText) return "ERROR";
        running = ShownNumber(format, shown);
    }
    if (numbers.size() == 1) shown = FormatNumberText(running, format);
    return shown.Text();
}

std::string RandomNumber(std::mt19937& random) {
    const int shape = random() % 10;
    std::string text;
    if (random() % 3 == 0) text += '-';
    if (shape == 0) return text + "0";
    if (shape == 1) return text + "0.00";
    const int integerDigits = shape == 2 ? 24 + random() % 3 : random() % 9;
    const int fractionDigits = shape == 3 ? 20 + random() % 8 : random() % 5;
    for (int i = 0; i < integerDigits; ++i) text += static_cast<char>('0' + random() % 10);
    if (fractionDigits > 0 || integerDigits == 0) {
        text += '.';
        for (int i = 0; i < fractionDigits; ++i) text += static_cast<char>('0' + random() % 10);
    }
    return text;
}

TEST(RunningSum, TheShortcutShowsWhatThePanelRoadShows) {
    std::mt19937 random(20261208);
    const char* settingsTexts[] = {
        "",
        "[COMMON]\nROUND_MODE = 0",
        "[COMMON]\nROUND_MODE = 1\nROUND_TYPE = 0",
        "[COMMON]\nROUND_MODE = 2\nROUND_TYPE = 2",
        "[VIEW]\nLEADING_ZERO = NO",
        "[COMMON]\nROUND_MODE = 1\n[VIEW]\nLEADING_ZERO = NO",
    };
    for (const char* settings : settingsTexts) {
        for (int round = 0; round < 400; ++round) {
            std::vector<std::string> numbers;
            const int count = 1 + random() % 12;
            std::string clipboard;
            for (int i = 0; i < count; ++i) {
                numbers.push_back(RandomNumber(random));
                clipboard += numbers.back() + "\r\n";
            }
            KeypadDriver fast(settings);
            fast.Host.Clipboard = clipboard.c_str();
            fast.Press("T");
            KeypadDriver slow(settings);
            const std::string expected = PanelOfSlowTotal(slow.Context, numbers);
            ASSERT_EQ(fast.Panel(), expected) << settings << "\n" << clipboard;
        }
    }
}

TEST(RunningSum, LoadsAndWritesNumberText) {
    const struct {
        const char* Text;
        bool Loaded;
        const char* Written;
    } cases[] = {
        {"0", true, "0"},
        {"-0.00", true, "0"},
        {"0012.500", true, "12.5"},
        {"-.25", true, "-0.25"},
        {"1-2", true, "12"},
        {"12.", true, "12"},
        {"1234567890123456789012345", true, "1234567890123456789012345"},
        {"12345678901234567890123456", false, ""},
        {"0.00000000000000000000000001", true, "0.00000000000000000000000001"},
        {"0.000000000000000000000000001", false, ""},
    };
    for (const auto& c : cases) {
        RunningSum sum;
        const std::string text = c.Text;
        ASSERT_EQ(LoadRunningSum(sum, text.data(), static_cast<int32_t>(text.size()), '.'),
                  c.Loaded)
            << c.Text;
        if (c.Loaded) {
            EXPECT_TRUE(RunningSumText(sum, '.') == c.Written) << c.Text;
        }
    }
}

TEST(RunningSum, AddsAcrossSigns) {
    const struct {
        const char* A;
        const char* B;
        const char* Sum;
    } cases[] = {
        {"9.99", "0.01", "10"},  {"-5", "3", "-2"},           {"5", "-7.5", "-2.5"},
        {"-1", "-999", "-1000"}, {"100", "-0.001", "99.999"}, {"0", "-4", "-4"},
        {"2.5", "-2.5", "0"},
    };
    for (const auto& c : cases) {
        RunningSum a, b;
        LoadRunningSum(a, c.A, static_cast<int32_t>(std::string(c.A).size()), '.');
        LoadRunningSum(b, c.B, static_cast<int32_t>(std::string(c.B).size()), '.');
        AddToRunningSum(a, b);
        EXPECT_TRUE(RunningSumText(a, '.') == c.Sum) << c.A << " + " << c.B;
    }
}

}  // namespace
