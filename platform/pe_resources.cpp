#include "pe_resources.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kDirectoryHeaderSize = 16;
constexpr std::uint32_t kDirectoryEntrySize = 8;
constexpr std::uint32_t kDataEntrySize = 16;
// In an entry's name: the name is a string, not a number. In its target:
// the target is a further directory, not a data entry.
constexpr std::uint32_t kHighBit = 0x80000000u;

struct DirectoryEntry {
    std::uint32_t name;
    std::uint32_t target;
};

std::optional<std::vector<DirectoryEntry>> ReadDirectory(ByteView resources, std::uint32_t offset)
{
    const auto named = resources.U16(std::uint64_t(offset) + 12);
    const auto numbered = resources.U16(std::uint64_t(offset) + 14);
    if (!named || !numbered)
        return std::nullopt;
    const std::uint64_t first = std::uint64_t(offset) + kDirectoryHeaderSize;
    const std::uint64_t count = std::uint64_t(*named) + *numbered;
    if (!resources.Contains(first, count * kDirectoryEntrySize))
        return std::nullopt;
    std::vector<DirectoryEntry> entries;
    entries.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) {
        const std::uint64_t at = first + i * kDirectoryEntrySize;
        entries.push_back(DirectoryEntry{*resources.U32(at), *resources.U32(at + 4)});
    }
    return entries;
}

// The offset of the directory under the numbered entry id: 0 when there is
// no such entry, nothing when the directory is damaged. A subdirectory at
// offset 0 would be the root again, so that too counts as damage; with the
// walk fixed at three levels no loop in the tree can trap the reader.
std::optional<std::uint32_t> Subdirectory(ByteView resources, std::uint32_t offset, std::uint16_t id)
{
    const auto entries = ReadDirectory(resources, offset);
    if (!entries)
        return std::nullopt;
    const auto match =
        std::find_if(entries->begin(), entries->end(), [id](const DirectoryEntry& e) { return e.name == id; });
    if (match == entries->end())
        return 0u;
    if ((match->target & kHighBit) == 0)
        return std::nullopt;
    const std::uint32_t sub = match->target & ~kHighBit;
    if (sub == 0)
        return std::nullopt;
    return sub;
}

} // namespace

std::optional<std::vector<ResourceLanguageData>> FindResourceLanguages(const PeImage& image, std::uint16_t type,
                                                                       std::uint16_t name)
{
    const auto resources = image.ResourceDirectory();
    if (!resources)
        return std::nullopt;
    std::vector<ResourceLanguageData> found;
    if (resources->Size() == 0)
        return found;

    const auto types = Subdirectory(*resources, 0, type);
    if (!types || *types == 0)
        return types ? std::optional(found) : std::nullopt;
    const auto names = Subdirectory(*resources, *types, name);
    if (!names || *names == 0)
        return names ? std::optional(found) : std::nullopt;

    const auto languages = ReadDirectory(*resources, *names);
    if (!languages)
        return std::nullopt;
    std::vector<bool> seen(0x10000, false);
    for (const DirectoryEntry& entry : *languages) {
        if (entry.name > 0xFFFF)
            continue;
        if ((entry.target & kHighBit) != 0)
            return std::nullopt;
        const auto dataEntry = resources->Slice(entry.target, kDataEntrySize);
        if (!dataEntry)
            return std::nullopt;
        const auto data = image.Map(*dataEntry->U32(0), *dataEntry->U32(4));
        if (!data)
            return std::nullopt;
        if (!seen[entry.name]) {
            seen[entry.name] = true;
            found.push_back(ResourceLanguageData{static_cast<std::uint16_t>(entry.name), *data});
        }
    }
    return found;
}
