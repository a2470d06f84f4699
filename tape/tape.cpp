#include "tape/tape.h"

#include <iterator>

namespace {

constexpr const char* KeyLabels[] = {
    "+",  "-", "*",     "/", "=",    "%",    "SQR", "1/X", "+-",    "MS", "M+",   "M-",   "MR",
    "MC", "T", "PASTE", "C", "TAX+", "TAX-", "TAX", "NET", "GROSS", "GT", "COST", "SELL", "MARGIN",
};
static_assert(std::size(KeyLabels) == static_cast<size_t>(TapeKey::Margin) + 1);

}  // namespace

const char* TapeKeyLabel(TapeKey key) {
    return KeyLabels[static_cast<size_t>(key)];
}

bool TapeKeyOfLabel(std::string_view label, TapeKey& key) {
    for (size_t i = 0; i < std::size(KeyLabels); ++i) {
        if (label == KeyLabels[i]) {
            key = static_cast<TapeKey>(i);
            return true;
        }
    }
    return false;
}

bool HoldsNumber(TapeRole role) {
    return role != TapeRole::Mark;
}

bool IsBroughtIn(TapeRole role) {
    return role == TapeRole::Start || role == TapeRole::Entry;
}

void AppendTapeEntry(Tape& tape, TapeEntry entry) {
    tape.Lines.push_back(std::move(entry));
    ++tape.Appended;
    if (tape.Unwritten < tape.Lines.size()) ++tape.Unwritten;
    if (tape.Lines.size() <= MaxTapeLines) return;
    tape.Lines.pop_front();
    ++tape.Dropped;
    if (tape.Unwritten > tape.Lines.size()) tape.Unwritten = tape.Lines.size();
}

std::string CleanNote(std::string_view note) {
    std::string clean(note.substr(0, MaxNoteLength));
    for (char& c : clean) {
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f') c = ' ';
    }
    return clean;
}
