#include "tape/tape_keeper.h"

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

void SaveTape(TapeKeeper& keeper) {
    SaveTapeChanges(keeper.Store, keeper.Lines);
}
