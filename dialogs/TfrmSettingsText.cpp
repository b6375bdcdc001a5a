#include "dialogs/TfrmSettingsText.h"

namespace {

constexpr char FolderSeparator = '/';
constexpr unsigned char Delete = 0x7F;

bool IsBlank(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return byte <= ' ' || byte == Delete;
}

} // namespace

std::string FileNamePart(std::string_view path)
{
    const std::size_t separator = path.rfind(FolderSeparator);
    return std::string(separator == std::string_view::npos ? path : path.substr(separator + 1));
}

std::string StripBlanks(std::string_view text)
{
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && IsBlank(text[first]))
        ++first;
    while (end > first && IsBlank(text[end - 1]))
        --end;
    return std::string(text.substr(first, end - first));
}
