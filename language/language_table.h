// The translations as the build generates them from the PO files (language/po/*.po): the
// English texts, sorted by their bytes, and for each language its text for each of them at
// the same index, or null where it has none.
#pragma once

#include <cstddef>

#include "language/words.h"

extern const char* const EnglishTexts[];
extern const size_t TranslatedCount;
// English first, with no texts of its own.
extern const LanguageInfo LanguageInfos[];
extern const char* const* const LanguageTexts[];
extern const size_t LanguageCount;
