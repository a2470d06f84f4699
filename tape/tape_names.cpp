#include "tape/tape_names.h"

#include <algorithm>

namespace {

constexpr char Separator = '|';

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Windows paths ignore letter case.
bool SamePath(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Lower(x) == Lower(y); });
}

}  // namespace

std::vector<std::string> RecentTapes(std::string_view list) {
    std::vector<std::string> paths;
    while (!list.empty() && paths.size() < MaxRecentTapes) {
        const size_t end = std::min(list.find(Separator), list.size());
        if (end > 0) paths.emplace_back(list.substr(0, end));
        list.remove_prefix(std::min(end + 1, list.size()));
    }
    return paths;
}

std::string WithRecentTape(std::string_view list, std::string_view path) {
    std::string joined(path);
    size_t count = 1;
    for (const std::string& other : RecentTapes(list)) {
        if (SamePath(other, path) || count == MaxRecentTapes) continue;
        joined += Separator + other;
        ++count;
    }
    return joined;
}

std::string TapeName(std::string_view path) {
    if (path.empty()) return "Tape";
    const size_t folder = path.find_last_of("\\/:");
    if (folder != std::string_view::npos) path.remove_prefix(folder + 1);
    constexpr std::string_view Extension = ".tape";
    if (path.size() > Extension.size() &&
        SamePath(path.substr(path.size() - Extension.size()), Extension)) {
        path.remove_suffix(Extension.size());
    }
    return std::string(path);
}
