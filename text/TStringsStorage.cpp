#include "text/TStringsStorage.h"

#include "platform/win32.h"

#include <cstdlib>
#include <cstring>

namespace {

// Texts longer than a LONG can count are refused as if memory ran out: they
// could never be stored with their length and size.
bool MeasureText(LPCSTR text, LONG* length)
{
    const std::size_t measured = std::strlen(text);
    if (measured >= 0x7FFFFFFF)
        return false;
    *length = static_cast<LONG>(measured);
    return true;
}

int CompareAscending(const void* key, const void* entry)
{
    return lstrcmpA(static_cast<LPCSTR>(key), static_cast<const TStringsStorage::Item*>(entry)->text);
}

// Swapping the operands lets the same binary search walk a descending list.
int CompareDescending(const void* key, const void* entry)
{
    return lstrcmpA(static_cast<const TStringsStorage::Item*>(entry)->text, static_cast<LPCSTR>(key));
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

TStringsStorage::TStringsStorage() : items(nullptr), count(0), sortedAscending(1), sortedDescending(1)
{
}

TStringsStorage::~TStringsStorage()
{
    TStringsStorage::Clear();
}

void TStringsStorage::Clear()
{
    for (LONG i = count - 1; i >= 0; --i)
        LocalFree(items[i].text);
    LocalFree(items);
    items = nullptr;
    count = 0;
    sortedAscending = 1;
    sortedDescending = 1;
}

DWORD TStringsStorage::ResizeItems(LONG entries)
{
    const SIZE_T bytes = sizeof(Item) * static_cast<SIZE_T>(entries);
    // A growing array must be allowed to move; new entries start zeroed.
    void* resized =
        items == nullptr ? LocalAlloc(LPTR, bytes) : LocalReAlloc(items, bytes, LMEM_MOVEABLE | LMEM_ZEROINIT);
    if (resized == nullptr)
        return GetLastError();
    items = static_cast<Item*>(resized);
    return ERROR_SUCCESS;
}

// A shrink that fails keeps the larger array; its spare entries are never read.
void TStringsStorage::ShrinkItems()
{
    if (count == 0) {
        LocalFree(items);
        items = nullptr;
    } else {
        ResizeItems(count);
    }
}

DWORD TStringsStorage::Add(LPCSTR text)
{
    if (text == nullptr)
        return RPC_X_NULL_REF_POINTER;
    if (*text == '\0')
        return ERROR_INVALID_DATA;
    LONG length = 0;
    if (!MeasureText(text, &length) || count == 0x7FFFFFFF)
        return ERROR_NOT_ENOUGH_MEMORY;

    const DWORD grown = ResizeItems(count + 1);
    if (grown != ERROR_SUCCESS)
        return grown;
    Item& entry = items[count];
    entry.text = static_cast<char*>(LocalAlloc(LMEM_FIXED, static_cast<SIZE_T>(length) + 1));
    if (entry.text == nullptr) {
        const DWORD code = GetLastError();
        ShrinkItems();
        return code;
    }
    std::memcpy(entry.text, text, static_cast<SIZE_T>(length) + 1);
    entry.length = length;
    entry.size = length + 1;
    entry.index = static_cast<DWORD>(count);
    ++count;
    sortedAscending = 0;
    sortedDescending = 0;
    return ERROR_SUCCESS;
}

DWORD TStringsStorage::Delete(LONG index)
{
    if (static_cast<DWORD>(index) >= static_cast<DWORD>(count))
        return ERROR_INVALID_INDEX;
    LocalFree(items[index].text);
    --count;
    if (index < count) {
        const DWORD first = items[index].index;
        std::memmove(&items[index], &items[index + 1], sizeof(Item) * static_cast<SIZE_T>(count - index));
        for (LONG i = index; i < count; ++i)
            items[i].index = first + static_cast<DWORD>(i - index);
    }
    if (count == 0) {
        sortedAscending = 1;
        sortedDescending = 1;
    }
    ShrinkItems();
    return ERROR_SUCCESS;
}

LONG TStringsStorage::Find(LPCSTR text) const
{
    if (count == 0 || text == nullptr || *text == '\0')
        return -1;
    if (count >= 10 && (sortedAscending != 0 || sortedDescending != 0)) {
        const auto* hit =
            static_cast<const Item*>(std::bsearch(text, items, static_cast<SIZE_T>(count), sizeof(Item),
                                                  sortedAscending != 0 ? CompareAscending : CompareDescending));
        return hit == nullptr ? -1 : static_cast<LONG>(hit->index);
    }
    for (LONG i = 0; i < count; ++i) {
        if (lstrcmpA(text, items[i].text) == 0)
            return i;
    }
    return -1;
}

DWORD TStringsStorage::SetText(LONG index, LPCSTR text)
{
    if (text == nullptr)
        return RPC_X_NULL_REF_POINTER;
    if (static_cast<DWORD>(index) >= static_cast<DWORD>(count))
        return ERROR_INVALID_INDEX;
    if (*text == '\0')
        return ERROR_INVALID_DATA;
    LONG length = 0;
    if (!MeasureText(text, &length))
        return ERROR_NOT_ENOUGH_MEMORY;

    Item& entry = items[index];
    const SIZE_T bytes = static_cast<SIZE_T>(length) + 1;
    if (length == entry.length) {
        // The text may be the item's own buffer or a part of it.
        std::memmove(entry.text, text, bytes);
    } else {
        auto* replacement = static_cast<char*>(LocalAlloc(LMEM_FIXED, bytes));
        if (replacement == nullptr)
            return GetLastError();
        // Copied before the old buffer goes, which the text may point into.
        std::memcpy(replacement, text, bytes);
        LocalFree(entry.text);
        entry.text = replacement;
        entry.length = length;
        entry.size = length + 1;
    }
    sortedAscending = 0;
    sortedDescending = 0;
    return ERROR_SUCCESS;
}

DWORD TStringsStorage::Assign(const TStringsStorage& other)
{
    if (&other == this)
        return ERROR_SUCCESS;
    Clear();
    if (other.count == 0)
        return ERROR_SUCCESS;
    const DWORD allocated = ResizeItems(other.count);
    if (allocated != ERROR_SUCCESS)
        return allocated;
    sortedAscending = other.sortedAscending;
    sortedDescending = other.sortedDescending;
    for (LONG i = 0; i < other.count; ++i) {
        const Item& source = other.items[i];
        auto* text = static_cast<char*>(LocalAlloc(LMEM_FIXED, static_cast<SIZE_T>(source.size)));
        if (text == nullptr) {
            const DWORD code = GetLastError();
            Clear();
            return code;
        }
        std::memcpy(text, source.text, static_cast<SIZE_T>(source.size));
        items[i] = {text, source.length, source.size, source.index};
        ++count;
    }
    return ERROR_SUCCESS;
}

LONG TStringsStorage::CompareItem(LONG index, LPCSTR text, LONG n, CompareFunction compare) const
{
    if (static_cast<DWORD>(index) >= static_cast<DWORD>(count) || text == nullptr || compare == nullptr)
        return static_cast<LONG>(ERROR_INVALID_PARAMETER);
    if (n > 0 && std::strlen(text) > static_cast<std::size_t>(n)) {
        auto* head = static_cast<char*>(LocalAlloc(LPTR, static_cast<SIZE_T>(n) + 1));
        if (head == nullptr)
            return static_cast<LONG>(ERROR_INVALID_PARAMETER);
        std::memcpy(head, text, static_cast<SIZE_T>(n));
        const int result = compare(items[index].text, head);
        LocalFree(head);
        return Sign(result);
    }
    return Sign(compare(items[index].text, text));
}

void TStringsStorage::CopyTo(std::vector<std::string>& target) const
{
    target.clear();
    target.reserve(static_cast<std::size_t>(count));
    for (LONG i = 0; i < count; ++i)
        target.emplace_back(items[i].text, static_cast<std::size_t>(items[i].length));
}
