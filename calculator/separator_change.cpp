#include "calculator/separator_change.h"

#include "decimal/format_result.h"
#include "decimal/number_text.h"
#include "settings/separator_rules.h"

void ApplyNewSeparators(CalcContext& context, char thousand, char decimal) {
    CalcSettings& settings = context.Settings;
    const char oldThousand = settings.THOUSAND_SEPARATOR;
    const char oldDecimal = settings.DECIMAL_SEPARATOR;
    DecString panel = context.PanelText();
    ConvertSeparators(panel, oldThousand, oldDecimal, decimal);
    ConvertSeparators(context.OperandA, oldThousand, oldDecimal, decimal);
    ConvertSeparators(context.OperandB, oldThousand, oldDecimal, decimal);
    ConvertSeparators(context.MemoryValue, oldThousand, oldDecimal, decimal);
    for (DecString* number : {&context.Business.GrandTotal, &context.Business.Known[0],
                              &context.Business.Known[1], &context.Business.Known[2]}) {
        if (*number != ErrorText) ConvertSeparators(*number, oldThousand, oldDecimal, decimal);
    }
    settings.THOUSAND_SEPARATOR = thousand;
    settings.DECIMAL_SEPARATOR = decimal;
    if (!PanelShowsError(context)) {
        context.SetPanelText(FormatNumberText(panel, PanelFormat(context)));
    }
}
