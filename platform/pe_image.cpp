#include "pe_image.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kDosMagic = 0x5A4D;        // "MZ"
constexpr std::uint32_t kPeSignature = 0x00004550; // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kNewHeaderOffsetField = 0x3C;
constexpr std::uint32_t kCoffHeaderSize = 20;
constexpr std::uint32_t kSectionHeaderSize = 40;
constexpr std::uint32_t kDataDirectorySize = 8;
constexpr std::uint32_t kResourceDirectoryIndex = 2;

// Where the data directories start inside the optional header.
std::optional<std::uint32_t> DataDirectoriesOffset(std::uint16_t magic)
{
    if (magic == kPe32Magic)
        return 96;
    if (magic == kPe32PlusMagic)
        return 112;
    return std::nullopt;
}

} // namespace

std::optional<PeImage> PeImage::Parse(ByteView file)
{
    if (file.U16(0) != kDosMagic)
        return std::nullopt;
    const auto peOffset = file.U32(kNewHeaderOffsetField);
    if (!peOffset || file.U32(*peOffset) != kPeSignature)
        return std::nullopt;

    const std::uint64_t coff = std::uint64_t(*peOffset) + 4;
    const auto sectionCount = file.U16(coff + 2);
    const auto optionalSize = file.U16(coff + 16);
    const std::uint64_t optional = coff + kCoffHeaderSize;
    const auto magic = file.U16(optional);
    if (!sectionCount || !optionalSize || !magic || !file.Contains(optional, *optionalSize))
        return std::nullopt;
    const auto directories = DataDirectoriesOffset(*magic);
    if (!directories)
        return std::nullopt;

    // The resource entry counts only if both the declared directory count and
    // the declared optional-header size reach it.
    const std::uint32_t resourceEntry = *directories + kResourceDirectoryIndex * kDataDirectorySize;
    const auto directoryCount = file.U32(optional + *directories - 4);
    if (!directoryCount || resourceEntry + kDataDirectorySize > *optionalSize)
        return std::nullopt;

    PeImage image;
    image.file_ = file;
    if (*directoryCount > kResourceDirectoryIndex) {
        image.resourceRva_ = *file.U32(optional + resourceEntry);
        image.resourceSize_ = *file.U32(optional + resourceEntry + 4);
    }

    const std::uint64_t table = optional + *optionalSize;
    if (!file.Contains(table, std::uint64_t(*sectionCount) * kSectionHeaderSize))
        return std::nullopt;
    image.sections_.reserve(*sectionCount);
    for (std::uint32_t i = 0; i < *sectionCount; ++i) {
        const std::uint64_t header = table + std::uint64_t(i) * kSectionHeaderSize;
        image.sections_.push_back(
            Section{*file.U32(header + 12), *file.U32(header + 8), *file.U32(header + 16), *file.U32(header + 20)});
    }
    return image;
}

std::optional<ByteView> PeImage::Map(std::uint32_t rva, std::uint32_t length) const
{
    for (const Section& section : sections_) {
        // Memory past the file data is zero-filled by the loader and memory
        // past the virtual size is not part of the section; neither can hold
        // data read from the file.
        const std::uint32_t virtualSize = section.virtualSize != 0 ? section.virtualSize : section.rawSize;
        const std::uint64_t backed = std::min(section.rawSize, virtualSize);
        if (rva < section.virtualAddress)
            continue;
        const std::uint64_t start = std::uint64_t(rva) - section.virtualAddress;
        if (start > backed || length > backed - start)
            continue;
        return file_.Slice(std::uint64_t(section.rawOffset) + start, length);
    }
    return std::nullopt;
}

std::optional<ByteView> PeImage::ResourceDirectory() const
{
    if (resourceRva_ == 0 || resourceSize_ == 0)
        return ByteView();
    return Map(resourceRva_, resourceSize_);
}
