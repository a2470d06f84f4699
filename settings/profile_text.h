// The text of a settings file, read the way the platform's profile reader reads it:
// bracketed sections, "key = value" lines, names matched regardless of letter case.
#pragma once

#include <cstdint>
#include <vector>

#include "decimal/dec_string.h"

struct ProfileKey {
    DecString Name;
    DecString Value;
};

struct ProfileSection {
    DecString Name;
    std::vector<ProfileKey> Keys;
};

struct ProfileText {
    std::vector<ProfileSection> Sections;
};

// Longest value a read returns, as the profile reader's 260-byte buffer allows.
inline constexpr int32_t MaxProfileValueLength = 259;

ProfileText ParseProfileText(const char* bytes, int32_t count);

// What a read trims from both ends of a section name, a key and a value: a space, a tab, a line
// end, and Ctrl-Z (the old end-of-file mark), as the platform's profile reader has it.
bool IsProfileBlank(char c);

// The value of section/key: blanks trimmed, one pair of matching quotes removed, cut to
// 259 characters; `fallback` when the section or the key is missing.
DecString ProfileString(const ProfileText& profile, const char* section, const char* key,
                        const char* fallback);

// The decimal integer at the start of a value: an optional sign and digits, held at the
// 32-bit limits; 0 when the value does not start with one.
int32_t LeadingInteger(const DecString& value);

// LeadingInteger of the value of section/key; `fallback` when the section or key is
// missing or the value is empty.
int32_t ProfileInt(const ProfileText& profile, const char* section, const char* key,
                   int32_t fallback);

// Sets section/key as if its line stood in the file, replacing the line that a read
// would find; adds the section or the key when missing.
void SetProfileValue(ProfileText& profile, const char* section, const char* key, const char* value);
