#include "calculator/key_press.h"

namespace {

// The platform as the key sees it while it is recorded: everything a key asks of it goes to
// the real host, and the beeps are counted on the way. No key touches a file.
class BeepCounter : public Platform {
   public:
    explicit BeepCounter(Platform& host) : host_(host) {}
    void ShowText(DisplayField field, const DecString& text) override {
        host_.ShowText(field, text);
    }
    void Beep() override {
        ++Beeps;
        host_.Beep();
    }
    void ShowMessage(const char* text) override { host_.ShowMessage(text); }
    std::string ClipboardText() override { return host_.ClipboardText(); }
    SharedText SharedClipboardText() override { return host_.SharedClipboardText(); }
    bool ClipboardBusy() override { return host_.ClipboardBusy(); }
    SystemLocale QueryLocale() override { return host_.QueryLocale(); }

    int32_t Beeps = 0;

   private:
    Platform& host_;
};

}  // namespace

CalcSnapshot TakeSnapshot(const CalcContext& context) {
    CalcSnapshot snapshot;
    snapshot.PanelText = context.PanelText();
    snapshot.EntryState = context.EntryState;
    snapshot.OperatorIndicatorText = context.OperatorIndicatorText();
    snapshot.OperandA = context.OperandA;
    snapshot.OperandB = context.OperandB;
    return snapshot;
}

void RunRecordedKey(CalcContext& context, KeyAction action, const DecString& label,
                    void (*press)(CalcContext& context, const void* argument),
                    const void* argument) {
    if (!context.Recorder) {
        press(context, argument);
        return;
    }
    KeyPress key;
    key.Action = action;
    key.Label = label;
    key.Before = TakeSnapshot(context);
    Platform* host = context.Host;
    BeepCounter counter(*host);
    context.Host = &counter;
    context.TotalNumbers = 0;
    context.Figures = BusinessFigures{};
    press(context, argument);
    context.Host = host;
    key.After = TakeSnapshot(context);
    key.Refused = counter.Beeps > 0;
    key.TotalNumbers = context.TotalNumbers;
    key.Figures = context.Figures;
    context.Recorder(key);
}
