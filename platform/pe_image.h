// The headers of a PE image (PE32 or PE32+), read only as far as finding its
// resources needs. The file is not trusted: a damaged header gives no image.
#pragma once

#include "pe_bytes.h"

#include <cstdint>
#include <optional>
#include <vector>

class PeImage {
public:
    // The bytes must outlive the image: it keeps views into them.
    static std::optional<PeImage> Parse(ByteView file);

    // The file bytes that the loaded image would hold at [rva, rva + length),
    // or nothing unless one section's file data backs the whole range.
    std::optional<ByteView> Map(std::uint32_t rva, std::uint32_t length) const;

    // The resource directory's bytes; an empty view when the image has none,
    // nothing when the directory lies outside the file.
    std::optional<ByteView> ResourceDirectory() const;

    std::uint32_t ResourceDirectoryRva() const { return resourceRva_; }

private:
    struct Section {
        std::uint32_t virtualAddress;
        std::uint32_t virtualSize;
        std::uint32_t rawSize;
        std::uint32_t rawOffset;
    };

    ByteView file_;
    std::vector<Section> sections_;
    std::uint32_t resourceRva_ = 0;
    std::uint32_t resourceSize_ = 0;
};
