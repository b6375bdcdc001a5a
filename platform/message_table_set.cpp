#include "message_table_set.h"

#include "message_language.h"
#include "pe_image.h"
#include "pe_resources.h"

#include "win32.h"

namespace {

constexpr std::uint16_t kMessageTableType = 11; // RT_MESSAGETABLE
constexpr std::uint16_t kMessageTableName = 1;

// The file layer opens regular files only and never waits, so a FIFO or a
// device at the path can neither make the program wait for a writer nor
// feed it without end.
std::optional<std::vector<std::uint8_t>> ReadRegularFile(const std::string& path)
{
    // Read on the first message lookup, which must not disturb the caller's
    // last error (the program may be about to show it).
    struct KeepLastError {
        DWORD saved = GetLastError();
        ~KeepLastError() { SetLastError(saved); }
    } keep;
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    DWORD sizeHigh = 0;
    const DWORD size = GetFileSize(handle, &sizeHigh);
    bool whole = size != INVALID_FILE_SIZE && sizeHigh == 0 && size > 0 && size <= kLargestMessageDll;
    std::vector<std::uint8_t> file(whole ? size : 0);
    for (std::size_t done = 0; whole && done < file.size();) {
        DWORD got = 0;
        whole = ReadFile(handle, file.data() + done, static_cast<DWORD>(file.size() - done), &got, nullptr) && got > 0;
        done += got;
    }
    CloseHandle(handle);
    return whole ? std::optional(std::move(file)) : std::nullopt;
}

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
    const auto file = ReadRegularFile(path);
    return file ? FromImage(*file) : MessageTableSet();
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
