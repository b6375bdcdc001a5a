#include "output/FileReplacement.h"

#include "settings/ReplacingFile.h"

#include <algorithm>

namespace {

// Each write's count must fit a DWORD, whatever the text's size.
constexpr std::size_t WriteChunk = 64 * 1024;

bool WriteAll(ReplacingFile& out, std::string_view bytes)
{
    while (!bytes.empty()) {
        const std::size_t count = std::min(bytes.size(), WriteChunk);
        if (!out.Write(bytes.data(), static_cast<DWORD>(count)))
            return false;
        bytes.remove_prefix(count);
    }
    return true;
}

} // namespace

bool WriteFileReplacing(LPCSTR fileName, std::string_view bytes)
{
    ReplacingFile out(fileName);
    return out.Open() && WriteAll(out, bytes) && out.Commit();
}
