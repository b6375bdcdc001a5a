// The Win32 code of an NTSTATUS, from the map made once under Wine; under
// Wine, also held against ntdll's own RtlNtStatusToDosError for every
// NTSTATUS of the catalogue.
#include "lookup/BuiltInCatalogue.h"
#include "platform/ntstatus_win32.h"

#include <gtest/gtest.h>

#include <iterator>
#include <optional>

namespace {

TEST(NtStatusWin32, StatusesMapAsNtdllMapsThem)
{
    const struct {
        DWORD status;
        std::optional<DWORD> win32;
    } cases[] = {
        {0xC0000022, 5},            // STATUS_ACCESS_DENIED
        {0xC0000005, 998},          // STATUS_ACCESS_VIOLATION
        {0xC0000034, 2},            // STATUS_OBJECT_NAME_NOT_FOUND
        {0xC0000017, 8},            // STATUS_NO_MEMORY
        {0xC0000109, std::nullopt}, // in ntstatus.h, but ntdll has no code for it
        {0xC0FFEE00, std::nullopt}, // no NTSTATUS at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(Win32CodeOfNtStatus(c.status), c.win32) << std::hex << c.status;
}

TEST(NtStatusWin32, MapIsAscendingWithoutNtdllsNoCodeAnswer)
{
    constexpr NtStatusMapping map[] = {
#include "platform/ntstatus_win32_map.inc"
    };
    EXPECT_GT(std::size(map), 1000u);
    for (std::size_t i = 0; i < std::size(map); ++i) {
        EXPECT_NE(map[i].Win32Code, 317u) << std::hex << map[i].Status; // ERROR_MR_MID_NOT_FOUND
        if (i > 0) {
            EXPECT_LT(map[i - 1].Status, map[i].Status) << i;
        }
    }
}

#ifdef _WIN32
TEST(NtStatusWin32, EveryCatalogueStatusMapsAsThisNtdllMapsIt)
{
    using StatusToDosError = ULONG(WINAPI*)(LONG);
    const auto toDosError = reinterpret_cast<StatusToDosError>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlNtStatusToDosError")));
    ASSERT_NE(toDosError, nullptr);
    for (const BuiltInCode& code : BuiltInCodes()) {
        if (code.Family != CodeFamily::NtStatus)
            continue;
        const ULONG expected = toDosError(static_cast<LONG>(code.Value));
        EXPECT_EQ(Win32CodeOfNtStatus(code.Value), expected == ERROR_MR_MID_NOT_FOUND ? std::nullopt : std::optional<DWORD>(expected))
            << BuiltInName(code);
    }
}
#endif

} // namespace
