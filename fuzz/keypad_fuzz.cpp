// Random keypad sequences under random settings. After every key the panel is "ERROR" or a
// number in one of its shown or typed forms, and each indicator holds one of its texts.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calculator/calc_context.h"
#include "calculator/keypad.h"
#include "controls/control_table.h"
#include "fuzz_input.h"
#include "fuzz_platform.h"
#include "fuzz_settings.h"
#include "panel_forms.h"

namespace {

// A byte at or above this ends the keys; the bytes after it are the clipboard text that
// the Total and paste read.
constexpr uint8_t ClipboardMarker = 0xF0;

void Fail(const std::string& fault, const CalcContext& context) {
    std::fprintf(stderr, "%s: panel [%s] operator [%s] memory [%s]\n", fault.c_str(),
                 context.PanelText().Text(), context.OperatorIndicatorText().Text(),
                 context.MemoryIndicatorText().Text());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    FuzzPlatform host;
    CalcContext context(host);
    context.Settings = FuzzSettings(input);
    // The business keys are pressed too, at a rate whose tax rarely comes out even.
    context.Settings.BUSINESS_KEYS = true;
    context.Settings.TAX_RATE = "19.25";
    const RoundMode roundMode = context.Settings.ROUND_MODE;
    ControlTable table;
    FillControlTable(table, context.Settings);

    size_t keysEnd = input.Used;
    while (keysEnd < size && data[keysEnd] < ClipboardMarker) ++keysEnd;
    if (keysEnd < size)
        host.Clipboard.assign(reinterpret_cast<const char*>(data + keysEnd + 1),
                              size - keysEnd - 1);
    for (size_t i = input.Used; i < keysEnd; ++i) {
        HandleKeypadCommand(context, table, FirstControlId + data[i] % ControlCount);
        const std::string panel =
            panel_forms::PanelFault(context.PanelText().Text(), context.Settings);
        if (!panel.empty()) Fail(panel, context);
        const std::string indicators = panel_forms::IndicatorFault(
            context.OperatorIndicatorText().Text(), context.MemoryIndicatorText().Text());
        if (!indicators.empty()) Fail(indicators, context);
        const DecString& grandTotal = context.GrandTotalIndicatorText();
        if (!grandTotal.Empty() && grandTotal != "GT") Fail("grand-total indicator", context);
        if (context.MemoryIndicatorText().Empty() != context.MemoryValue.Empty()) {
            Fail("memory and its indicator disagree", context);
        }
        if (context.Settings.ROUND_MODE != roundMode) Fail("decimal places changed", context);
        if (host.Shown[0] != context.PanelText().Text() ||
            host.Shown[1] != context.OperatorIndicatorText().Text() ||
            host.Shown[2] != context.MemoryIndicatorText().Text() ||
            host.Shown[3] != context.GrandTotalIndicatorText().Text()) {
            Fail("the host shows other texts", context);
        }
    }
    return 0;
}
