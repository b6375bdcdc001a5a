// One language's message table: the data of an RT_MESSAGETABLE resource
// (MESSAGE_RESOURCE_DATA), read into message texts by identifier.
#pragma once

#include "pe_bytes.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

// An HRESULT 0x8007xxxx (HRESULT_FROM_WIN32) that a lookup without a text of
// its own for it reads as the Win32 code xxxx, as the system's lookup does.
constexpr bool IsWin32HResult(std::uint32_t id)
{
    return (id & 0xFFFF0000u) == 0x80070000u;
}
constexpr std::uint32_t Win32CodeOf(std::uint32_t hresult)
{
    return hresult & 0xFFFFu;
}

class MessageTable {
public:
    // Nothing when the data is damaged: a block or entry reaching outside it,
    // an entry too short to hold its own header, an unknown text encoding, or
    // entries that together claim more bytes than the data holds (which only
    // overlapping blocks can do, and which would let a small file cost a
    // great deal of work).
    static std::optional<MessageTable> Parse(ByteView resource);
    // One message straight from the data, without building the table: false
    // when Parse would find the data damaged; else text is the message Find
    // would give, or nothing.
    static bool FindIn(ByteView resource, std::uint32_t id, std::optional<std::u16string>& text);

    // The stored text up to its first zero, as Unicode; ANSI entries are
    // widened from Windows-1252. Null when the table has no such message.
    const std::u16string* Find(std::uint32_t id) const;

    std::size_t Size() const { return texts_.size(); }

private:
    std::unordered_map<std::uint32_t, std::u16string> texts_;
};
