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
    std::string bytes;
    const FileRead read = store.Host->ReadFile(store.Path.c_str(), MaxTapeFileSize, bytes);
    if (read == FileRead::Absent) return;
    if (read == FileRead::TooLarge || !ParseTapeFile(bytes, tape.Lines)) {
        tape.Lines.clear();
        SetAsideDamagedFile(store);
        return;
    }
    store.HasVersionLine = !bytes.empty();
    store.FileLines = tape.Lines.size();
}

void SaveTapeChanges(TapeStore& store, Tape& tape) {
    if (store.Path.empty()) {
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
