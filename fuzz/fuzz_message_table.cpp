// The system message reader over arbitrary bytes, read two ways each run:
// as a whole DLL (PE headers, resource directory, every language's table)
// and as the message table data alone, which reaches the entry parser and
// the message formatting without first having to grow a valid PE around it.
// Every lookup through FormatMessageFromTables must give a zero-terminated
// text of the length it returns, or fail with one of its documented codes.
#include "FuzzCheck.h"

#include "platform/message_format.h"
#include "platform/message_from_tables.h"
#include "platform/message_image.h"
#include "platform/message_table.h"
#include "platform/message_table_set.h"
#include "platform/pe_image.h"
#include "platform/pe_resources.h"
#include "platform/win32.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <vector>

namespace {

constexpr std::uint16_t kMessageTableType = 11;
constexpr std::uint32_t kBlockSize = 12;
constexpr std::size_t kMostBlocksProbed = 16;
constexpr DWORD kCallerBufferSize = 64;

// Identifiers worth looking up: the first and last of each block the data
// declares, whether or not the data turns out sound.
std::vector<std::uint32_t> DeclaredIdentifiers(ByteView resource)
{
    std::vector<std::uint32_t> ids;
    const std::uint32_t blocks = resource.U32(0).value_or(0);
    for (std::uint64_t block = 0; block < blocks && block < kMostBlocksProbed; ++block) {
        const std::uint64_t header = 4 + block * kBlockSize;
        if (const auto low = resource.U32(header))
            ids.push_back(*low);
        if (const auto high = resource.U32(header + 4))
            ids.push_back(*high);
    }
    return ids;
}

bool HasNul(std::u16string_view text)
{
    return text.find(u'\0') != std::u16string_view::npos;
}

void CheckFormatting(std::u16string_view message)
{
    for (const bool ignoreInserts : {false, true}) {
        const FormattedMessage formatted = FormatMessageText(message, ignoreInserts);
        FUZZ_CHECK(formatted.error == 0 || formatted.error == ERROR_INVALID_PARAMETER);
        FUZZ_CHECK(formatted.error == 0 || formatted.text.empty());
        FUZZ_CHECK(formatted.text.find('\0') == std::string::npos);
    }
}

void CheckTable(ByteView resource)
{
    const std::optional<MessageTable> table = MessageTable::Parse(resource);
    if (!table)
        return;
    // Every entry takes at least its 4-byte header out of the data.
    FUZZ_CHECK(table->Size() <= resource.Size() / 4);
    const std::vector<std::uint32_t> ids = DeclaredIdentifiers(resource);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const std::u16string* text = table->Find(ids[i]);
        // A block's first identifier always has its entry in a sound table.
        FUZZ_CHECK(i % 2 != 0 || text != nullptr);
        if (text != nullptr) {
            FUZZ_CHECK(!HasNul(*text));
            CheckFormatting(*text);
        }
    }
}

bool IsDocumentedFailure(DWORD code)
{
    return code == ERROR_MR_MID_NOT_FOUND || code == ERROR_INVALID_PARAMETER || code == ERROR_NO_WORK_DONE
           || code == ERROR_INSUFFICIENT_BUFFER || code == ERROR_RESOURCE_LANG_NOT_FOUND;
}

void CheckLookup(const MessageTableSet& tables, std::uint32_t id, DWORD language)
{
    constexpr DWORD kFromSystem = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
    LPSTR allocated = nullptr;
    const DWORD length = FormatMessageFromTables(tables, kFromSystem | FORMAT_MESSAGE_ALLOCATE_BUFFER, id, language,
                                                 reinterpret_cast<LPSTR>(&allocated), 0);
    if (length == 0) {
        FUZZ_CHECK(allocated == nullptr && IsDocumentedFailure(GetLastError()));
    } else {
        FUZZ_CHECK(allocated != nullptr && std::strlen(allocated) == length);
    }

    char buffer[kCallerBufferSize];
    const DWORD copied = FormatMessageFromTables(tables, kFromSystem, id, language, buffer, sizeof buffer);
    if (copied == 0) {
        FUZZ_CHECK(IsDocumentedFailure(GetLastError()));
        FUZZ_CHECK(length == 0 || length + 1 > sizeof buffer);
    } else {
        FUZZ_CHECK(copied == length && std::strlen(buffer) == copied);
        FUZZ_CHECK(std::memcmp(buffer, allocated, length) == 0);
    }
    LocalFree(allocated);
}

void CheckDll(ByteView file)
{
    const MessageTableSet tables = MessageTableSet::FromImage(file.Bytes());
    const std::vector<std::uint16_t> languages = tables.Languages();
    FUZZ_CHECK(tables.Empty() == languages.empty());
    FUZZ_CHECK(tables.Empty() || tables.ForUser(0) != nullptr);

    // The same walk the set made, to learn which identifiers to ask for.
    std::vector<std::uint32_t> ids = {0, 5, 0x80070005u};
    if (const auto image = PeImage::Parse(file)) {
        if (const auto found = FindResourceLanguages(*image, kMessageTableType, 1)) {
            for (const ResourceLanguageData& data : *found) {
                for (std::uint32_t id : DeclaredIdentifiers(data.data))
                    ids.push_back(id);
            }
        }
    }
    for (std::uint16_t language : languages)
        FUZZ_CHECK(tables.ForLanguage(language) != nullptr);
    for (std::uint32_t id : ids) {
        CheckLookup(tables, id, LANG_USER_DEFAULT);
        if (!languages.empty())
            CheckLookup(tables, id, languages.back());
    }

    // The command line's image, checked once and indexed on demand, must
    // answer exactly as the set does.
    std::optional<MessageImage> image = MessageImage::Open(file.Bytes());
    FUZZ_CHECK(image.has_value() == !tables.Empty());
    for (std::uint32_t id : ids) {
        if (!image)
            break;
        const std::u16string* expected = FindWithWin32Fallback(*tables.ForUser(0), id);
        const std::optional<std::u16string> found = image->Find(0, id);
        FUZZ_CHECK(found.has_value() == (expected != nullptr) && (!found || *found == *expected));
        const std::u16string* exact = tables.ForUser(0)->Find(id);
        const std::optional<std::u16string> unfolded = image->Find(0, id, HResultFolding::None);
        FUZZ_CHECK(unfolded.has_value() == (exact != nullptr) && (!unfolded || *unfolded == *exact));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteView bytes(std::span<const std::uint8_t>(data, size));
    CheckDll(bytes);
    CheckTable(bytes);
    return 0;
}
