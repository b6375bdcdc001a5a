// Prints every NTSTATUS value of the built-in catalogue (the codes of
// mingw-w64's ntstatus.h), once each, in ascending order, one hexadecimal
// value a line: the input of ntstatus_to_win32.c.
#include "lookup/BuiltInCatalogue.h"

#include <cstdint>
#include <cstdio>
#include <set>

int main()
{
    std::set<std::uint32_t> values;
    for (const BuiltInCode& code : BuiltInCodes()) {
        if (code.Family == CodeFamily::NtStatus)
            values.insert(code.Value);
    }
    for (const std::uint32_t value : values)
        std::printf("0x%08X\n", static_cast<unsigned>(value));
    return values.empty() ? 1 : 0;
}
