// Finding the next row of the code list whose mnemonic or code text matches
// a search text.
#pragma once

#include "CodeEntry.h"
#include "CodeList.h"

#include <concepts>
#include <cstddef>
#include <optional>
#include <span>
#include <string>

enum class SearchDirection { Up = -1, Cyclic = 0, Down = 1 };

struct SearchSettings {
    bool ByMnemonic = true; // else by the Code text
    std::string Text;
    SearchDirection Direction = SearchDirection::Cyclic;
    bool CaseSensitive = false;
    bool WholeText = false; // the whole text must equal the search text
};

enum class SearchMessageIcon { Exclamation, Information };

struct SearchResult {
    std::optional<std::size_t> Row; // the row to focus and select
    // When Row is empty: the message box to show.
    std::string Message;
    std::string Caption;
    SearchMessageIcon Icon = SearchMessageIcon::Information;
};

// rows in display order; focused is the focused row, if any. Down and Cyclic
// go on after the focused row (from row 0 without one), Up goes back before
// it (from the last row without one). Cyclic wraps to row 0 and looks at the
// focused row itself last. A search by code whose text is 0x and hexadecimal
// digits finds the row with that 32-bit value; any other text is matched
// against the Code texts.
SearchResult SearchCodes(std::span<const CodeEntry> rows, std::optional<std::size_t> focused,
                         const SearchSettings& settings);

// The same over the rows of a list.
SearchResult SearchCodeList(const CodeList& rows, std::optional<std::size_t> focused, const SearchSettings& settings);

// So that SearchCodes takes a list's rows too, while {} still means no rows.
template <std::same_as<CodeList> Rows>
SearchResult SearchCodes(const Rows& rows, std::optional<std::size_t> focused, const SearchSettings& settings)
{
    return SearchCodeList(rows, focused, settings);
}
