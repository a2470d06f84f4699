#include "calculator/business_keys.h"

#include "decimal/add_subtract.h"
#include "decimal/format_result.h"
#include "decimal/multiply_divide.h"
#include "decimal/number_text.h"
#include "settings/tax_rate.h"

namespace {

constexpr const char* GrandTotalMark = "GT";

// A step of a calculation on shown texts: each operand read back as a number, "ERROR" kept.
DecString Apply(NumberOperation operation, const DecString& a, const DecString& b,
                const NumberFormat& format) {
    if (a == ErrorText || b == ErrorText) return ErrorText;
    return operation(ShownNumber(format, a), ShownNumber(format, b), format);
}

// A figure that rounds to nothing is shown as a plain zero: no tax line reads "-0.00".
DecString WithoutNegativeZero(const DecString& shown, const NumberFormat& format) {
    if (shown.First() != '-' || !IsZeroNumber(format, shown)) return shown;
    DecString zero = shown;
    zero.EraseAt(0);
    return zero;
}

// The shown number, brought to the decimal places like a result.
DecString TakenValue(const CalcContext& context) {
    const NumberFormat format = PanelFormat(context);
    return WithoutNegativeZero(FormatNumberText(PanelNumber(context), format), format);
}

// rate / 100, exact: the rate has at most four decimals.
DecString RateFraction(const CalcContext& context) {
    const NumberFormat exact = WithFloatingPlaces(PanelFormat(context));
    const DecString rate = ShownTaxRate(context.Settings.TAX_RATE, exact.DecimalSeparator);
    return DivideNumbers(rate, "100", exact);
}

// The panel shows the last figure of a key that ends the calculation in progress.
void ShowFigure(CalcContext& context, const DecString& figure) {
    ResetCalculation(context);
    context.SetPanelText(figure);
    context.EntryState = EntryState::ResultShown;
    if (figure == ErrorText) context.Host->Beep();
}

bool Refused(CalcContext& context) {
    if (!PanelShowsError(context)) return false;
    context.Host->Beep();
    return true;
}

void ShowTax(CalcContext& context, const DecString& taken, const DecString& tax,
             const DecString& result) {
    BusinessFigures& figures = context.Figures;
    figures.Taken = taken;
    figures.Tax = tax;
    figures.Result = tax == ErrorText ? DecString(ErrorText) : result;
    figures.Rate = context.Settings.TAX_RATE;
    ShowFigure(context, figures.Result);
}

void ShowGrandTotalMark(CalcContext& context) {
    const DecString& total = context.Business.GrandTotal;
    const bool held = total == ErrorText || !IsZeroNumber(PanelFormat(context), total);
    context.SetGrandTotalIndicatorText(held ? GrandTotalMark : "");
}

// The figures of a cost/sell/margin set, as BusinessState.Known holds them.
constexpr int CostFigure = 0;
constexpr int SellFigure = 1;
constexpr int MarginFigure = 2;
constexpr int FigureCount = 3;

bool IsNegativeOrZero(const DecString& shown, const NumberFormat& format) {
    return shown.First() == '-' || IsZeroNumber(format, shown);
}

// The figure of the set that is not known, from the two that are.
DecString MissingFigure(const DecString (&known)[FigureCount], int missing,
                        const NumberFormat& format) {
    const NumberFormat exact = WithFloatingPlaces(format);
    const DecString& cost = known[CostFigure];
    const DecString& sell = known[SellFigure];
    const DecString& margin = known[MarginFigure];
    if (missing == MarginFigure) {
        if (IsZeroNumber(format, sell)) return ErrorText;
        const DecString gain = Apply(SubtractNumbers, sell, cost, exact);
        return Apply(DivideNumbers, Apply(MultiplyNumbers, gain, "100", exact), sell, format);
    }
    const DecString kept = Apply(SubtractNumbers, "100", margin, exact);  // 100 - margin
    if (missing == SellFigure) {
        if (kept == ErrorText || IsNegativeOrZero(kept, exact)) return ErrorText;
        return Apply(DivideNumbers, Apply(MultiplyNumbers, cost, "100", exact), kept, format);
    }
    return Apply(DivideNumbers, Apply(MultiplyNumbers, sell, kept, exact), "100", format);
}

}  // namespace

