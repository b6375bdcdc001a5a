// The rows of one list in display order: the rows of a load, kept in their
// compact table, and whole CodeEntry rows put in one at a time (the action
// list takes its rows so). Each row reads as the CodeEntry it stands for.
#pragma once

#include "CodeEntry.h"
#include "CodeTable.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <string_view>
#include <vector>

class CodeList {
public:
    CodeList() = default;
    CodeList(CodeList&&) = default;
    CodeList& operator=(CodeList&&) = default;
    CodeList(const CodeList&) = delete;
    CodeList& operator=(const CodeList&) = delete;

    std::size_t size() const { return rows.size(); }
    bool empty() const { return rows.empty(); }

    // The row's CodeEntry, made when asked for.
    CodeEntry operator[](std::size_t i) const;
    // The same, as a reference that stays valid until the list changes or
    // kMadeRowsKept further rows of the table have been made: enough for a
    // caller that works on a few rows at a time.
    const CodeEntry& At(std::size_t i) const;
    static constexpr std::size_t kMadeRowsKept = 64;

    // The text of sub-item subItem (a CodeEntryField), or of the mnemonic
    // for any other value; a table row writes its numbers into digits. A NUL
    // follows the text, so its data() is also a C text (up to any NUL a
    // whole row's text holds).
    std::string_view Text(std::size_t i, int subItem, FieldDigits& digits) const;
    // For the C functions that sort: the mnemonic, or sub-item ciFacility or
    // ciHeader, up to its first NUL.
    const char* CText(std::size_t i, int subItem) const;
    // The number CompareCodeRows would read from sub-item subItem.
    std::int64_t SortKey(std::size_t i, int subItem) const;
    int ImageIndex(std::size_t i) const;
    // The code's 32-bit value.
    DWORD Value(std::size_t i) const;

    void Assign(CodeTable table);
    void Assign(std::vector<CodeEntry> entries);
    void Append(CodeEntry entry);
    void Remove(std::size_t i);
    void Clear();
    // order[k] is the position of the row that goes to position k.
    void Reorder(const std::vector<std::size_t>& order);

    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = CodeEntry;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = CodeEntry;

        const_iterator(const CodeList& rows, std::size_t position) : list(&rows), at(position) {}
        CodeEntry operator*() const { return (*list)[at]; }
        const_iterator& operator++()
        {
            ++at;
            return *this;
        }
        const_iterator operator++(int)
        {
            const_iterator before = *this;
            ++at;
            return before;
        }
        bool operator==(const const_iterator& other) const { return at == other.at; }

    private:
        const CodeList* list;
        std::size_t at;
    };
    const_iterator begin() const { return {*this, 0}; }
    const_iterator end() const { return {*this, rows.size()}; }

private:
    // A row is a place in the table, or kWhole plus a place in whole.
    static constexpr std::uint32_t kWhole = 0x80000000u;
    bool IsWhole(std::size_t i) const { return (rows[i] & kWhole) != 0; }
    const CodeEntry& WholeRow(std::size_t i) const { return whole[rows[i] & ~kWhole]; }
    void Forget();

    CodeTable table;
    std::vector<CodeEntry> whole;
    std::vector<std::uint32_t> rows;

    // The table rows At made last, oldest first.
    struct MadeRow {
        std::size_t Position;
        std::unique_ptr<CodeEntry> Entry;
    };
    mutable std::vector<MadeRow> made;
};
