// One system message straight from a DLL's bytes, for a program that looks
// up one message and ends: the same text the tables of
// MessageTableSet::FromImage give through ForUser, without building every
// language's table.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

struct ImageMessage {
    // False when MessageTableSet::FromImage would give an empty set: no
    // message table, or damage in any language's table.
    bool HasTables = false;
    // The user's language's text (with the same fallbacks) for the
    // identifier; an HRESULT 0x8007xxxx without a text of its own reads as
    // the Win32 code xxxx.
    std::optional<std::u16string> Text;
};

ImageMessage FindMessageInImage(std::span<const std::uint8_t> file, std::uint16_t userLanguage, std::uint32_t id);