void PressAddTax(CalcContext& context) {
    if (Refused(context)) return;
    const NumberFormat format = PanelFormat(context);
    const DecString net = TakenValue(context);
    const DecString tax =
        WithoutNegativeZero(Apply(MultiplyNumbers, net, RateFraction(context), format), format);
    ShowTax(context, net, tax, Apply(AddNumbers, net, tax, format));
}

void PressRemoveTax(CalcContext& context) {
    if (Refused(context)) return;
    const NumberFormat format = PanelFormat(context);
    const DecString gross = TakenValue(context);
    const DecString factor =
        Apply(AddNumbers, "1", RateFraction(context), WithFloatingPlaces(format));
    const DecString net = Apply(DivideNumbers, gross, factor, format);
    ShowTax(context, gross, WithoutNegativeZero(Apply(SubtractNumbers, gross, net, format), format),
            WithoutNegativeZero(net, format));
}

void PressGrandTotal(CalcContext& context) {
    BusinessState& business = context.Business;
    if (business.GrandTotalShown) {
        business.GrandTotal = "";
        business.GrandTotalCount = 0;
        business.GrandTotalShown = false;
        context.Figures.Cleared = true;
        ShowGrandTotalMark(context);
        return;
    }
    const DecString total = business.GrandTotal.Empty() ? DecString("0") : business.GrandTotal;
    const DecString shown =
        total == ErrorText ? total : FormatNumberText(total, PanelFormat(context));
    context.SetPanelText(shown);
    context.EntryState = EntryState::ResultShown;
    context.Figures.Result = shown;
    context.Figures.Count = business.GrandTotalCount;
    business.GrandTotalShown = true;
    if (shown == ErrorText) context.Host->Beep();
}

void AddToGrandTotal(CalcContext& context) {
    if (!context.Settings.BUSINESS_KEYS || PanelShowsError(context)) return;
    ShiftGrandTotal(context, context.PanelText());
    ++context.Business.GrandTotalCount;
}

void ShiftGrandTotal(CalcContext& context, const DecString& change) {
    BusinessState& business = context.Business;
    const NumberFormat exact = WithFloatingPlaces(PanelFormat(context));
    const DecString sum =
        Apply(AddNumbers, business.GrandTotal.Empty() ? DecString("0") : business.GrandTotal,
              change, exact);
    business.GrandTotal = sum == ErrorText ? sum : ShownNumber(exact, sum);
    ShowGrandTotalMark(context);
}

void PressCostSellMargin(CalcContext& context, KeyAction action) {
    if (Refused(context)) return;
    BusinessState& business = context.Business;
    if (business.SetComplete) {
        for (DecString& figure : business.Known) figure = "";
        business.SetComplete = false;
    }
    const int figure = static_cast<int>(action) - static_cast<int>(KeyAction::Cost);
    int known = 0;  // of the other two figures
    for (int i = 0; i < FigureCount; ++i) {
        if (i != figure && !business.Known[i].Empty()) ++known;
    }
    const DecString taken = TakenValue(context);
    business.Known[figure] = ShownNumber(PanelFormat(context), taken);
    context.Figures.Taken = taken;
    context.Figures.Continues = known > 0;
    if (known == 0) {
        ShowFigure(context, taken);
        return;
    }
    int missing = 0;
    for (int i = 0; i < FigureCount; ++i) {
        if (business.Known[i].Empty()) missing = i;
    }
    const DecString result = WithoutNegativeZero(
        MissingFigure(business.Known, missing, PanelFormat(context)), PanelFormat(context));
    business.Known[missing] = result;
    business.SetComplete = true;
    context.Figures.Result = result;
    context.Figures.Found = missing;
    ShowFigure(context, result);
}
