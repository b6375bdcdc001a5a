#include "message_from_tables.h"

#include "codepage.h"
#include "message_format.h"
#include "message_language.h"
#include "message_table_set.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr DWORD kLanguageNeutral = 0x000;
constexpr DWORD kSystemDefaultLanguage = 0x800;
constexpr DWORD kUnsupportedFlags =
    FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_MAX_WIDTH_MASK;

DWORD Fail(DWORD error)
{
    SetLastError(error);
    return 0;
}

bool UserLanguage(DWORD languageId)
{
    return languageId == kLanguageNeutral || languageId == LANG_USER_DEFAULT || languageId == kSystemDefaultLanguage;
}

const MessageTable* TableForLanguage(const MessageTableSet& tables, DWORD languageId, std::uint16_t userLanguage)
{
    if (UserLanguage(languageId))
        return tables.ForUser(userLanguage);
    if (languageId > 0xFFFF)
        return nullptr;
    return tables.ForLanguage(static_cast<std::uint16_t>(languageId));
}

// The texts are 8-bit Windows-1252, where most languages would come out as
// question marks: the first language of the user's fallback chain whose
// text converts without loss; English, last in the chain, always does.
// Failing that, the user's own table (userTable) answers.
const std::u16string* FindUserMessage(const MessageTableSet& tables, std::uint16_t userLanguage,
                                      const MessageTable& userTable, DWORD messageId)
{
    for (const std::uint16_t language : LanguageFallbacks(userLanguage)) {
        const MessageTable* table = tables.ForLanguage(language);
        const std::u16string* text = table == nullptr ? nullptr : FindWithWin32Fallback(*table, messageId);
        if (text != nullptr && (FitsAnsi1252(*text) || PrimaryLanguage(language) == kEnglishNeutral))
            return text;
    }
    return FindWithWin32Fallback(userTable, messageId);
}

} // namespace

const std::u16string* FindWithWin32Fallback(const MessageTable& table, DWORD messageId)
{
    if (const std::u16string* text = table.Find(messageId))
        return text;
    if (IsWin32HResult(messageId))
        return table.Find(Win32CodeOf(messageId));
    return nullptr;
}

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
    const std::uint16_t userLanguage = UserLanguage(languageId) ? UserLanguageFromEnvironment() : 0;
    const MessageTable* table = TableForLanguage(tables, languageId, userLanguage);
    if (table == nullptr)
        return Fail(ERROR_RESOURCE_LANG_NOT_FOUND);
    const std::u16string* message = UserLanguage(languageId) ? FindUserMessage(tables, userLanguage, *table, messageId)
                                                             : FindWithWin32Fallback(*table, messageId);
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
