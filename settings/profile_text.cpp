#include "settings/profile_text.h"

#include <cstring>
#include <limits>

namespace {

void TrimBlanks(const char*& begin, const char*& end) {
    while (begin < end && IsProfileBlank(*begin)) ++begin;
    while (end > begin && IsProfileBlank(end[-1])) --end;
}

DecString TrimmedText(const char* begin, const char* end) {
    TrimBlanks(begin, end);
    DecString text;
    text.AssignBytes(begin, static_cast<int32_t>(end - begin));
    return text;
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool SameName(const DecString& name, const char* wanted) {
    const int32_t length = MeasureText(wanted);
    if (length != name.Length()) return false;
    for (int32_t i = 0; i < length; ++i) {
        if (LowerAscii(name.At(i)) != LowerAscii(wanted[i])) return false;
    }
    return true;
}

// A line is a section header when it starts with "[" and holds a "]": the name is what
// stands between the "[" and the last "]". A line that holds no "=" names no key and is
// passed over, and so is a "[" line without its "]".
void ParseLine(ProfileText& profile, const char* begin, const char* end) {
    TrimBlanks(begin, end);
    if (begin == end) return;
    if (*begin == '[') {
        const char* close = end;
        while (close > begin + 1 && close[-1] != ']') --close;
        if (close > begin + 1) {
            --close;
            profile.Sections.push_back({TrimmedText(begin + 1, close), {}});
            return;
        }
    }
    const char* equals = static_cast<const char*>(std::memchr(begin, '=', end - begin));
    if (equals == nullptr) return;
    // Lines before the first section belong to no section and are never found.
    if (profile.Sections.empty()) profile.Sections.push_back({"", {}});
    ProfileKey key;
    key.Name = TrimmedText(begin, equals);
    // A zero byte ends the value, as it ends every text the value is handed on as.
    const char* zero = static_cast<const char*>(std::memchr(equals + 1, '\0', end - equals - 1));
    key.Value = TrimmedText(equals + 1, zero ? zero : end);
    profile.Sections.back().Keys.push_back(std::move(key));
}

// A line ends at a line feed or at a carriage return, so CR LF, LF alone and CR alone all
// end lines (CR LF leaves an empty line between, which counts for nothing).
const char* LineEnd(const char* line, const char* end) {
    while (line < end && *line != '\n' && *line != '\r') ++line;
    return line;
}

// The profile reader looks in the first section of that name only.
const ProfileSection* FindSection(const ProfileText& profile, const char* section) {
    for (const ProfileSection& candidate : profile.Sections) {
        if (SameName(candidate.Name, section)) return &candidate;
    }
    return nullptr;
}

const ProfileKey* FindKey(const ProfileText& profile, const char* section, const char* key) {
    const ProfileSection* found = FindSection(profile, section);
    if (found == nullptr) return nullptr;
    for (const ProfileKey& candidate : found->Keys) {
        if (SameName(candidate.Name, key)) return &candidate;
    }
    return nullptr;
}

DecString Unquoted(const DecString& value) {
    const int32_t length = value.Length();
    const char first = value.First();
    if (length >= 2 && (first == '"' || first == '\'') && value.Last() == first) {
        DecString inner;
        inner.AssignBytes(value.Text() + 1, length - 2);
        return inner;
    }
    return value;
}

}  // namespace

bool IsProfileBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\x1A';
}

ProfileText ParseProfileText(const char* bytes, int32_t count) {
    ProfileText profile;
    const char* end = bytes + (bytes ? count : 0);
    const char* line = bytes;
    while (line < end) {
        const char* lineEnd = LineEnd(line, end);
        ParseLine(profile, line, lineEnd);
        line = lineEnd < end ? lineEnd + 1 : end;
    }
    return profile;
}

DecString ProfileString(const ProfileText& profile, const char* section, const char* key,
                        const char* fallback) {
    const ProfileKey* found = FindKey(profile, section, key);
    DecString value = found ? Unquoted(found->Value) : DecString(fallback);
    value.Truncate(MaxProfileValueLength);
    return value;
}

int32_t LeadingInteger(const DecString& value) {
    const char* p = value.Text();
    const bool negative = *p == '-';
    if (*p == '-' || *p == '+') ++p;
    int64_t magnitude = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        // Saturate: a huge value must stay out of every range, never wrap into one.
        if (magnitude <= std::numeric_limits<int32_t>::max())
            magnitude = magnitude * 10 + (*p - '0');
    }
    if (negative) magnitude = -magnitude;
    if (magnitude > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (magnitude < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(magnitude);
}

int32_t ProfileInt(const ProfileText& profile, const char* section, const char* key,
                   int32_t fallback) {
    const DecString value = ProfileString(profile, section, key, "");
    return value.Empty() ? fallback : LeadingInteger(value);
}

void SetProfileValue(ProfileText& profile, const char* section, const char* key,
                     const char* value) {
    ProfileSection* target = const_cast<ProfileSection*>(FindSection(profile, section));
    if (target == nullptr) {
        profile.Sections.push_back({section, {}});
        target = &profile.Sections.back();
    }
    for (ProfileKey& candidate : target->Keys) {
        if (SameName(candidate.Name, key)) {
            candidate.Value = TrimmedText(value, value + MeasureText(value));
            return;
        }
    }
    target->Keys.push_back({key, TrimmedText(value, value + MeasureText(value))});
}
