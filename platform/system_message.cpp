#include "system_message.h"

#include "mapped_file.h"
#include "memory.h"
#include "message_image_lookup.h"
#include "message_format.h"
#include "message_language.h"
#include "message_system_tables.h"
#include "message_table_set.h"
#include "win32_errors.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kLanguageNeutral = 0x000;
constexpr DWORD kSystemDefaultLanguage = 0x800;
constexpr DWORD kUnsupportedFlags =
    FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_MAX_WIDTH_MASK;
constexpr DWORD kWin32HResultMask = 0xFFFF0000u;
constexpr DWORD kWin32HResult = 0x80070000u; // HRESULT_FROM_WIN32
// Far beyond any real DLL, as MessageTableSet::FromFile bounds it.
constexpr std::uint64_t kLargestDll = std::uint64_t(1) << 28;

DWORD Fail(DWORD error)
{
    SetLastError(error);
    return 0;
}

const MessageTable* TableForLanguage(const MessageTableSet& tables, DWORD languageId)
{
    if (languageId == kLanguageNeutral || languageId == LANG_USER_DEFAULT || languageId == kSystemDefaultLanguage)
        return tables.ForUser(UserLanguageFromEnvironment());
    if (languageId > 0xFFFF)
        return nullptr;
    return tables.ForLanguage(static_cast<std::uint16_t>(languageId));
}

const std::u16string* FindMessage(const MessageTable& table, DWORD messageId)
{
    if (const std::u16string* text = table.Find(messageId))
        return text;
    if ((messageId & kWin32HResultMask) == kWin32HResult)
        return table.Find(messageId & ~kWin32HResultMask);
    return nullptr;
}

} // namespace

DWORD FormatMessageFromTables(const MessageTableSet& tables, DWORD flags, DWORD messageId, DWORD languageId,
                              LPSTR buffer, DWORD size)
{
    const bool allocate = (flags & FORMAT_MESSAGE_ALLOCATE_BUFFER) != 0;
    if (allocate && buffer != nullptr)
        *reinterpret_cast<LPSTR*>(buffer) = nullptr;
    if ((flags & FORMAT_MESSAGE_FROM_SYSTEM) == 0 || (flags & kUnsupportedFlags) != 0 || buffer == nullptr)
        return Fail(ERROR_INVALID_PARAMETER);

    if (tables.Empty())
        return Fail(ERROR_MR_MID_NOT_FOUND);
    const MessageTable* table = TableForLanguage(tables, languageId);
    if (table == nullptr)
        return Fail(ERROR_RESOURCE_LANG_NOT_FOUND);
    const std::u16string* message = FindMessage(*table, messageId);
    if (message == nullptr)
        return Fail(ERROR_MR_MID_NOT_FOUND);

    const FormattedMessage formatted = FormatMessageText(*message, (flags & FORMAT_MESSAGE_IGNORE_INSERTS) != 0);
    if (formatted.error != 0)
        return Fail(formatted.error);
    if (formatted.text.empty())
        return Fail(ERROR_NO_WORK_DONE);

    const std::size_t needed = formatted.text.size() + 1;
    char* target = buffer;
    if (allocate) {
        // size is the least the caller wants allocated.
        target = static_cast<char*>(LocalAlloc(LMEM_FIXED, std::max<SIZE_T>(needed, size)));
        if (target == nullptr)
            return 0; // LocalAlloc has set the error
        *reinterpret_cast<LPSTR*>(buffer) = target;
    } else if (needed > size) {
        return Fail(ERROR_INSUFFICIENT_BUFFER);
    }
    std::memcpy(target, formatted.text.c_str(), needed);
    return static_cast<DWORD>(formatted.text.size());
}

// The source names a string or a module, neither of which is provided; the
// arguments are never read (see the header).
DWORD FormatMessageA(DWORD flags, LPCVOID /*source*/, DWORD messageId, DWORD languageId, LPSTR buffer, DWORD size,
                     void* /*arguments*/)
{
    return FormatMessageFromTables(SystemMessageTables(), flags, messageId, languageId, buffer, size);
}

std::optional<std::string> MessageUtf8FromImage(std::span<const std::uint8_t> file, DWORD messageId)
{
    const ImageMessage found = FindMessageInImage(file, UserLanguageFromEnvironment(), messageId);
    if (!found.HasTables)
        return std::nullopt;
    return found.Text ? FormatMessageTextUtf8(*found.Text, false).text : std::string();
}

std::string SystemMessageUtf8(DWORD messageId)
{
    for (const char* path : SystemMessageDllPaths()) {
        const auto file = MappedFile::Open(path, kLargestDll);
        if (!file)
            continue;
        if (auto text = MessageUtf8FromImage(file->Bytes(), messageId))
            return std::move(*text);
    }
    return {};
}
