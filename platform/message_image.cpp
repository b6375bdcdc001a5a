#include "message_image_lookup.h"

#include "message_language.h"
#include "message_table.h"
#include "pe_image.h"
#include "pe_resources.h"

#include <algorithm>

namespace {

constexpr std::uint16_t kMessageTableType = 11; // RT_MESSAGETABLE
constexpr std::uint16_t kMessageTableName = 1;
constexpr std::uint32_t kWin32HResultMask = 0xFFFF0000u;
constexpr std::uint32_t kWin32HResult = 0x80070000u;

} // namespace

ImageMessage FindMessageInImage(std::span<const std::uint8_t> file, std::uint16_t userLanguage, std::uint32_t id)
{
    const ByteView bytes(file);
    const auto image = PeImage::Parse(bytes);
    if (!image)
        return {};
    const auto languages = FindResourceLanguages(*image, kMessageTableType, kMessageTableName);
    if (!languages || languages->empty())
        return {};

    // Every table is checked as FromImage checks it, within the same budget.
    std::uint64_t budget = bytes.Size();
    std::optional<std::u16string> unused;
    for (const ResourceLanguageData& language : *languages) {
        if (language.data.Size() > budget)
            return {};
        budget -= language.data.Size();
        if (!MessageTable::FindIn(language.data, 0, unused))
            return {};
    }

    const ResourceLanguageData* chosen = &languages->front();
    for (const std::uint16_t wanted : LanguageFallbacks(userLanguage)) {
        const auto it = std::find_if(languages->begin(), languages->end(),
                                     [&](const ResourceLanguageData& l) { return l.language == wanted; });
        if (it != languages->end()) {
            chosen = &*it;
            break;
        }
    }
    ImageMessage found{true, {}};
    MessageTable::FindIn(chosen->data, id, found.Text);
    if (!found.Text && (id & kWin32HResultMask) == kWin32HResult)
        MessageTable::FindIn(chosen->data, id & ~kWin32HResultMask, found.Text);
    return found;
}
