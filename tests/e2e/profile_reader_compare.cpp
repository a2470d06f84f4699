// Our settings-file reader against the platform's profile functions: every file of a corpus
// (the settings seeds of the fuzz corpus and files generated here) is read for every key
// with GetPrivateProfileStringA and GetPrivateProfileIntA and with ParseProfileText,
// ProfileString and ProfileInt. Every difference is printed; the test fails on any the
// settings-file rules do not call for.
//
//   profile-reader-compare DIRECTORY...
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "settings/profile_text.h"

namespace {

struct Key {
    const char* Section;
    const char* Name;
};

constexpr Key Keys[] = {
    {"COMMON", "ROUND_MODE"},
    {"COMMON", "ROUND_TYPE"},
    {"TOTAL", "DECIMAL_SEPARATORS"},
    {"TOTAL", "NUMBER_SEPARATORS"},
    {"TOTAL", "SPACE_IS_DECIMAL_SEPARATOR"},
    {"TOTAL", "SPACE_IS_NUMBER_SEPARATOR"},
    {"VIEW", "BACKGROUND_COLOR_BLUE"},
    {"VIEW", "BACKGROUND_COLOR_GREEN"},
    {"VIEW", "BACKGROUND_COLOR_RED"},
    {"VIEW", "DECIMAL_SEPARATOR"},
    {"VIEW", "DIGIT_GROUPING"},
    {"VIEW", "FONT"},
    {"VIEW", "FONT_FOR_PANEL"},
    {"VIEW", "HOT_KEY_AS_CLICK"},
    {"VIEW", "LEADING_ZERO"},
    {"VIEW", "SCALE"},
    {"VIEW", "TAPE"},
    {"VIEW", "THOUSAND_SEPARATOR"},
    {"VIEW", "TOOL_TIPS"},
};

constexpr const char* TextDefault = "<default>";
constexpr int IntDefault = 4711;

struct Case {
    std::string Name;
    std::string Text;
};

std::string Repeat(char c, int count) {
    return std::string(static_cast<size_t>(count), c);
}

// Files a user or an editor may leave: odd spacing, quotes, letter case, long values,
// repeated sections and keys, lines without "=", comments, each kind of line end.
std::vector<Case> GeneratedCases() {
    std::vector<Case> cases = {
        {"spacing",
         "  [ VIEW ]  \r\n  SCALE   =   2   \r\n\tFONT\t=\tA  B\t\r\nLEADING_ZERO=NO\r\n"},
        {"blank-value", "[VIEW]\r\nTHOUSAND_SEPARATOR = \r\nDECIMAL_SEPARATOR =\r\nSCALE =\r\n"},
        {"quotes",
         "[VIEW]\r\nFONT = \"Courier New\"\r\nFONT_FOR_PANEL = 'Mono'\r\n"
         "DECIMAL_SEPARATOR = \"\r\nTHOUSAND_SEPARATOR = '\r\n[TOTAL]\r\n"
         "DECIMAL_SEPARATORS = \"'\r\nNUMBER_SEPARATORS = \"\"\r\n"},
        {"inner-quotes",
         "[VIEW]\r\nFONT = a\"b\"\r\nFONT_FOR_PANEL = \"a\" b \"c\"\r\nSCALE = \"2\"\r\n"},
        {"letter-case", "[view]\r\nscale = 3\r\nFont = Lower\r\n[Common]\r\nround_mode = 1\r\n"},
        {"long-values", "[VIEW]\r\nFONT = " + Repeat('x', 258) +
                            "\r\nFONT_FOR_PANEL = " + Repeat('y', 259) +
                            "\r\n[TOTAL]\r\nNUMBER_SEPARATORS = " + Repeat(';', 400) + "\r\n"},
        {"long-quoted", "[VIEW]\r\nFONT = \"" + Repeat('q', 258) + "\"\r\nFONT_FOR_PANEL = \"" +
                            Repeat('r', 300) + "\"\r\n"},
        {"repeated-sections",
         "[VIEW]\r\nSCALE = 1\r\n[COMMON]\r\nROUND_MODE = 0\r\n[VIEW]\r\n"
         "SCALE = 2\r\nFONT = second\r\n"},
        {"repeated-keys", "[VIEW]\r\nSCALE = 1\r\nSCALE = 2\r\nscale = 3\r\n"},
        {"missing-equals", "[VIEW]\r\nSCALE\r\nFONT Arial\r\nLEADING_ZERO = YES\r\n"},
        {"comments",
         "; leading comment\r\n[VIEW]\r\n; SCALE = 3\r\nSCALE = 1 ; two\r\n"
         "#FONT = hash\r\nFONT = f\r\n"},
        {"cr-only", "[VIEW]\rSCALE = 2\rFONT = cr\r[COMMON]\rROUND_MODE = 1\r"},
        {"lf-only", "[VIEW]\nSCALE = 2\nFONT = lf\n[COMMON]\nROUND_MODE = 1\n"},
        {"mixed-ends", "[VIEW]\r\nSCALE = 2\n\rFONT = mixed\r\r\n[COMMON]\nROUND_MODE = 2"},
        {"no-final-end", "[VIEW]\r\nFONT = last"},
        {"keys-before-section", "SCALE = 3\r\n[VIEW]\r\nFONT = after\r\n"},
        {"unclosed-section", "[VIEW\r\nSCALE = 2\r\n[COMMON] trailing\r\nROUND_MODE = 2\r\n"},
        {"doubled-quotes",
         "[VIEW]\r\nFONT = \"\"x\"\"\r\nFONT_FOR_PANEL = \"';'\"\r\n[TOTAL]\r\n"
         "DECIMAL_SEPARATORS = \"''\"\r\n"},
        {"blanks-in-quotes", "[VIEW]\r\nFONT = \"  padded\t \"\r\nFONT_FOR_PANEL = ' x'\r\n"},
        {"zero-byte", std::string("[VIEW]\r\nFONT = ab\0cd\r\nSCALE = 2\r\n", 33)},
        {"bracket-in-name", "[VIEW]x]\r\nSCALE = 2\r\n[COMMON\r\nROUND_MODE = 1\r\n"},
        {"equals-in-value", "[VIEW]\r\nFONT = a=b\r\nDECIMAL_SEPARATOR = =\r\n"},
        {"integers",
         "[VIEW]\r\nSCALE = 2x\r\nDIGIT_GROUPING = x2\r\nBACKGROUND_COLOR_RED = 007\r\n"
         "BACKGROUND_COLOR_GREEN =  12 34\r\nBACKGROUND_COLOR_BLUE = \r\n"},
        {"signed-integers",
         "[VIEW]\r\nSCALE = -1\r\nDIGIT_GROUPING = +2\r\n"
         "BACKGROUND_COLOR_RED = 99999999999\r\n[COMMON]\r\nROUND_MODE = -0\r\n"},
        {"empty-section-name", "[]\r\nSCALE = 1\r\n[VIEW]\r\nSCALE = 2\r\n"},
        {"tabs-and-blanks", "[VIEW]\r\nFONT =\t \t\r\nFONT_FOR_PANEL = \t x \t\r\n"},
    };
    return cases;
}

std::vector<Case> DirectoryCases(const std::string& directory) {
    std::vector<Case> cases;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return cases;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        const std::string path = directory + "\\" + found.cFileName;
        FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) continue;
        std::string text;
        char chunk[4096];
        size_t count = 0;
        while ((count = std::fread(chunk, 1, sizeof chunk, file)) > 0) text.append(chunk, count);
        std::fclose(file);
        cases.push_back({found.cFileName, text});
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return cases;
}

