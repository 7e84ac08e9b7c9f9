// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/cp932.h"

#include <iconv.h>

#include <array>
#include <cerrno>

namespace plumet::cp932 {

namespace {

constexpr std::int16_t kQuestionMark = '?';

// One conversion descriptor per direction, opened on first use and kept for the thread.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts all of `in` and returns the number of bytes written, or -1.
    int convert(const char* in, std::size_t inSize, char* out, std::size_t outSize) {
        if (!valid()) return -1;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);  // back to the initial state
        char* inPtr = const_cast<char*>(in);
        char* outPtr = out;
        std::size_t inLeft = inSize;
        std::size_t outLeft = outSize;
        if (iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            return -1;
        }
        if (iconv(cd_, nullptr, nullptr, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) {
            return -1;
        }
        return inLeft == 0 ? static_cast<int>(outPtr - out) : -1;
    }

  private:
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

}  // namespace

std::int16_t encode(char32_t character) {
    if (character == 0 || character > 0x10FFFF) return kQuestionMark;
    thread_local Converter converter("CP932", "UTF-32LE");
    const std::array<char, 4> in{static_cast<char>(character & 0xFF),
                                 static_cast<char>((character >> 8) & 0xFF),
                                 static_cast<char>((character >> 16) & 0xFF), 0};
    std::array<char, 8> out{};
    const int written = converter.convert(in.data(), in.size(), out.data(), out.size());
    const auto byte = [&](int i) { return static_cast<unsigned char>(out[i]); };
    if (written == 1 && byte(0) != 0) return static_cast<std::int16_t>(byte(0));
    if (written == 2 && byte(0) >= 0x80) {
        return static_cast<std::int16_t>(byte(0) * 256 + byte(1) - 65536);
    }
    return kQuestionMark;
}

std::optional<char32_t> decode(int code) {
    std::array<char, 2> in{};
    std::size_t size = 0;
    if (code >= 1 && code <= 255) {
        in[size++] = static_cast<char>(code);
    } else if (code >= -32768 && code <= -1) {
        const int value = code + 65536;
        in[size++] = static_cast<char>(value >> 8);
        in[size++] = static_cast<char>(value & 0xFF);
    } else {
        return std::nullopt;
    }
    thread_local Converter converter("UTF-32LE", "CP932");
    std::array<unsigned char, 16> out{};
    const int written =
        converter.convert(in.data(), size, reinterpret_cast<char*>(out.data()), out.size());
    if (written != 4) return std::nullopt;  // no character, or more than one
    const char32_t character = out[0] | (out[1] << 8) | (out[2] << 16) | (char32_t{out[3]} << 24);
    if (character == 0) return std::nullopt;
    return character;
}

}  // namespace plumet::cp932
