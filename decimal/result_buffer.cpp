#include "decimal/result_buffer.h"

#include <cstring>

void ResultBuffer::Clear() {
    std::memset(bytes_, 0, sizeof bytes_);
    length_ = 0;
    overflowed_ = false;
}

void ResultBuffer::Append(char c) {
    if (length_ >= MaxTextLength) {
        overflowed_ = true;
        return;
    }
    bytes_[length_++] = c;
}

void ResultBuffer::AppendText(const DecString& text) {
    for (int32_t i = 0; i < text.Length(); ++i) Append(text.At(i));
}

void ResultBuffer::Assign(const DecString& text) {
    Clear();
    AppendText(text);
}

DecString ResultBuffer::Text() const {
    DecString text;
    text.AssignBytes(bytes_, length_);
    return text;
}
