// The Total's readers over arbitrary text, in either reading (whole cells or character by
// character) under arbitrary separators: every cell read whole is well-formed number text,
// the details list exactly the numbers the Total took, in order and within the text, and the
// panel ends as "ERROR" or a number in its shown form.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calculator/calc_context.h"
#include "calculator/clipboard_total.h"
#include "fuzz_input.h"
#include "fuzz_platform.h"
#include "fuzz_settings.h"
#include "panel_forms.h"
#include "total/total_details.h"
#include "total/whole_cells.h"

namespace {

[[noreturn]] void Fail(const char* fault, const std::string& detail) {
    std::fprintf(stderr, "%s: [%s]\n", fault, detail.c_str());
    std::abort();
}

// Optional '-', digits, at most one separator, and at least one digit.
bool IsNumberText(const NumberRun& run, char separator) {
    int32_t digits = 0;
    int32_t separators = 0;
    for (int32_t i = 0; i < run.Length; ++i) {
        const char c = run.Chars[i];
        if (c >= '0' && c <= '9') {
            ++digits;
        } else if (c == separator) {
            ++separators;
        } else if (c != '-' || i > 0) {
            return false;
        }
    }
    return digits > 0 && separators <= 1;
}

void CheckDetails(const CalcContext& context, std::string_view text) {
    const TotalDetails details = BuildTotalDetails(context.LastTotal);
    size_t after = 0;
    uint32_t line = 1;
    for (const DetailRow& row : details.Rows) {
        if (row.Start < after || row.Start + row.Length > text.size()) {
            Fail("row out of order or outside the text", std::string(text));
        }
        if (row.Line < line) Fail("lines go back", std::string(text));
        after = row.Start + row.Length;
        line = row.Line;
        const std::string number = DetailNumber(details, row);
        if (row.Skipped != number.empty()) Fail("a row without its number", std::string(text));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    FuzzPlatform host;
    CalcContext context(host);
    context.Settings = FuzzSettings(input);
    context.Settings.WHOLE_CELLS = input.Flag();
    context.Settings.CREDIT_DEBIT = static_cast<CreditDebit>(input.Below(3));
    const std::string text(input.Rest());

    if (context.Settings.WHOLE_CELLS) {
        NumberRun run;
        if (ReadWholeCell(text, MakeCellRules(context.Settings), run) &&
            !IsNumberText(run, context.Settings.DECIMAL_SEPARATOR)) {
            Fail("a cell read as no number text", std::string(run.Chars.data(), run.Length));
        }
    }
    host.Clipboard = text;
    PressTotal(context);
    const std::string panel = panel_forms::PanelFault(context.PanelText().Text(), context.Settings);
    if (!panel.empty()) Fail(panel.c_str(), context.PanelText().Text());
    CheckDetails(context, text);
    return 0;
}
