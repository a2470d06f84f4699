#include "tape/tape_store.h"

#include "language/words.h"
#include "tape/tape_file.h"

namespace {

// Lines the file may hold beyond the tape's bound before it is trimmed, so that a full
// tape is not rewritten at every key.
constexpr size_t TrimSlack = MaxTapeLines / 10;

void SetAsideDamagedFile(TapeStore& store) {
    const std::string aside = store.Path + ".bad";
    const std::string message =
        WordsWith("The tape file %1 could not be read. It was renamed to %2 and a new tape starts.",
                  {store.Path, aside});
    store.Host->RenameFile(store.Path.c_str(), aside.c_str());
    store.Host->ShowMessage(message.c_str());
}

// Holds the file at the store's path; tells the user when another Quillon holds it.
void HoldFile(TapeStore& store) {
    store.Held = store.Host->HoldFile(store.Path.c_str());
    if (store.Held) return;
    const std::string message = "The tape file " + store.Path +
                                " is open in another Quillon. Its lines are shown here, but "
                                "new lines are not written to it; save the tape as another "
                                "file to keep them.";
    store.Host->ShowMessage(message.c_str());
}

void RewriteFile(TapeStore& store, Tape& tape) {
    if (!store.Host->ReplaceWholeFile(store.Path.c_str(), TapeFileText(tape))) return;
    store.FileLines = tape.Lines.size();
    store.HasVersionLine = true;
    tape.Unwritten = 0;
    tape.Rewrite = false;
}

}  // namespace

void LoadTape(TapeStore& store, Tape& tape) {
    tape = Tape{};
    store.FileLines = 0;
    store.HasVersionLine = false;
    if (store.Path.empty()) return;
    HoldFile(store);
    std::string bytes;
    const FileRead read = store.Host->ReadFile(store.Path.c_str(), MaxTapeFileSize, bytes);
    if (read == FileRead::Absent) return;
    if (read == FileRead::TooLarge || !ParseTapeFile(bytes, tape.Lines)) {
        tape.Lines.clear();
        if (store.Held) SetAsideDamagedFile(store);  // the holder decides about its file
        return;
    }
    store.HasVersionLine = !bytes.empty();
    store.FileLines = tape.Lines.size();
}

void StartNewTapeFile(TapeStore& store, Tape& tape) {
    tape = Tape{};
    store.FileLines = 0;
    store.HasVersionLine = false;
    if (store.Path.empty()) return;
    HoldFile(store);
    tape.Rewrite = true;
    SaveTapeChanges(store, tape);
}

bool MoveTapeFile(TapeStore& store, Tape& tape, const std::string& path) {
    SaveTapeChanges(store, tape);
    const bool same = path == store.Path && store.Held;
    if (!same && !store.Host->HoldFile(path.c_str())) return false;
    if (!store.Host->ReplaceWholeFile(path.c_str(), TapeFileText(tape))) {
        if (!same) store.Host->ReleaseFile(path.c_str());
        return false;
    }
    if (!same) ReleaseTapeFile(store);
    store.Path = path;
    store.Held = true;
    store.FileLines = tape.Lines.size();
    store.HasVersionLine = true;
    tape.Unwritten = 0;
    tape.Rewrite = false;
    return true;
}

void ReleaseTapeFile(TapeStore& store) {
    if (store.Held) store.Host->ReleaseFile(store.Path.c_str());
    store.Held = false;
}

void SaveTapeChanges(TapeStore& store, Tape& tape) {
    if (store.Path.empty() || !store.Held) {
        tape.Unwritten = 0;
        tape.Rewrite = false;
        return;
    }
    if (tape.Rewrite || store.FileLines + tape.Unwritten > MaxTapeLines + TrimSlack) {
        RewriteFile(store, tape);
        return;
    }
    if (tape.Unwritten == 0) return;
    std::string text = store.HasVersionLine ? "" : std::string(TapeVersionLine) + "\r\n";
    for (size_t i = tape.Lines.size() - tape.Unwritten; i < tape.Lines.size(); ++i) {
        text += TapeFileLine(tape.Lines[i]);
    }
    if (!store.Host->AppendToFile(store.Path.c_str(), text)) {
        tape.Rewrite = true;  // the next change writes the whole tape
        return;
    }
    store.FileLines += tape.Unwritten;
    store.HasVersionLine = true;
    tape.Unwritten = 0;
}
