#include "settings_text.h"

#include <windows.h>

namespace {

const char* const Sections[][2] = {
    {"ADD_MODE", "COMMON"},
    {"CREDIT_DEBIT", "TOTAL"},
    {"ALWAYS_ON_TOP", "VIEW"},
};

}  // namespace

std::string SubstituteFace(const char* face) {
    HFONT font = CreateFontA(30, 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, face);
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    char used[512] = {};
    GetTextFaceA(dc, sizeof(used), used);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return used;
}

std::string InstalledFace() {
    static const std::string face = SubstituteFace("Tahoma");
    return face;
}

SettingsValues KnownSettings() {
    return {
        {"ADD_MODE", "NO"},
        {"ROUND_MODE", "3"},
        {"ROUND_TYPE", "1"},
        {"TAX_RATE", "0"},
        {"CREDIT_DEBIT", "NO"},
        {"DECIMAL_SEPARATORS", ""},
        {"NUMBER_SEPARATORS", ""},
        {"SPACE_IS_DECIMAL_SEPARATOR", "NO"},
        {"SPACE_IS_NUMBER_SEPARATOR", "NO"},
        {"WHOLE_CELLS", "NO"},
        {"ALWAYS_ON_TOP", "NO"},
        {"BACKGROUND_COLOR_BLUE", "255"},
        {"BACKGROUND_COLOR_GREEN", "255"},
        {"BACKGROUND_COLOR_RED", "255"},
        {"BUSINESS_KEYS", "NO"},
        {"DECIMAL_SEPARATOR", "."},
        {"DIGIT_GROUPING", "1"},
        {"FONT", InstalledFace()},
        {"FONT_FOR_PANEL", InstalledFace()},
        {"HOT_KEY_AS_CLICK", "YES"},
        {"LANGUAGE", "AUTO"},
        {"LEADING_ZERO", "YES"},
        {"SCALE", "1"},
        {"TAPE", "NO"},
        {"TAPE_FILE", ""},
        {"TAPE_RECENT", ""},
        {"TAPE_WIDTH", "0"},
        {"THEME", "SYSTEM"},
        {"THOUSAND_SEPARATOR", ","},
        {"TOOL_TIPS", "YES"},
        {"WINDOW_X", ""},
        {"WINDOW_Y", ""},
    };
}

SettingsValues With(SettingsValues values, const SettingsValues& changes) {
    for (const auto& change : changes) {
        for (auto& value : values) {
            if (value.first == change.first) value.second = change.second;
        }
    }
    return values;
}

std::string SettingsFileText(const SettingsValues& values) {
    std::string text;
    for (const auto& [key, value] : values) {
        for (const auto& section : Sections) {
            if (key != section[0]) continue;
            if (!text.empty()) text += "\r\n";
            text += std::string("[") + section[1] + "]\r\n";
        }
        text += key + " = " + value + "\r\n";
    }
    return text;
}

std::string KnownFile(const SettingsValues& changes) {
    return SettingsFileText(With(KnownSettings(), changes));
}

std::string WithValue(const std::string& fileText, const std::string& key,
                      const std::string& value) {
    const std::string start = "\r\n" + key + " = ";
    const size_t at = fileText.find(start);
    if (at == std::string::npos) return fileText;
    const size_t valueAt = at + start.size();
    const size_t end = fileText.find("\r\n", valueAt);
    return fileText.substr(0, valueAt) + value +
           (end == std::string::npos ? "" : fileText.substr(end));
}

std::string ValueInFile(const std::string& fileText, const std::string& key) {
    const std::string start = key + " = ";
    size_t at = 0;
    while (at < fileText.size()) {
        const size_t end = fileText.find("\r\n", at);
        const std::string line = fileText.substr(at, end == std::string::npos ? end : end - at);
        if (line.compare(0, start.size(), start) == 0) return line.substr(start.size());
        if (end == std::string::npos) break;
        at = end + 2;
    }
    return "<absent>";
}
