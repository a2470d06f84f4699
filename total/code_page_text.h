// Unicode clipboard text brought to the code page 1252 text the Total and paste read. Blanks,
// minus signs, apostrophes and digits of other scripts become their plain forms; the euro,
// pound and yen signs their code page bytes; every other character the code page cannot
// hold becomes UnmappedChar, never a digit, a separator or a '-'; but the other currency signs
// (the rupee's, the rouble's, ...) all become OtherCurrencySign, and the letter of the zloty's
// sign its plain form, so "1 234,56 z\u0142" reads as "1 234,56 zl".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A byte code page 1252 leaves empty: every currency sign the code page cannot hold.
inline constexpr char OtherCurrencySign = '\x81';

// One character; `c` is a Unicode scalar value, or anything else for a broken sequence.
char CodePageChar(char32_t c);

// UTF-16 text, surrogate pairs read as one character; a lone surrogate is unmapped.
std::string MapUtf16ToCodePage(std::u16string_view text);

// UTF-8 text mapped where it lies: no character takes more bytes in the code page. Each byte
// of a broken sequence is one unmapped character.
void MapUtf8ToCodePageInPlace(std::string& text);
// The same on `size` bytes; returns the mapped text's length.
size_t MapUtf8ToCodePageInPlace(char* text, size_t size);
