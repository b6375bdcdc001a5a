// The family a code belongs to: which API's errors its number is one of.
// One number means different things in different families (1 is both
// ERROR_INVALID_FUNCTION and S_FALSE), so the lookup says which is which.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

enum class CodeFamily : std::uint8_t {
    Win32,
    HResult,
    NtStatus,
    NetworkManagement,
    WinInet,
    WinHttp,
    DirectX,
    MediaFoundation,
    WindowsUpdate,
    OleDb,
    Header, // a define of a loaded header outside every known family
};

// As the user reads it: "Win32", "HRESULT", "Media Foundation"...
std::string_view FamilyName(CodeFamily family);
// As --family takes it: "win32", "hresult", "mediafoundation"...
std::string_view FamilyKey(CodeFamily family);
// The family of a key, compared without regard to case.
std::optional<CodeFamily> FamilyOfKey(std::string_view key);
std::span<const CodeFamily> AllFamilies();