bool WriteCaseFile(const std::string& path, const std::string& text) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
    return std::fclose(file) == 0 && written;
}

// The value as a read leaves it (quotes off, blanks trimmed) before any cut.
std::string UncutValue(const ProfileText& profile, const Key& key) {
    for (const ProfileSection& section : profile.Sections) {
        if (lstrcmpiA(section.Name.Text(), key.Section) != 0) continue;
        for (const ProfileKey& candidate : section.Keys) {
            if (lstrcmpiA(candidate.Name.Text(), key.Name) == 0) return candidate.Value.Text();
        }
        return "";
    }
    return "";
}

// The text rule removes the blanks at both ends of a value; where a zero byte ends the value
// early, the platform leaves the blanks before it in place.
std::string Trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

struct Tally {
    int Compared = 0;
    int Faults = 0;
    int Allowed = 0;
};

// The integer rule: a value starting with "-" reads as that negative number, and a value
// beyond the 32-bit range stays out of every range; the platform may read either otherwise.
bool IntegerRuleDiffers(const std::string& value) {
    const size_t start = value.find_first_not_of(" \t\"'");
    if (start == std::string::npos) return false;
    if (value[start] == '-' || value[start] == '+') return true;
    size_t digits = 0;
    while (start + digits < value.size() && value[start + digits] >= '0' &&
           value[start + digits] <= '9') {
        ++digits;
    }
    return digits >= 10;
}

