// Every language of the message table (RT_MESSAGETABLE, name 1) of a DLL.
// Immutable once built, so one set can serve every thread.
#pragma once

#include "message_table.h"

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

// Far beyond any real DLL; a larger file is not read into memory.
inline constexpr std::uint64_t kLargestMessageDll = std::uint64_t(1) << 28;

class MessageTableSet {
public:
    // An empty set: every lookup misses.
    MessageTableSet() = default;

    // A damaged image, or damage in any language's table, gives an empty set
    // rather than a partial one.
    static MessageTableSet FromImage(std::span<const std::uint8_t> file);
    // An unreadable file gives an empty set.
    static MessageTableSet FromFile(const std::string& path);

    bool Empty() const { return tables_.empty(); }
    // In the order of the DLL's resource directory.
    std::vector<std::uint16_t> Languages() const;

    const MessageTable* ForLanguage(std::uint16_t language) const;
    // The first table present among LanguageFallbacks(userLanguage), else the
    // first table of the DLL; null only for an empty set.
    const MessageTable* ForUser(std::uint16_t userLanguage) const;

private:
    std::vector<std::pair<std::uint16_t, MessageTable>> tables_;
};
