// What quillon-keys prints of the Total and the tape: DETAILS, TAPE and PRINT.
#pragma once

#include "calculator/calc_context.h"
#include "tape/tape_keeper.h"

// "found: LINE<TAB>TEXT<TAB>NUMBER" for each number the last Total took, "skipped: LINE<TAB>CELL"
// for each cell it skipped.
void PrintTotalDetails(const CalcContext& context);
// "tape: TEXT" for each line, as the tape window shows it.
void PrintTape(const Tape& tape);
// The tape's pages for a page of 60 lines by 80 characters, each followed by "page break".
void PrintPages(const TapeKeeper& tape);
