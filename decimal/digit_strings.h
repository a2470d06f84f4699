// The digit-string primitives of the four operations. They work on reversed text: index 0
// is the least significant digit and the decimal separator keeps its place among the digits.
#pragma once

#include "decimal/dec_string.h"
#include "decimal/result_buffer.h"

// x and y receive reversed copies of the magnitudes a and b, each holding a separator, the
// shorter fraction padded with zeros so that both have as many fraction digits. An empty
// magnitude stays empty. Integer parts are not padded.
void AlignFractions(char separator, const DecString& a, const DecString& b, DecString& x,
                    DecString& y);

// Writes the reversed sum x + y of two aligned texts into the cleared buffer. A final carry
// becomes a new most significant '1'.
void AddDigitStrings(ResultBuffer& buffer, char separator, const DecString& x, const DecString& y);

// Writes the reversed difference x - y into the cleared buffer. The caller guarantees
// x >= y; the difference has exactly x's length, zeros at its top end included.
void SubtractDigitStrings(ResultBuffer& buffer, char separator, const DecString& x,
                          const DecString& y);

// True when the aligned reversed x is at least y. Zeros at the top of the integer part do
// not count, so "0.5" and ".5" compare equal.
bool CompareMagnitudes(const DecString& x, const DecString& y);

// True when the normal-order digit string p is at least q; leading zeros do not count.
bool CompareIntegerTexts(const DecString& p, const DecString& q);
