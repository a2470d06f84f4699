// The keys of a printing calculator's business row: tax added and taken off at the stored
// rate, the grand total over the results, and cost, sell and margin. Every figure is worked
// out exactly and rounded once, to the panel's decimal places in its rounding direction, so
// the figures a key shows together add up on the panel and on the tape.
#pragma once

#include "calculator/calc_context.h"
#include "controls/control_table.h"

// TAX+: the shown number is the net; tax = net x rate / 100, gross = net + that tax.
void PressAddTax(CalcContext& context);
// TAX-: the shown number is the gross; net = gross / (1 + rate / 100), tax = gross - that net.
void PressRemoveTax(CalcContext& context);

// GT: shows the grand total as a result the next key can work on; a second GT in a row
// clears it.
void PressGrandTotal(CalcContext& context);
// The result on the panel joins the grand total once ("=", "%" and the Total call it after
// a result), while the business keys are shown.
void AddToGrandTotal(CalcContext& context);
// A correction on the tape changed the results the grand total holds: their sum changed by
// `change` (a number, or "ERROR"), and so does the grand total.
void ShiftGrandTotal(CalcContext& context, const DecString& change);

// COST, SELL or MARGIN (`action`): the shown number is that figure of the set (the margin in
// percent of the selling price). The key that makes two figures known shows the third:
// sell = cost / (1 - margin / 100), cost = sell x (1 - margin / 100),
// margin = (sell - cost) / sell x 100. A margin of 100 or more with a cost, or a sell of 0
// with a margin to find, shows "ERROR" with a beep. The key after a completed set starts
// a new one.
void PressCostSellMargin(CalcContext& context, KeyAction action);
