// The rows one load finds, kept small: each mnemonic once in a text store,
// each header path once, and the numbers as numbers. A row's texts are made
// only when asked for, and are exactly those its CodeEntry would hold.
// A large load takes about a fifth of the memory of as many CodeEntry values,
// and grows in blocks, so it never holds two copies while it grows.
#pragma once

#include "CodeEntry.h"

#include "platform/win32_types.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct CodeRecord {
    const char* Name; // in the table's text store, a NUL after it
    std::uint64_t NameLength;
    std::uint64_t Line;
    std::uint64_t LineOffset;
    std::uint64_t LineLength;
    DWORD Value;
    std::uint32_t N;      // the running number within its header
    std::uint32_t Header; // its header's place in the table's paths
};

// Room for the decimal text of any number of a row.
using FieldDigits = std::array<char, 24>;

class CodeTable {
public:
    CodeTable() = default;
    CodeTable(CodeTable&&) noexcept = default;
    CodeTable& operator=(CodeTable&&) noexcept = default;
    CodeTable(const CodeTable&) = delete;
    CodeTable& operator=(const CodeTable&) = delete;

    std::size_t Count() const { return count; }
    const CodeRecord& operator[](std::size_t i) const { return chunks[i / kChunkRows][i % kChunkRows]; }
    const std::string& HeaderPath(std::uint32_t header) const { return headers[header]; }
    std::size_t HeaderCount() const { return headers.size(); }

    // The rows of one header: StartHeader, then Add for each code in file
    // order (N counts from 1 again), and DropHeader to take back everything
    // since StartHeader. Start and Add throw std::bad_alloc when memory runs
    // out; the table stays consistent.
    void StartHeader(std::string_view path);
    void Add(std::string_view name, DWORD value, std::uint64_t line, std::uint64_t lineOffset,
             std::uint64_t lineLength);
    void DropHeader() noexcept;
    // A row's value, once the load has evaluated its define.
    void SetValue(std::size_t i, DWORD value) { chunks[i / kChunkRows][i % kChunkRows].Value = value; }

    // The row as a CodeEntry.
    CodeEntry Entry(std::size_t i) const;
    // The text of sub-item subItem (a CodeEntryField), or of the mnemonic
    // for any other value; numbers are written into digits. A NUL follows
    // the text, so its data() is also a C text.
    std::string_view Text(std::size_t i, int subItem, FieldDigits& digits) const;

private:
    static constexpr std::size_t kChunkRows = 4096;
    static constexpr std::size_t kTextBlock = 64 * 1024;

    struct TextBlock {
        std::unique_ptr<char[]> Bytes;
        std::size_t Size;
    };

    const char* StoreName(std::string_view name);

    std::vector<std::unique_ptr<CodeRecord[]>> chunks;
    std::size_t count = 0;
    std::vector<TextBlock> texts;
    std::size_t lastBlockUsed = 0;
    std::vector<std::string> headers;

    // Where the header being added started.
    struct Mark {
        std::size_t Count;
        std::size_t Blocks;
        std::size_t LastBlockUsed;
    } mark{};
    std::uint32_t nextN = 1;
};
