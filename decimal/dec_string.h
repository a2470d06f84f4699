// DecString: the one string type of Quillon. A length-counted, single-byte string that
// owns its bytes exclusively and always keeps a zero byte after the last one.
//
// Callers see exact-size semantics: there is no spare capacity to query and no growth
// policy to rely on. Short texts (every panel text, operand and Total number) live in an
// inline buffer, so adding up a million clipboard numbers never asks the heap for digits.
#pragma once

#include <cstdint>

class DecString {
   public:
    // Longest text a DecString takes from zero-terminated text or from an append.
    static constexpr int32_t MaxStringLength = 16777216;

    DecString();
    DecString(const char* text);  // NOLINT: number text is written as literals everywhere
    explicit DecString(char c);
    DecString(const DecString& other);
    DecString(DecString&& other) noexcept;
    ~DecString();
    DecString& operator=(const DecString& other);
    DecString& operator=(DecString&& other) noexcept;

    int32_t Length() const { return length_; }
    bool Empty() const { return length_ == 0; }
    const char* Text() const { return bytes_; }
    char At(int32_t i) const { return bytes_[i]; }
    char First() const { return bytes_[0]; }
    char Last() const { return length_ > 0 ? bytes_[length_ - 1] : '\0'; }
    void SetAt(int32_t i, char c) { bytes_[i] = c; }

    void AssignChar(char c);
    void AssignBytes(const char* bytes, int32_t count);
    void AppendText(const char* text);
    void AppendString(const DecString& other);
    void AppendBytes(const char* bytes, int32_t count);
    void AppendChar(char c);
    void AppendInteger(int32_t value);
    void AppendCrLf();

    int32_t FindChar(char c, int32_t start = 0) const;
    void RemoveChar(char c);
    void InsertChar(int32_t position, char c);
    void EraseAt(int32_t position);
    void Truncate(int32_t length);
    void ReverseInPlace();
    bool ContainsAnyOf(const char* text) const;

    bool operator==(const char* text) const;
    bool operator==(const DecString& other) const;

   private:
    static constexpr int32_t InlineCapacity = 47;  // bytes before the terminator

    bool IsInline() const { return bytes_ == inline_; }
    void Release();
    char* Reshape(int32_t length, int32_t keep);
    void Finish(int32_t length, char* old);

    int32_t length_;
    char* bytes_;
    char inline_[InlineCapacity + 1];
};

// Length of zero-terminated text, counting at most DecString::MaxStringLength bytes.
int32_t MeasureText(const char* text);
