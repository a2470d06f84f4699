// A small assertion helper for the GUI driver: every check names what it looked at, and a
// case fails when any of its checks failed.
#pragma once

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <type_traits>

struct CheckCounter {
    int Checks = 0;
    int Failures = 0;
};

inline CheckCounter& Counter() {
    static CheckCounter counter;
    return counter;
}

inline bool Check(bool holds, const std::string& what) {
    ++Counter().Checks;
    if (!holds) {
        ++Counter().Failures;
        std::printf("FAILED: %s\n", what.c_str());
    }
    return holds;
}

template <typename T>
std::string Shown(const T& value) {
    if constexpr (std::is_convertible_v<T, std::string>) {
        std::string shown(1, '"');
        shown.append(std::string(value));
        shown.push_back('"');
        return shown;
    } else if constexpr (std::is_pointer_v<T>) {
        char text[32];
        std::snprintf(text, sizeof(text), "%p", static_cast<const void*>(value));
        return text;
    } else {
        return std::to_string(value);
    }
}

struct GuiCase {
    const char* Name;
    void (*Run)();
};

// Runs the case called `name` from any of `tables` and prints how its checks went; 0 when
// every check held (and there was one), 1 when one failed, 2 when there is no such case.
inline int RunNamedCase(std::initializer_list<std::span<const GuiCase>> tables,
                        const std::string& name) {
    for (std::span<const GuiCase> table : tables) {
        for (const GuiCase& guiCase : table) {
            if (name != guiCase.Name) continue;
            guiCase.Run();
            std::printf("%s: %d checks, %d failed\n", guiCase.Name, Counter().Checks,
                        Counter().Failures);
            return Counter().Failures == 0 && Counter().Checks > 0 ? 0 : 1;
        }
    }
    std::printf("unknown case %s\n", name.c_str());
    return 2;
}

template <typename A, typename E>
bool CheckEqual(const A& actual, const E& expected, const std::string& what) {
    const bool holds = actual == expected;
    return Check(holds, what + ": got " + Shown(actual) + ", expected " + Shown(expected));
}
