#include "tape/tape_keeper.h"

#include "calculator/entry_keys.h"
#include "tape/tape_recorder.h"

void StartTape(TapeKeeper& keeper, CalcContext& context, const std::string& path) {
    keeper.Store.Host = context.Host;
    keeper.Store.Path = path;
    LoadTape(keeper.Store, keeper.Lines);
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
    SaveTapeChanges(keeper.Store, keeper.Lines);
}
