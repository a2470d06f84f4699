#include "tape/tape_keeper.h"

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

void SaveTape(TapeKeeper& keeper) {
    if (keeper.Settings != nullptr) keeper.Store.Notation = NotationOf(*keeper.Settings);
    SaveTapeChanges(keeper.Store, keeper.Lines);
}
