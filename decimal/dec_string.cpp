#include "decimal/dec_string.h"

#include <algorithm>
#include <cstring>

int32_t MeasureText(const char* text) {
    if (text == nullptr) return 0;
    const void* end = std::memchr(text, 0, DecString::MaxStringLength);
    return end ? static_cast<int32_t>(static_cast<const char*>(end) - text)
               : DecString::MaxStringLength;
}

DecString::DecString() : length_(0), bytes_(inline_) {
    inline_[0] = '\0';
}

DecString::DecString(const char* text) : DecString() {
    AssignBytes(text, MeasureText(text));
}

DecString::DecString(char c) : DecString() {
    AssignChar(c);
}

DecString::DecString(const DecString& other) : DecString() {
    AssignBytes(other.bytes_, other.length_);
}

DecString::DecString(DecString&& other) noexcept : DecString() {
    *this = std::move(other);
}

DecString::~DecString() {
    Release();
}

DecString& DecString::operator=(const DecString& other) {
    if (this != &other) AssignBytes(other.bytes_, other.length_);
    return *this;
}

DecString& DecString::operator=(DecString&& other) noexcept {
    if (this == &other) return *this;
    Release();
    if (other.IsInline()) {
        std::memcpy(inline_, other.inline_, other.length_ + 1);
        bytes_ = inline_;
    } else {
        bytes_ = other.bytes_;
    }
    length_ = other.length_;
    other.bytes_ = other.inline_;
    other.length_ = 0;
    other.inline_[0] = '\0';
    return *this;
}

void DecString::Release() {
    if (!IsInline()) delete[] bytes_;
    bytes_ = inline_;
    length_ = 0;
    inline_[0] = '\0';
}

// A string lives on the heap exactly when it is longer than the inline buffer, and a heap
// block always has exactly length + 1 bytes. Reshape moves the first `keep` bytes into a
// buffer for `length` bytes and hands back the old heap block, which the caller frees once
// it has read what it still needs from it.
char* DecString::Reshape(int32_t length, int32_t keep) {
    char* old = IsInline() ? nullptr : bytes_;
    if (length <= InlineCapacity) {
        if (old != nullptr) std::memcpy(inline_, old, keep);
        bytes_ = inline_;
    } else {
        char* fresh = new char[length + 1];
        std::memcpy(fresh, bytes_, keep);
        bytes_ = fresh;
    }
    return old;
}

void DecString::Finish(int32_t length, char* old) {
    length_ = length;
    bytes_[length] = '\0';
    delete[] old;
}

void DecString::AssignChar(char c) {
    if (c == '\0') {
        Release();
        return;
    }
    AssignBytes(&c, 1);
}

void DecString::AssignBytes(const char* bytes, int32_t count) {
    if (bytes == nullptr || count <= 0) {
        Release();
        return;
    }
    char* old = Reshape(count, 0);
    std::memmove(bytes_, bytes, count);
    Finish(count, old);
}

void DecString::AppendBytes(const char* bytes, int32_t count) {
    if (bytes == nullptr || count <= 0) return;
    const int32_t length = length_ + count;
    char* old = Reshape(length, length_);
    std::memcpy(bytes_ + length_, bytes, count);
    Finish(length, old);
}

void DecString::AppendText(const char* text) {
    const int32_t count = MeasureText(text);
    if (count == 0 || int64_t{length_} + count > MaxStringLength) return;
    AppendBytes(text, count);
}

void DecString::AppendString(const DecString& other) {
    if (other.length_ == 0 || int64_t{length_} + other.length_ > MaxStringLength) return;
    AppendBytes(other.bytes_, other.length_);
}

void DecString::AppendChar(char c) {
    if (c != '\0') AppendBytes(&c, 1);
}

void DecString::AppendInteger(int32_t value) {
    // Eleven digits and a sign hold every 32-bit value, -2147483648 included.
    char digits[12];
    int count = 0;
    int64_t magnitude = value < 0 ? -int64_t{value} : int64_t{value};
    do {
        digits[count++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) digits[count++] = '-';
    std::reverse(digits, digits + count);
    AppendBytes(digits, count);
}

void DecString::AppendCrLf() {
    AppendBytes("\r\n", 2);
}

int32_t DecString::FindChar(char c, int32_t start) const {
    if (start < 0) start = 0;
    if (start >= length_) return -1;
    const void* hit = std::memchr(bytes_ + start, static_cast<unsigned char>(c), length_ - start);
    return hit ? static_cast<int32_t>(static_cast<const char*>(hit) - bytes_) : -1;
}

void DecString::RemoveChar(char c) {
    if (FindChar(c) < 0) return;
    char* end = std::remove(bytes_, bytes_ + length_, c);
    const int32_t length = static_cast<int32_t>(end - bytes_);
    char* old = Reshape(length, length);
    Finish(length, old);
}

void DecString::InsertChar(int32_t position, char c) {
    if (position < 0 || position >= length_) return;
    const char* source = bytes_;
    const int32_t tail = length_ - position;
    char* old = Reshape(length_ + 1, position);
    std::memmove(bytes_ + position + 1, source + position, tail);
    bytes_[position] = c;
    Finish(length_ + 1, old);
}

void DecString::EraseAt(int32_t position) {
    if (position < 0 || position >= length_) return;
    std::memmove(bytes_ + position, bytes_ + position + 1, length_ - position - 1);
    Truncate(length_ - 1);
}

void DecString::Truncate(int32_t length) {
    if (length < 0) length = 0;
    if (length >= length_) return;
    char* old = Reshape(length, length);
    Finish(length, old);
}

void DecString::ReverseInPlace() {
    std::reverse(bytes_, bytes_ + length_);
}

bool DecString::ContainsAnyOf(const char* text) const {
    if (text == nullptr || length_ == 0) return false;
    for (const char* p = text; *p != '\0'; ++p) {
        if (FindChar(*p) >= 0) return true;
    }
    return false;
}

bool DecString::operator==(const char* text) const {
    const int32_t count = MeasureText(text);
    return count == length_ && (count == 0 || std::memcmp(bytes_, text, count) == 0);
}

bool DecString::operator==(const DecString& other) const {
    return length_ == other.length_ && std::memcmp(bytes_, other.bytes_, length_) == 0;
}
