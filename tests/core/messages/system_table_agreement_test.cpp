// Every system message from 0 to 20000, with and without
// FORMAT_MESSAGE_IGNORE_INSERTS, as FormatMessageA gives it: on Linux the
// program's own reading of Wine's kernelbase.dll, on Windows the system's.
// Both must give what Windows (Wine) gave when the digests below were taken;
// on Windows each text is also held against the program's own reader.
#include "platform/message_from_tables.h"
#include "platform/message_table_set.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr DWORD kLastCode = 20000;
constexpr DWORD kEnglish = 0x0409;
constexpr DWORD kFlagSets[] = {FORMAT_MESSAGE_FROM_SYSTEM, FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS};

struct Result {
    DWORD length;
    DWORD error; // when length is 0
    std::string text;
    bool operator==(const Result&) const = default;
};

template <typename Call> Result Capture(Call call)
{
    std::vector<char> buffer(4096, '\0');
    SetLastError(ERROR_SUCCESS);
    const DWORD length = call(buffer.data(), static_cast<DWORD>(buffer.size()));
    return length == 0 ? Result{0, GetLastError(), {}} : Result{length, 0, std::string(buffer.data(), length)};
}

Result FromSystem(DWORD flags, DWORD code)
{
    return Capture(
        [&](LPSTR out, DWORD size) { return FormatMessageA(flags, nullptr, code, kEnglish, out, size, nullptr); });
}

// FNV-1a over every result in order.
struct Digest {
    std::uint64_t hash = 0xCBF29CE484222325u;
    int found = 0;
    void Add(const void* data, std::size_t size)
    {
        for (std::size_t i = 0; i < size; ++i) {
            hash ^= static_cast<const unsigned char*>(data)[i];
            hash *= 0x100000001B3u;
        }
    }
    void Add(const Result& r)
    {
        const std::uint32_t numbers[2] = {r.length, r.length == 0 ? r.error : 0};
        Add(numbers, sizeof numbers);
        Add(r.text.data(), r.text.size());
        found += r.length != 0;
    }
};

Digest DigestOf(DWORD flags)
{
    Digest digest;
    for (DWORD code = 0; code <= kLastCode; ++code)
        digest.Add(FromSystem(flags, code));
    return digest;
}

// As Wine 8.0's kernelbase.dll gave them, by the DISABLED_PrintDigests test
// below run under Wine: per flag set, the messages found and the digest.
struct Expected {
    int found;
    std::uint64_t hash;
};
constexpr Expected kWin32[] = {{742, 0xA4A35B8C34A9C36Eu}, {756, 0x60F1B31C12677DB1u}};

TEST(SystemTableAgreement, EveryCodeTo20000FormatsAsOnWindows)
{
    for (std::size_t i = 0; i < std::size(kFlagSets); ++i) {
        const Digest digest = DigestOf(kFlagSets[i]);
        if (digest.found == 0)
            GTEST_SKIP() << "no system message table on this machine";
        EXPECT_EQ(digest.found, kWin32[i].found) << "flags " << kFlagSets[i];
        EXPECT_EQ(digest.hash, kWin32[i].hash) << "flags " << kFlagSets[i];
    }
}

TEST(SystemTableAgreement, DISABLED_PrintDigests)
{
    for (const DWORD flags : kFlagSets) {
        const Digest digest = DigestOf(flags);
        std::printf("{%d, 0x%016llXu},\n", digest.found, static_cast<unsigned long long>(digest.hash));
    }
}

#ifdef _WIN32
// The program's own reader of a message DLL against the system, text for
// text, over the DLL the system reads its messages from.
TEST(SystemTableAgreement, ProgramsReaderGivesTheSystemsTextForEveryCode)
{
    char path[MAX_PATH] = {};
    ASSERT_GT(GetModuleFileNameA(GetModuleHandleA("kernelbase.dll"), path, MAX_PATH), 0u);
    const MessageTableSet tables = MessageTableSet::FromFile(path);
    ASSERT_FALSE(tables.Empty()) << path;
    int differences = 0;
    for (const DWORD flags : kFlagSets) {
        for (DWORD code = 0; code <= kLastCode; ++code) {
            const Result own = Capture([&](LPSTR out, DWORD size) {
                return FormatMessageFromTables(tables, flags, code, kEnglish, out, size);
            });
            const Result system = FromSystem(flags, code);
            if (own != system && ++differences <= 10) {
                ADD_FAILURE() << "code " << code << " flags " << flags << ": the program gives " << own.length << "/"
                              << own.error << " \"" << own.text << "\", the system " << system.length << "/"
                              << system.error << " \"" << system.text << "\"";
            }
        }
    }
    EXPECT_EQ(differences, 0);
}
#endif

} // namespace
