#include "SearchCodes.h"

#include "CodeValue.h"

#include "platform/win32.h"

namespace {

void UpperCase(std::string& text)
{
    CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
}

const char* DirectionCaption(SearchDirection direction)
{
    switch (direction) {
    case SearchDirection::Up: return "Direction : UP";
    case SearchDirection::Down: return "Direction : DOWN";
    case SearchDirection::Cyclic: break;
    }
    return "Direction : CYCLIC";
}

SearchResult Refusal(const char* message, const char* caption)
{
    return SearchResult{std::nullopt, message, caption, SearchMessageIcon::Exclamation};
}

// The rows in the order they are examined.
class Candidates {
public:
    Candidates(std::size_t count, std::optional<std::size_t> focused, SearchDirection direction)
        : count_(count), direction_(direction)
    {
        // A focus past the rows (the list changed under it) counts as none.
        if (focused && *focused >= count)
            focused.reset();
        if (direction == SearchDirection::Up) {
            next_ = focused ? *focused : count;
            left_ = next_;
        } else if (direction == SearchDirection::Down) {
            next_ = focused ? *focused + 1 : 0;
            left_ = count - next_;
        } else {
            next_ = focused ? (*focused + 1) % count : 0;
            left_ = count;
        }
    }

    bool Next(std::size_t& row)
    {
        if (left_ == 0)
            return false;
        --left_;
        if (direction_ == SearchDirection::Up) {
            row = --next_;
        } else {
            row = next_;
            next_ = next_ + 1 == count_ ? 0 : next_ + 1;
        }
        return true;
    }

private:
    std::size_t count_;
    SearchDirection direction_;
    std::size_t next_ = 0;
    std::size_t left_ = 0;
};

// The search over count rows whose searched text textOf(row, scratch) gives,
// and whose value valueOf(row) gives for a search by a hexadecimal code.
template <class TextOf, class ValueOf>
SearchResult Search(std::size_t count, const TextOf& textOf, const ValueOf& valueOf, std::optional<std::size_t> focused,
                    const SearchSettings& settings)
{
    if (count == 0)
        return Refusal("You must load Error codes first", "List is Empty");
    if (settings.Text.empty())
        return Refusal("Please, specify search string", "Search string is Empty");

    std::string key = settings.Text;
    if (!settings.CaseSensitive)
        UpperCase(key);

    // A code copied from a log, 0x80070005, finds the row with that value.
    const std::optional<DWORD> hexCode = settings.ByMnemonic ? std::nullopt : ReadHexCode(settings.Text);

    Candidates candidates(count, focused, settings.Direction);
    FieldDigits digits;
    std::string upper;
    for (std::size_t row = 0; candidates.Next(row);) {
        if (hexCode) {
            if (valueOf(row) == *hexCode)
                return SearchResult{row, {}, {}, SearchMessageIcon::Information};
            continue;
        }
        // Every text has a NUL after it, as a C text.
        std::string_view candidate = textOf(row, digits);
        if (!settings.CaseSensitive) {
            upper.assign(candidate);
            UpperCase(upper);
            candidate = upper;
        }
        const bool matches = settings.WholeText ? lstrcmpA(candidate.data(), key.c_str()) == 0
                                                : candidate.find(key) != std::string_view::npos;
        if (matches)
            return SearchResult{row, {}, {}, SearchMessageIcon::Information};
    }

    std::string message = settings.ByMnemonic ? "Mnemonic : \"" : "Code : \"";
    message += key;
    message += "\" not found";
    return SearchResult{std::nullopt, std::move(message), DirectionCaption(settings.Direction),
                        SearchMessageIcon::Information};
}

} // namespace

SearchResult SearchCodes(std::span<const CodeEntry> rows, std::optional<std::size_t> focused,
                         const SearchSettings& settings)
{
    const auto textOf = [&](std::size_t row, FieldDigits&) -> std::string_view {
        return settings.ByMnemonic ? rows[row].Mnemonic : rows[row].Code();
    };
    const auto valueOf = [&](std::size_t row) { return ValueOfCodeTexts(rows[row].Code(), rows[row].Severity()); };
    return Search(rows.size(), textOf, valueOf, focused, settings);
}

SearchResult SearchCodeList(const CodeList& rows, std::optional<std::size_t> focused, const SearchSettings& settings)
{
    const int field = settings.ByMnemonic ? -1 : ciCode;
    const auto textOf = [&](std::size_t row, FieldDigits& digits) { return rows.Text(row, field, digits); };
    const auto valueOf = [&](std::size_t row) { return rows.Value(row); };
    return Search(rows.size(), textOf, valueOf, focused, settings);
}
