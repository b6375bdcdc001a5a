// The message tables of a DLL's bytes, checked once and indexed one language
// at a time as lookups ask for it: a program that looks up many messages
// reads the file once, and one that looks up a single message builds one
// language's table, not all of them.
#pragma once

#include "message_table.h"
#include "pe_resources.h"

#include <cstdint>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Whether a lookup reads an HRESULT 0x8007xxxx without a text of its own as
// the Win32 code xxxx. FormatMessage does so only for the system's table; a
// module's table is read for the identifier as it is.
enum class HResultFolding { Win32Codes, None };

class MessageImage {
public:
    // Nothing where MessageTableSet::FromImage would give an empty set: no
    // message table, or damage in any language's table. The bytes must
    // outlive the image.
    static std::optional<MessageImage> Open(std::span<const std::uint8_t> file);

    MessageImage(MessageImage&& other) noexcept;
    MessageImage& operator=(MessageImage&&) = delete;
    MessageImage(const MessageImage&) = delete;
    MessageImage& operator=(const MessageImage&) = delete;

    // The user's language's text (with the fallbacks of MessageTableSet's
    // ForUser) for the identifier, folded as asked. Safe from any thread.
    std::optional<std::u16string> Find(std::uint16_t userLanguage, std::uint32_t id,
                                       HResultFolding folding = HResultFolding::Win32Codes);
    // The text of one language alone, for showing several side by side: the
    // table of exactly that language, else the first of the same primary
    // language (a table in de-DE answers for de-AT). Nothing when neither
    // holds the identifier; no other language stands in.
    std::optional<std::u16string> FindInLanguage(std::uint16_t language, std::uint32_t id,
                                                 HResultFolding folding = HResultFolding::Win32Codes);

private:
    explicit MessageImage(std::vector<ResourceLanguageData> languages);
    std::optional<std::u16string> FindInTable(std::size_t chosen, std::uint32_t id, HResultFolding folding);

    std::vector<ResourceLanguageData> languages;
    std::mutex indexing;
    std::vector<std::optional<MessageTable>> tables; // beside languages, built after a few lookups
    std::vector<std::uint8_t> walks;                 // beside languages: lookups without the index
};
