// Paste over arbitrary text: the collected number is "ERROR" or number text (a leading "-",
// digits, at most one decimal separator, none at the end), and pasting it leaves the panel
// in one of its forms.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calculator/calc_context.h"
#include "calculator/paste.h"
#include "fuzz_input.h"
#include "fuzz_platform.h"
#include "fuzz_settings.h"
#include "panel_forms.h"

namespace {

void Fail(const char* fault, const std::string& text) {
    std::fprintf(stderr, "%s: [%s]\n", fault, text.c_str());
    std::abort();
}

bool IsNumberChar(char c, char separator) {
    return (c >= '0' && c <= '9') || c == '-' || c == separator;
}

// Empty when `text` is number text for `separator`, otherwise what is wrong with it.
const char* NumberTextFault(const std::string& text, char separator) {
    int separators = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '-' && i > 0) return "a sign after the start";
        if (c == separator) ++separators;
        if (!IsNumberChar(c, separator)) return "a character that is no part of a number";
    }
    if (separators > 1) return "more than one decimal separator";
    if (!text.empty() && text.back() == separator) return "a separator at the end";
    return nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    FuzzPlatform host;
    CalcContext context(host);
    context.Settings = FuzzSettings(input);
    const char separator = context.Settings.DECIMAL_SEPARATOR;
    const std::string_view text = input.Rest();

    const PastedNumber pasted = CollectPastedNumber(context.Settings, text);
    bool anyNumberChar = false;
    for (const char c : text) anyNumberChar = anyNumberChar || IsNumberChar(c, separator);
    if (pasted.Found != anyNumberChar) Fail("found disagrees with the text", std::string(text));
    const std::string collected = pasted.Text.Text();
    if (collected != "ERROR") {
        const char* fault = NumberTextFault(collected, separator);
        if (fault) Fail(fault, collected);
    }

    host.Clipboard.assign(text);
    PasteFromClipboard(context);
    const std::string panel = panel_forms::PanelFault(context.PanelText().Text(), context.Settings);
    if (!panel.empty()) Fail(panel.c_str(), context.PanelText().Text());
    return 0;
}
