// Tapes by name: the name a tape is shown and printed under, and the tapes used last, for the
// tape menu, kept in one setting as paths separated by '|' (a character no Windows path
// holds), the newest first.
#pragma once

#include <string>
#include <string_view>
#include <vector>

inline constexpr size_t MaxRecentTapes = 4;

// The paths of `list`, the newest first, empty entries left out.
std::vector<std::string> RecentTapes(std::string_view list);

// `list` with `path` first, once (the same path in other letter case counts as the same), at
// most MaxRecentTapes long.
std::string WithRecentTape(std::string_view list, std::string_view path);

// The tape's name: its file's name without the folder and without ".tape"; "Tape" for a tape
// kept in memory only.
std::string TapeName(std::string_view path);
