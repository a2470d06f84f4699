// The Total over arbitrary text under arbitrary separator sets: the panel ends as "ERROR"
// or a number in its shown form, and the pending calculation is left as it was.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calculator/calc_context.h"
#include "calculator/clipboard_total.h"
#include "fuzz_input.h"
#include "fuzz_platform.h"
#include "fuzz_settings.h"
#include "panel_forms.h"

namespace {

void Fail(const char* fault, const CalcContext& context) {
    std::fprintf(stderr, "%s: panel [%s]\n", fault, context.PanelText().Text());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    FuzzPlatform host;
    CalcContext context(host);
    context.Settings = FuzzSettings(input);
    const bool pending = input.Flag();
    if (pending) {
        context.OperandA = "-12";
        context.PendingOperator = "*";
        context.SetOperatorIndicatorText("*");
        context.EntryState = EntryState::OperatorPressed;
    }
    SumClipboardNumbers(context, input.Rest());

    const std::string panel = panel_forms::PanelFault(context.PanelText().Text(), context.Settings);
    if (!panel.empty()) Fail(panel.c_str(), context);
    if (context.PanelText() == "-") Fail("a lone sign is no sum", context);
    const bool kept = pending ? context.OperandA == "-12" && context.PendingOperator == "*" &&
                                    context.OperatorIndicatorText() == "*"
                              : context.OperandA.Empty() && context.PendingOperator.Empty() &&
                                    context.OperatorIndicatorText().Empty();
    if (!kept) Fail("pending calculation changed", context);
    return 0;
}
