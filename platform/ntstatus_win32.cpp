#include "platform/ntstatus_win32.h"

#include <algorithm>
#include <iterator>

namespace {

// In ascending order of Status.
constexpr NtStatusMapping kNtStatusMap[] = {
#include "platform/ntstatus_win32_map.inc"
};

static_assert(std::is_sorted(std::begin(kNtStatusMap), std::end(kNtStatusMap),
                             [](const NtStatusMapping& a, const NtStatusMapping& b) { return a.Status < b.Status; }));

} // namespace

std::optional<DWORD> Win32CodeOfNtStatus(DWORD status)
{
    const auto found = std::lower_bound(std::begin(kNtStatusMap), std::end(kNtStatusMap), status,
                                        [](const NtStatusMapping& m, DWORD wanted) { return m.Status < wanted; });
    if (found == std::end(kNtStatusMap) || found->Status != status)
        return std::nullopt;
    return found->Win32Code;
}
