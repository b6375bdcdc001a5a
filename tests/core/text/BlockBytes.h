// Builds the bytes of a "TSSF" block by hand, so tests can feed the reader
// blocks that no writer of this program would produce.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct BlockEntry {
    std::int32_t length;
    std::int32_t size;
    std::uint32_t index;
    std::string text; // stored as given: include the zero byte yourself
};

inline void AppendDword(std::string& bytes, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<char>(value >> (8 * i)));
}

inline std::string BlockHeader(std::uint32_t count, std::uint32_t payload = 0, std::uint16_t version = 1,
                               char ascending = 0, char descending = 0)
{
    std::string bytes = "TSSF";
    bytes.push_back(static_cast<char>(version));
    bytes.push_back(static_cast<char>(version >> 8));
    bytes.push_back(ascending);
    bytes.push_back(descending);
    AppendDword(bytes, count);
    AppendDword(bytes, payload);
    return bytes;
}

inline std::string BlockBody(const std::vector<BlockEntry>& entries)
{
    std::string table;
    std::string texts;
    for (const BlockEntry& entry : entries) {
        AppendDword(table, 0);
        AppendDword(table, static_cast<std::uint32_t>(entry.length));
        AppendDword(table, static_cast<std::uint32_t>(entry.size));
        AppendDword(table, entry.index);
        texts += entry.text;
    }
    return table + texts;
}

// A well-formed block of the given texts, in order.
inline std::string SoundBlock(const std::vector<std::string>& texts, char ascending = 0, char descending = 0)
{
    std::vector<BlockEntry> entries;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const auto length = static_cast<std::int32_t>(texts[i].size());
        entries.push_back({length, length + 1, static_cast<std::uint32_t>(i), texts[i] + std::string(1, '\0')});
    }
    const std::string body = BlockBody(entries);
    return BlockHeader(static_cast<std::uint32_t>(texts.size()), static_cast<std::uint32_t>(body.size()), 1, ascending,
                       descending)
           + body;
}
