#include "replacement_names.h"

#include "platform/win32.h"

#include <random>

namespace {

constexpr std::string_view NameLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
constexpr std::size_t RandomLetters = 6;
// Enough to step past any number of names that are taken by chance.
constexpr int CreateTries = 100;

std::string RandomLettersOnce()
{
    static std::mt19937_64 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, NameLetters.size() - 1);
    std::string letters;
    for (std::size_t i = 0; i < RandomLetters; ++i)
        letters += NameLetters[pick(generator)];
    return letters;
}

bool IsDecimal(std::string_view text)
{
    if (text.empty() || text.size() > 10 || text[0] == '0')
        return false;
    for (const char ch : text)
        if (ch < '0' || ch > '9')
            return false;
    return true;
}

} // namespace

std::string ReplacementFileName(std::uint32_t process)
{
    return std::string(ReplacementNamePrefix) + std::to_string(process) + "-" + RandomLettersOnce()
           + std::string(ReplacementNameSuffix);
}

std::uint32_t ReplacementFileOwner(std::string_view name)
{
    if (name.size() <= ReplacementNamePrefix.size() + RandomLetters + 1 + ReplacementNameSuffix.size()
        || !name.starts_with(ReplacementNamePrefix) || !name.ends_with(ReplacementNameSuffix))
        return 0;
    name.remove_prefix(ReplacementNamePrefix.size());
    name.remove_suffix(ReplacementNameSuffix.size());
    const std::string_view letters = name.substr(name.size() - RandomLetters);
    name.remove_suffix(RandomLetters);
    if (!name.ends_with('-') || letters.find_first_not_of(NameLetters) != std::string_view::npos)
        return 0;
    name.remove_suffix(1);
    if (!IsDecimal(name))
        return 0;
    std::uint64_t id = 0;
    for (const char ch : name)
        id = id * 10 + static_cast<std::uint64_t>(ch - '0');
    return id <= 0xFFFFFFFFu ? static_cast<std::uint32_t>(id) : 0;
}

HANDLE CreateReplacementFileIn(std::string_view folder, std::uint32_t process, std::string& temporaryName)
{
    for (int attempt = 0; attempt < CreateTries; ++attempt) {
        temporaryName = std::string(folder) + ReplacementFileName(process);
        const HANDLE file =
            CreateFileA(temporaryName.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    return INVALID_HANDLE_VALUE;
}
