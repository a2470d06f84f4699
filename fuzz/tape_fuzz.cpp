// The tape file reader over arbitrary bytes: what it accepts writes back to the same text it
// reads as, holds at most the tape's bound, carries its numbers over to the reader's separators
// and replays without fault when a number in it is corrected.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "calculator/calc_context.h"
#include "fuzz_input.h"
#include "fuzz_platform.h"
#include "fuzz_settings.h"
#include "panel_forms.h"
#include "tape/tape_file.h"
#include "tape/tape_replay.h"

namespace {

void Fail(const char* fault) {
    std::fprintf(stderr, "%s\n", fault);
    std::abort();
}

// Corrections on the first few numbers brought in, each one replaying its calculation.
constexpr int MaxCorrections = 3;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput input{data, size};
    FuzzPlatform host;
    CalcContext context(host);
    context.Settings = FuzzSettings(input);
    Tape tape;
    TapeNotation notation;
    if (!ParseTapeFile(input.Rest(), tape.Lines, notation)) return 0;
    if (tape.Lines.size() > MaxTapeLines) Fail("more lines than the tape keeps");

    const std::string text = TapeFileText(tape, notation);
    Tape again;
    TapeNotation notationAgain;
    if (!ParseTapeFile(text, again.Lines, notationAgain) || again.Lines != tape.Lines ||
        notationAgain != notation) {
        Fail("written tape reads back otherwise");
    }

    // Numbers written with other separators than the reader's are carried over to them, as
    // the tape does at start.
    const TapeNotation reader{context.Settings.DECIMAL_SEPARATOR,
                              context.Settings.THOUSAND_SEPARATOR};
    if (notation != TapeNotation{} && notation != reader) {
        ConvertTapeSeparators(tape, notation.Thousand, notation.Decimal, PanelFormat(context));
    }

    int corrections = 0;
    for (size_t i = 0; i < tape.Lines.size() && corrections < MaxCorrections; ++i) {
        if (!IsBroughtIn(tape.Lines[i].Role)) continue;
        if (!CorrectTapeLine(tape, i, "7", context)) Fail("a number brought in was refused");
        ++corrections;
    }
    const std::string panel = panel_forms::PanelFault(context.PanelText().Text(), context.Settings);
    if (!panel.empty()) Fail(panel.c_str());
    return 0;
}
