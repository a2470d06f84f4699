#include "tools/printouts.h"

#include <cstdio>
#include <string>
#include <vector>

#include "tape/tape_layout.h"
#include "tape/tape_names.h"
#include "tape/tape_pages.h"
#include "total/total_details.h"

namespace {

// The page of PRINT: 60 lines of 80 characters, and a fixed clock.
constexpr int32_t PrintColumns = 80;
constexpr int32_t PrintRows = 60;
constexpr const char* PrintedAt = "2026-01-02 09:30";

}  // namespace

void PrintTotalDetails(const CalcContext& context) {
    const TotalDetails details = BuildTotalDetails(context.LastTotal);
    for (const DetailRow& row : details.Rows) {
        const std::string text(DetailText(details, row));
        if (row.Skipped) {
            std::printf("skipped: %u\t%s\n", row.Line, text.c_str());
        } else {
            std::printf("found: %u\t%s\t%s\n", row.Line, text.c_str(),
                        DetailNumber(details, row).c_str());
        }
    }
}

void PrintTape(const Tape& tape) {
    for (const TapeEntry& entry : tape.Lines)
        std::printf("tape: %s\n", TapeLineText(entry).c_str());
}

void PrintPages(const TapeKeeper& tape) {
    PageMeasures page{PrintColumns, PrintRows, 1, [](std::string_view text, bool) {
                          return static_cast<int32_t>(text.size());
                      }};
    const std::string name = TapeName(tape.Store.Path);
    const std::vector<TapeEntry> lines(tape.Lines.Lines.begin(), tape.Lines.Lines.end());
    for (const TapePage& one : LayOutPages(lines, {name, PrintedAt}, page)) {
        for (const std::string& row : PageTextRows(one)) std::printf("%s\n", row.c_str());
        std::puts("page break");
    }
}
