// The memory register: MC, MR, MS, M+ and M-. "M" in the memory indicator while it holds
// a value.
#pragma once

#include "calculator/calc_context.h"
#include "language/words.h"

inline constexpr const char* MemoryOverflowMessage = English("Memory operation overflow.");

void MemoryClear(CalcContext& context);
// The stored text becomes an entry on the panel.
void MemoryRecall(CalcContext& context);
void MemoryStore(CalcContext& context);
// Memory plus the shown value; the panel keeps showing that value.
void MemoryAdd(CalcContext& context);
// Memory minus the shown value.
void MemorySubtract(CalcContext& context);
