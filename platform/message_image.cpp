#include "message_image.h"

#include "message_from_tables.h"
#include "message_language.h"
#include "pe_image.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kMessageTableType = 11; // RT_MESSAGETABLE
constexpr std::uint16_t kMessageTableName = 1;

} // namespace

std::optional<MessageImage> MessageImage::Open(std::span<const std::uint8_t> file)
{
    const ByteView bytes(file);
    const auto image = PeImage::Parse(bytes);
    if (!image)
        return std::nullopt;
    auto languages = FindResourceLanguages(*image, kMessageTableType, kMessageTableName);
    if (!languages || languages->empty())
        return std::nullopt;

    // Every table is checked as FromImage checks it, within the same budget.
    std::uint64_t budget = bytes.Size();
    std::optional<std::u16string> unused;
    for (const ResourceLanguageData& language : *languages) {
        if (language.data.Size() > budget)
            return std::nullopt;
        budget -= language.data.Size();
        if (!MessageTable::FindIn(language.data, 0, unused))
            return std::nullopt;
    }
    return MessageImage(std::move(*languages));
}

MessageImage::MessageImage(std::vector<ResourceLanguageData> languages_)
    : languages(std::move(languages_)), tables(languages.size()), walks(languages.size(), 0)
{
}

MessageImage::MessageImage(MessageImage&& other) noexcept
    : languages(std::move(other.languages)), tables(std::move(other.tables)), walks(std::move(other.walks))
{
}

std::optional<std::u16string> MessageImage::Find(std::uint16_t userLanguage, std::uint32_t id, HResultFolding folding)
{
    std::size_t chosen = 0;
    for (const std::uint16_t wanted : LanguageFallbacks(userLanguage)) {
        const auto it = std::find_if(languages.begin(), languages.end(),
                                     [&](const ResourceLanguageData& l) { return l.language == wanted; });
        if (it != languages.end()) {
            chosen = static_cast<std::size_t>(it - languages.begin());
            break;
        }
    }
    return FindInTable(chosen, id, folding);
}

std::optional<std::u16string> MessageImage::FindInLanguage(std::uint16_t language, std::uint32_t id,
                                                           HResultFolding folding)
{
    auto it = std::find_if(languages.begin(), languages.end(),
                           [&](const ResourceLanguageData& l) { return l.language == language; });
    if (it == languages.end())
        it = std::find_if(languages.begin(), languages.end(), [&](const ResourceLanguageData& l) {
            return PrimaryLanguage(l.language) == PrimaryLanguage(language);
        });
    if (it == languages.end())
        return std::nullopt;
    return FindInTable(static_cast<std::size_t>(it - languages.begin()), id, folding);
}

std::optional<std::u16string> MessageImage::FindInTable(std::size_t chosen, std::uint32_t id, HResultFolding folding)
{
    const std::lock_guard<std::mutex> lock(indexing);
    // The first few lookups in a language walk its entries for the one text
    // each needs; decoding them all into an index pays off only over many,
    // and a one-shot lookup (a value's few readings) never asks for as many.
    constexpr std::uint8_t kWalksBeforeIndex = 8;
    if (!tables[chosen] && walks[chosen] < kWalksBeforeIndex) {
        ++walks[chosen];
        std::optional<std::u16string> text;
        MessageTable::FindIn(languages[chosen].data, id, text);
        if (!text && folding == HResultFolding::Win32Codes && IsWin32HResult(id))
            MessageTable::FindIn(languages[chosen].data, Win32CodeOf(id), text);
        return text;
    }
    if (!tables[chosen])
        tables[chosen] = MessageTable::Parse(languages[chosen].data);
    // Open checked the data as Parse does.
    const std::u16string* text = nullptr;
    if (tables[chosen])
        text = folding == HResultFolding::Win32Codes ? FindWithWin32Fallback(*tables[chosen], id)
                                                     : tables[chosen]->Find(id);
    return text ? std::optional(*text) : std::nullopt;
}
