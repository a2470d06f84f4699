#include "tape/tape_store.h"

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
        store.Host->ShowUnicodeMessage("The tape file " + store.Path +
                                       " could not be read. It was renamed to " + aside +
                                       " and a new tape starts.");
        return;
    }
    store.Host->ShowUnicodeMessage("The tape file " + store.Path +
                                   " could not be read and could not be set aside. A new tape "
                                   "starts and is kept in memory only.");
    store.Path.clear();
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
    std::string bytes;
    const FileRead read = store.Host->ReadFile(store.Path.c_str(), MaxTapeFileSize, bytes);
    if (read == FileRead::Absent) return;
    if (read == FileRead::TooLarge || !ParseTapeFile(bytes, tape.Lines, store.Read)) {
        tape.Lines.clear();
        store.Read = TapeNotation{};
        SetAsideDamagedFile(store);
        return;
    }
    if (!bytes.empty()) store.FileHeader = TapeVersionLine(store.Read);
    store.FileLines = tape.Lines.size();
}

void SaveTapeChanges(TapeStore& store, Tape& tape) {
    if (store.Path.empty()) {
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
