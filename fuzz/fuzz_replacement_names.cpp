// The temporary-file names of saves over arbitrary bytes: a later save
// deletes the files whose owner this reader names, so it must name one only
// for a name of its own making, and read back every name it makes.
#include "FuzzCheck.h"

#include "platform/replacement_names.h"

#include <cstring>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view name(reinterpret_cast<const char*>(data), size);
    if (ReplacementFileOwner(name) != 0) {
        FUZZ_CHECK(name.starts_with(ReplacementNamePrefix) && name.ends_with(ReplacementNameSuffix));
        FUZZ_CHECK(name.find_first_of("/\\") == std::string_view::npos);
    }
    std::uint32_t process = 0;
    std::memcpy(&process, data, size < sizeof process ? size : sizeof process);
    if (process != 0)
        FUZZ_CHECK(ReplacementFileOwner(ReplacementFileName(process)) == process);
    return 0;
}