void CompareCase(const Case& c, const std::string& path, Tally& tally) {
    if (!WriteCaseFile(path, c.Text)) {
        std::printf("FAULT %s: cannot write %s\n", c.Name.c_str(), path.c_str());
        ++tally.Faults;
        return;
    }
    const ProfileText profile =
        ParseProfileText(c.Text.data(), static_cast<int32_t>(c.Text.size()));
    for (const Key& key : Keys) {
        char buffer[MaxProfileValueLength + 1] = {};
        GetPrivateProfileStringA(key.Section, key.Name, TextDefault, buffer, sizeof buffer,
                                 path.c_str());
        const std::string platformText = buffer;
        const std::string ourText =
            ProfileString(profile, key.Section, key.Name, TextDefault).Text();
        const int platformInt = static_cast<int>(
            GetPrivateProfileIntA(key.Section, key.Name, IntDefault, path.c_str()));
        const int ourInt = ProfileInt(profile, key.Section, key.Name, IntDefault);
        tally.Compared += 2;
        if (platformText != ourText) {
            const bool cut =
                UncutValue(profile, key).size() > static_cast<size_t>(MaxProfileValueLength);
            const bool blanks =
                c.Text.find('\0') != std::string::npos && Trimmed(platformText) == ourText;
            std::printf("%s %s %s/%s: text [%s] platform, [%s] ours\n",
                        cut || blanks ? "ALLOWED" : "FAULT", c.Name.c_str(), key.Section, key.Name,
                        platformText.c_str(), ourText.c_str());
            ++(cut || blanks ? tally.Allowed : tally.Faults);
        }
        if (platformInt != ourInt) {
            const bool rule = IntegerRuleDiffers(platformText);
            std::printf("%s %s %s/%s: integer %d platform, %d ours (value [%s])\n",
                        rule ? "ALLOWED" : "FAULT", c.Name.c_str(), key.Section, key.Name,
                        platformInt, ourInt, platformText.c_str());
            ++(rule ? tally.Allowed : tally.Faults);
        }
    }
    DeleteFileA(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<Case> cases = GeneratedCases();
    for (int i = 1; i < argc; ++i) {
        const std::vector<Case> found = DirectoryCases(argv[i]);
        if (found.empty()) {
            std::printf("FAULT no files in %s\n", argv[i]);
            return 1;
        }
        cases.insert(cases.end(), found.begin(), found.end());
    }
    char directory[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, directory);
    Tally tally;
    // A file of its own per case: the platform may keep a profile it has read in a cache.
    for (size_t i = 0; i < cases.size(); ++i) {
        const std::string path =
            std::string(directory) + "\\profile-compare-" + std::to_string(i) + ".ini";
        CompareCase(cases[i], path, tally);
    }
    std::printf("%zu files, %d reads compared, %d differences the file rules call for, %d faults\n",
                cases.size(), tally.Compared, tally.Allowed, tally.Faults);
    return tally.Faults == 0 && tally.Compared > 0 ? 0 : 1;
}
