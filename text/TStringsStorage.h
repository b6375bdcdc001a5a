// The program's ordered list of non-empty 8-bit texts, with its "TSSF"
// binary block form. Every operation reports a Win32 code (0 on success)
// and leaves the list consistent; nothing throws.
#pragma once

#include "platform/win32_types.h"

#include <string>
#include <vector>

class TStringsStorage {
public:
    // One entry of the item table; the same four 32-bit fields are stored in
    // the block form (the text pointer's place is unused there).
    struct Item {
        char* text;  // size bytes: the characters and a zero byte
        LONG length; // characters, never 0
        LONG size;   // length + 1
        DWORD index; // the item's position in the list
    };

    using CompareFunction = int (*)(LPCSTR, LPCSTR);

    TStringsStorage();
    TStringsStorage(const TStringsStorage&) = delete;
    TStringsStorage& operator=(const TStringsStorage&) = delete;
    virtual ~TStringsStorage();

    virtual void Clear();
    // Writes each item followed by separator (0: none; below 256: one byte;
    // otherwise two bytes, low byte first), with no separator after the last.
    virtual DWORD SaveToTextFile(LPCSTR fileName, WORD separator);
    virtual DWORD LoadFromTextFile(LPCSTR fileName);
    // The "TSSF" block at the file's position. A failed read leaves the list
    // empty, except a foreign magic (ERROR_BAD_FORMAT) or version
    // (ERROR_REVISION_MISMATCH), which leave it untouched; a block that
    // contradicts itself, holds more than its payload size, or promises more
    // bytes than the file has left is ERROR_FILE_CORRUPT.
    virtual DWORD WriteBlock(HANDLE file);
    virtual DWORD ReadBlock(HANDLE file);
    virtual DWORD SaveBlockToFile(LPCSTR fileName);
    virtual DWORD LoadBlockFromFile(LPCSTR fileName);

    DWORD Add(LPCSTR text);
    DWORD Delete(LONG index);
    LONG Find(LPCSTR text) const;
    DWORD SetText(LONG index, LPCSTR text);
    DWORD Assign(const TStringsStorage& other);
    // -1, 0 or 1 from compare(item, text or its first n characters), or
    // ERROR_INVALID_PARAMETER for a bad index or an absent text.
    LONG CompareItem(LONG index, LPCSTR text, LONG n, CompareFunction compare) const;
    // Replaces target's contents with the texts in order (the window side
    // turns them into list-box entries).
    void CopyTo(std::vector<std::string>& target) const;

    LONG Count() const { return count; }
    bool SortedAscending() const { return sortedAscending != 0; }
    bool SortedDescending() const { return sortedDescending != 0; }
    // For 0 <= i < Count().
    LPCSTR Text(LONG i) const { return items[i].text; }
    LONG Length(LONG i) const { return items[i].length; }
    const Item& ItemAt(LONG i) const { return items[i]; }

private:
    // Sets the item array to exactly entries entries, new ones zeroed.
    DWORD ResizeItems(LONG entries);
    // Fits the array to count, releasing it when the list is empty.
    void ShrinkItems();
    DWORD ReadItems(HANDLE file, DWORD n, DWORD payload);

    Item* items;
    LONG count;
    BYTE sortedAscending;
    BYTE sortedDescending;
};
