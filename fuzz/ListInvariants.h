// The promises a string list keeps whatever file it was read from.
#pragma once

#include "FuzzCheck.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <cstring>
#include <string>
#include <vector>

// Every item is a non-empty text, zero-terminated exactly at its length,
// with size length + 1, at its own index.
inline void CheckListIsSound(const TStringsStorage& list)
{
    FUZZ_CHECK(list.Count() >= 0);
    for (LONG i = 0; i < list.Count(); ++i) {
        const TStringsStorage::Item& item = list.ItemAt(i);
        FUZZ_CHECK(item.text != nullptr);
        FUZZ_CHECK(item.length > 0);
        FUZZ_CHECK(item.size == item.length + 1);
        FUZZ_CHECK(item.index == static_cast<DWORD>(i));
        FUZZ_CHECK(std::strlen(item.text) == static_cast<std::size_t>(item.length));
    }
}

// The texts and both sorted flags: what a saved list must load back as.
struct ListContents {
    std::vector<std::string> texts;
    bool ascending = false;
    bool descending = false;
    bool operator==(const ListContents&) const = default;
};

inline ListContents ContentsOf(const TStringsStorage& list)
{
    ListContents contents;
    list.CopyTo(contents.texts);
    contents.ascending = list.SortedAscending();
    contents.descending = list.SortedDescending();
    return contents;
}
