#include "tape/tape_store.h"

#include "language/words.h"
#include "tape/tape_file.h"

namespace {

// Lines the file may hold beyond the tape's bound before it is trimmed, so that a full
// tape is not rewritten at every key.
constexpr size_t TrimSlack = MaxTapeLines / 10;
// Damaged files kept aside beside one tape before a further one is left where it is.
constexpr int32_t MaxDamagedFiles = 999;

void SetAsideDamagedFile(TapeStore& store) {
    for (int32_t number = 1; number <= MaxDamagedFiles; ++number) {
        const std::string aside = DamagedFileName(store.Path, number);
        if (store.Host->FileExists(aside.c_str())) continue;
        if (!store.Host->RenameFile(store.Path.c_str(), aside.c_str())) break;
        store.Host->ShowUnicodeMessage(WordsWith(
            "The tape file %1 could not be read. It was renamed to %2 and a new tape starts.",
            {store.Path, aside}));
        return;
    }
    store.Host->ShowUnicodeMessage(
        WordsWith("The tape file %1 could not be read and could not be set aside. A new tape "
                  "starts and is kept in memory only.",
                  {store.Path}));
    store.Path.clear();
}

// Holds the file at the store's path; tells the user when another Quillon holds it.
void HoldFile(TapeStore& store) {
    store.Held = store.Host->HoldFile(store.Path.c_str());
    if (store.Held) return;
    store.Host->ShowUnicodeMessage(
        WordsWith("The tape file %1 is open in another Quillon. Its lines are shown here, but "
                  "new lines are not written to it; save the tape as another file to keep them.",
                  {store.Path}));
}

void RewriteFile(TapeStore& store, Tape& tape) {
    if (!store.Host->ReplaceWholeFile(store.Path.c_str(), TapeFileText(tape, store.Notation))) {
        store.Host->ReportWriteFailure(store.Path);
        tape.Rewrite = true;
        return;
    }
    store.FileLines = tape.Lines.size();
    store.FileHeader = TapeVersionLine(store.Notation);
    tape.Unwritten = 0;
    tape.Rewrite = false;
}

}  // namespace

std::string DamagedFileName(const std::string& path, int32_t number) {
    return number <= 1 ? path + ".bad" : path + '.' + std::to_string(number) + ".bad";
}

void LoadTape(TapeStore& store, Tape& tape) {
    tape = Tape{};
    store.FileLines = 0;
    store.FileHeader.clear();
    store.Read = TapeNotation{};
    if (store.Path.empty()) return;
    HoldFile(store);
    std::string bytes;
    const FileRead read = store.Host->ReadFile(store.Path.c_str(), MaxTapeFileSize, bytes);
    if (read == FileRead::Absent) return;
    if (read == FileRead::TooLarge || !ParseTapeFile(bytes, tape.Lines, store.Read)) {
        tape.Lines.clear();
        store.Read = TapeNotation{};
        if (store.Held) SetAsideDamagedFile(store);  // the holder decides about its file
        return;
    }
    if (!bytes.empty()) store.FileHeader = TapeVersionLine(store.Read);
    store.FileLines = tape.Lines.size();
}

void StartNewTapeFile(TapeStore& store, Tape& tape) {
    tape = Tape{};
    store.FileLines = 0;
    store.FileHeader.clear();
    if (store.Path.empty()) return;
    HoldFile(store);
    tape.Rewrite = true;
    SaveTapeChanges(store, tape);
}

bool MoveTapeFile(TapeStore& store, Tape& tape, const std::string& path) {
    SaveTapeChanges(store, tape);
    const bool same = path == store.Path && store.Held;
    if (!same && !store.Host->HoldFile(path.c_str())) return false;
    if (!store.Host->ReplaceWholeFile(path.c_str(), TapeFileText(tape, store.Notation))) {
        if (!same) store.Host->ReleaseFile(path.c_str());
        return false;
    }
    if (!same) ReleaseTapeFile(store);
    store.Path = path;
    store.Held = true;
    store.FileLines = tape.Lines.size();
    store.FileHeader = TapeVersionLine(store.Notation);
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
    const std::string header = TapeVersionLine(store.Notation);
    const bool otherHeader = !store.FileHeader.empty() && store.FileHeader != header;
    if (tape.Rewrite || otherHeader ||
        store.FileLines + tape.Unwritten > MaxTapeLines + TrimSlack) {
        RewriteFile(store, tape);
        return;
    }
    if (tape.Unwritten == 0) return;
    std::string text = store.FileHeader.empty() ? header : "";
    for (size_t i = tape.Lines.size() - tape.Unwritten; i < tape.Lines.size(); ++i) {
        text += TapeFileLine(tape.Lines[i]);
    }
    if (!store.Host->AppendToFile(store.Path.c_str(), text)) {
        store.Host->ReportWriteFailure(store.Path);
        tape.Rewrite = true;  // the next change writes the whole tape
        return;
    }
    store.FileLines += tape.Unwritten;
    store.FileHeader = header;
    tape.Unwritten = 0;
}
