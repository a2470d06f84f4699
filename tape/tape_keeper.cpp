#include "tape/tape_keeper.h"

#include "calculator/entry_keys.h"
#include "tape/tape_recorder.h"
#include "tape/tape_replay.h"

namespace {

TapeNotation NotationOf(const CalcSettings& settings) {
    return TapeNotation{settings.DECIMAL_SEPARATOR, settings.THOUSAND_SEPARATOR};
}

}  // namespace

void StartTape(TapeKeeper& keeper, CalcContext& context, const std::string& path) {
    keeper.Store.Host = context.Host;
    keeper.Store.Path = path;
    keeper.Store.Notation = NotationOf(context.Settings);
    LoadTape(keeper.Store, keeper.Lines);
    // Numbers written with other separators are shown in the user's; the file follows at
    // the next write.
    const TapeNotation read = keeper.Store.Read;
    if (read != TapeNotation{} && read != keeper.Store.Notation) {
        ConvertTapeSeparators(keeper.Lines, read.Thousand, read.Decimal, PanelFormat(context));
    }
    keeper.Settings = &context.Settings;
    context.Recorder = [&keeper, &context](const KeyPress& key) {
        RecordKeyPress(keeper.Lines, context.Settings, key);
        SaveTape(keeper);
    };
}

void SwitchTape(TapeKeeper& keeper, CalcContext& context, const std::string& path, TapeSwitch how) {
    SaveTape(keeper);
    ReleaseTapeFile(keeper.Store);
    PressClear(context);
    keeper.Store.Path = path;
    const uint64_t appended = keeper.Lines.Appended;
    const uint64_t dropped = keeper.Lines.Dropped;
    const uint64_t edits = keeper.Lines.Edits;
    if (how == TapeSwitch::New) {
        StartNewTapeFile(keeper.Store, keeper.Lines);
    } else {
        LoadTape(keeper.Store, keeper.Lines);
    }
    // The counters go on, so that a view that follows them shows the other tape anew.
    keeper.Lines.Appended = appended;
    keeper.Lines.Dropped = dropped;
    keeper.Lines.Edits = edits + 1;
}

void SaveTape(TapeKeeper& keeper) {
    if (keeper.Settings != nullptr) keeper.Store.Notation = NotationOf(*keeper.Settings);
    SaveTapeChanges(keeper.Store, keeper.Lines);
}
