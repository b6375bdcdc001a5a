// The NTSTATUS map made once under Wine; under Wine, also against ntdll's own
// RtlNtStatusToDosError for every NTSTATUS of the catalogue.
#include "lookup/BuiltInCatalogue.h"
#include "platform/ntstatus_win32.h"

#include <gtest/gtest.h>

#include <iterator>

namespace {

constexpr NtStatusMapping Map[] = {
#include "platform/ntstatus_win32_map.inc"
};

TEST(NtStatusWin32, StatusesMapAsNtdllMapsThem)
{
    const std::pair<DWORD, std::optional<DWORD>> cases[] = {
        {0xC0000022, 5},           {0xC0000005, 998},          {0xC0000034, 2},
        {0xC0000017, 8},           {0xC0000109, std::nullopt}, // in ntstatus.h, but ntdll has no code for it
        {0xC0FFEE00, std::nullopt}};
    for (const auto& [status, win32] : cases)
        EXPECT_EQ(Win32CodeOfNtStatus(status), win32) << std::hex << status;
    for (std::size_t i = 0; i < std::size(Map); ++i) {
        EXPECT_NE(Map[i].Win32Code, 317u) << std::hex << Map[i].Status; // ntdll's "no code"
        EXPECT_TRUE(i == 0 || Map[i - 1].Status < Map[i].Status) << i;
    }
#ifdef _WIN32
    using StatusToDosError = ULONG(WINAPI*)(LONG);
    const auto toDosError = reinterpret_cast<StatusToDosError>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("ntdll.dll"), "RtlNtStatusToDosError")));
    ASSERT_NE(toDosError, nullptr);
    for (const BuiltInCode& code : BuiltInCodes()) {
        if (code.Family != CodeFamily::NtStatus)
            continue;
        const ULONG expected = toDosError(static_cast<LONG>(code.Value));
        EXPECT_EQ(Win32CodeOfNtStatus(code.Value), expected == 317 ? std::nullopt : std::optional<DWORD>(expected))
            << BuiltInName(code);
    }
#endif
}

} // namespace
