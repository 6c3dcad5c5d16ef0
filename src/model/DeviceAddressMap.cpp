#include "DeviceAddressMap.h"

namespace {
constexpr int HalfSize = MemorySize / 2;
constexpr int LowerHalfImageSize = HalfSize - BlockSize; // image offsets 0..4063
} // namespace

std::optional<int> ImageOffset(int address) {
    if (address >= ImageBase && address < HalfSize) return address - ImageBase;
    if (address >= HalfSize + BlockSize && address < MemorySize) return address - 2 * BlockSize;
    return std::nullopt;
}

std::optional<int> DeviceAddressOf(int imageOffset) {
    if (imageOffset < 0 || imageOffset >= ImageSize) return std::nullopt;
    if (imageOffset < LowerHalfImageSize) return imageOffset + ImageBase;
    return imageOffset + 2 * BlockSize;
}

std::optional<ImageSpan> SectionSpan(int address, int count) {
    const std::optional<int> first = ImageOffset(address);
    if (!first || count < 0) return std::nullopt;
    if (count > 0) {
        // Both ends in the image and in the same half: the bytes between are contiguous.
        const std::optional<int> last = ImageOffset(address + count - 1);
        if (!last || *last != *first + count - 1) return std::nullopt;
    }
    return ImageSpan{*first, count};
}
