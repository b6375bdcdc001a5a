#include "message_table.h"

#include "codepage.h"

namespace {

constexpr std::uint32_t kBlockSize = 12;
constexpr std::uint32_t kEntryHeaderSize = 4;
constexpr std::uint16_t kAnsiEntry = 0;
constexpr std::uint16_t kUnicodeEntry = 1;

std::u16string DecodeUnicode(ByteView text)
{
    std::u16string out;
    for (std::uint64_t at = 0; at + 2 <= text.Size(); at += 2) {
        const char16_t unit = *text.U16(at);
        if (unit == 0)
            break;
        out += unit;
    }
    return out;
}

std::u16string DecodeAnsi(ByteView text)
{
    std::u16string out;
    for (const std::uint8_t byte : text.Bytes()) {
        if (byte == 0)
            break;
        out += static_cast<char16_t>(Ansi1252ToUnicode(byte));
    }
    return out;
}

// Visits each entry of the resource in block order as visit(id, flags, text);
// false when the data is damaged (see Parse).
template <class Visit> bool WalkEntries(ByteView resource, const Visit& visit)
{
    const auto blockCount = resource.U32(0);
    if (!blockCount || !resource.Contains(4, std::uint64_t(*blockCount) * kBlockSize))
        return false;

    std::uint64_t budget = resource.Size();
    for (std::uint32_t block = 0; block < *blockCount; ++block) {
        const std::uint64_t header = 4 + std::uint64_t(block) * kBlockSize;
        const std::uint32_t lowId = *resource.U32(header);
        const std::uint32_t highId = *resource.U32(header + 4);
        std::uint64_t at = *resource.U32(header + 8);
        if (lowId > highId)
            return false;
        for (std::uint64_t id = lowId; id <= highId; ++id) {
            const auto length = resource.U16(at);
            const auto flags = resource.U16(at + 2);
            if (!length || !flags || *length < kEntryHeaderSize || *length > budget)
                return false;
            const auto text = resource.Slice(at + kEntryHeaderSize, *length - kEntryHeaderSize);
            if (!text || (*flags != kAnsiEntry && *flags != kUnicodeEntry))
                return false;
            budget -= *length;
            visit(static_cast<std::uint32_t>(id), *flags, *text);
            at += *length;
        }
    }
    return true;
}

std::u16string Decode(std::uint16_t flags, ByteView text)
{
    return flags == kUnicodeEntry ? DecodeUnicode(text) : DecodeAnsi(text);
}

} // namespace

std::optional<MessageTable> MessageTable::Parse(ByteView resource)
{
    MessageTable table;
    // The first block that holds an identifier wins, as the system's own
    // search through the blocks in order would find it first.
    const bool sound = WalkEntries(resource, [&](std::uint32_t id, std::uint16_t flags, ByteView text) {
        if (!table.texts_.contains(id))
            table.texts_.emplace(id, Decode(flags, text));
    });
    if (!sound)
        return std::nullopt;
    return table;
}

bool MessageTable::FindIn(ByteView resource, std::uint32_t id, std::optional<std::u16string>& text)
{
    text.reset();
    std::optional<std::pair<std::uint16_t, ByteView>> found;
    const bool sound = WalkEntries(resource, [&](std::uint32_t entry, std::uint16_t flags, ByteView entryText) {
        if (entry == id && !found)
            found.emplace(flags, entryText);
    });
    if (sound && found)
        text = Decode(found->first, found->second);
    return sound;
}

const std::u16string* MessageTable::Find(std::uint32_t id) const
{
    const auto it = texts_.find(id);
    return it == texts_.end() ? nullptr : &it->second;
}
