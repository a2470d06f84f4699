// "Tax rate": the rate of the TAX+ and TAX- keys, a percentage from 0 to 100 with at most
// four decimals. The setting changes only on OK with a valid rate.
#pragma once

#include <windows.h>

inline constexpr const char* TaxRateRefusal =
    "Error! Type a tax rate from 0 to 100 with at most 4 decimals.";

void TaxRateDialog(HWND owner);
