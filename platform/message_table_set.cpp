#include "message_table_set.h"

#include "message_language.h"
#include "pe_image.h"
#include "pe_resources.h"

#include <fstream>

namespace {

constexpr std::uint16_t kMessageTableType = 11; // RT_MESSAGETABLE
constexpr std::uint16_t kMessageTableName = 1;
// Far beyond any real DLL; a larger file is not read into memory.
constexpr std::uint64_t kLargestFile = std::uint64_t(1) << 28;

} // namespace

MessageTableSet MessageTableSet::FromImage(std::span<const std::uint8_t> file)
{
    const ByteView bytes(file);
    const auto image = PeImage::Parse(bytes);
    if (!image)
        return {};
    const auto languages = FindResourceLanguages(*image, kMessageTableType, kMessageTableName);
    if (!languages)
        return {};

    // Languages whose data overlap could make a small file cost a great deal
    // of reading; a sound DLL never needs more than its own size in total.
    std::uint64_t budget = bytes.Size();
    MessageTableSet set;
    for (const ResourceLanguageData& language : *languages) {
        if (language.data.Size() > budget)
            return {};
        budget -= language.data.Size();
        auto table = MessageTable::Parse(language.data);
        if (!table)
            return {};
        set.tables_.emplace_back(language.language, std::move(*table));
    }
    return set;
}

MessageTableSet MessageTableSet::FromFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    const std::streamoff size = in.tellg();
    if (size <= 0 || static_cast<std::uint64_t>(size) > kLargestFile)
        return {};
    std::vector<std::uint8_t> file(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(file.data()), size))
        return {};
    return FromImage(file);
}

std::vector<std::uint16_t> MessageTableSet::Languages() const
{
    std::vector<std::uint16_t> languages;
    for (const auto& [language, table] : tables_)
        languages.push_back(language);
    return languages;
}

const MessageTable* MessageTableSet::ForLanguage(std::uint16_t language) const
{
    for (const auto& [id, table] : tables_) {
        if (id == language)
            return &table;
    }
    return nullptr;
}

const MessageTable* MessageTableSet::ForUser(std::uint16_t userLanguage) const
{
    for (const std::uint16_t language : LanguageFallbacks(userLanguage)) {
        if (const MessageTable* table = ForLanguage(language))
            return table;
    }
    return tables_.empty() ? nullptr : &tables_.front().second;
}
