#pragma once

// The checksum byte of every frame on the link, in both directions: it makes the byte sum
// of the whole frame (length byte and checksum included) 0 modulo 256. Shared by the link
// and the simulated trip computer so that both sides agree by construction.

#include <cstddef>
#include <cstdint>
#include <span>

// Sum of the bytes modulo 256.
inline std::uint8_t FrameByteSum(std::span<const std::uint8_t> bytes) {
    unsigned sum = 0;
    for (std::uint8_t b : bytes)
        sum += b;
    return static_cast<std::uint8_t>(sum & 0xFF);
}

// The byte that, appended to the given bytes, brings their sum to 0 modulo 256.
inline std::uint8_t FrameChecksum(std::span<const std::uint8_t> bytesBeforeChecksum) {
    return static_cast<std::uint8_t>((256 - FrameByteSum(bytesBeforeChecksum)) & 0xFF);
}

// True when a complete frame (checksum included) sums to 0 modulo 256.
inline bool FrameSumIsValid(std::span<const std::uint8_t> frame) {
    return FrameByteSum(frame) == 0;
}
