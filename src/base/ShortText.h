#pragma once

// Short texts of numbers and ASCII separators, put together in a buffer on the stack and
// made a QString once. Joining QStrings allocates for every piece and every join, and the
// journals make a few thousand such texts for one set of tables.

#include "Errors.h"

#include <QLatin1String>
#include <QString>
#include <charconv>
#include <cstdint>
#include <cstring>

class TShortText {
public:
    // n in decimal, with leading zeros up to minDigits digits.
    TShortText& number(std::uint64_t n, int minDigits = 1) { return digits(n, minDigits, 10); }
    // n in upper-case hexadecimal, with leading zeros up to minDigits digits.
    TShortText& hex(std::uint64_t n, int minDigits = 1) { return digits(n, minDigits, 16); }
    TShortText& add(char c) {
        reserve(1);
        buf_[len_++] = c;
        return *this;
    }
    TShortText& add(const char* s) {
        const std::size_t n = std::strlen(s);
        reserve(n);
        std::memcpy(buf_ + len_, s, n);
        len_ += n;
        return *this;
    }

    QLatin1String view() const { return QLatin1String(buf_, qsizetype(len_)); }
    QString text() const { return view(); }

private:
    static constexpr std::size_t Capacity = 64;

    // Texts here are a few numbers long; a longer one is a programming error.
    void reserve(std::size_t n) const {
        if (n > Capacity - len_) throw ERangeError();
    }
    TShortText& digits(std::uint64_t n, int minDigits, int base) {
        char d[64];
        const auto r = std::to_chars(d, d + sizeof d, n, base);
        const std::size_t count = std::size_t(r.ptr - d);
        const std::size_t zeros = minDigits > int(count) ? std::size_t(minDigits) - count : 0;
        reserve(zeros + count);
        std::memset(buf_ + len_, '0', zeros);
        len_ += zeros;
        std::memcpy(buf_ + len_, d, count);
        if (base > 10)
            for (std::size_t i = len_; i < len_ + count; ++i)
                if (buf_[i] >= 'a') buf_[i] = char(buf_[i] - 'a' + 'A');
        len_ += count;
        return *this;
    }

    char buf_[Capacity];
    std::size_t len_ = 0;
};
