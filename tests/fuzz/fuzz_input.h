#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

// Reads a fuzz input as a stream of choices; past its end every read gives zeros, so
// any input decodes to something.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool Done() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::uint32_t Number() {
        std::uint32_t n = 0;
        for (int i = 0; i < 4; ++i) n = (n << 8) | Byte();
        return n;
    }
    // A text of up to `longest` characters. Most come from a small alphabet that the
    // rules under test care about; a marked byte brings in any UTF-16 unit instead.
    std::wstring Text(std::size_t longest);
    // What is left, as bytes.
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_ + at_), size_ - at_);
        at_ = size_;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

} // namespace fuzz
