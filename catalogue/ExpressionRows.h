// Rows whose define gives the value as an expression:
//   #define ERROR_INTERNET_TIMEOUT (INTERNET_ERROR_BASE + 2)
// The scan reads the first number after the name (2 here). Once every header
// of a load is read, such a row takes the value its expression has with the
// defines of all the loaded headers, where it has one; where it has none (a
// string, a type, an unknown name) the row keeps what the scan read. A row
// whose value is a plain number, as everywhere in winerror.h, is never
// evaluated, so it keeps exactly what it always had.
#pragma once

#include "CodeTable.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

class ExpressionRows {
public:
    // For the scan, every #define line of a header in file order: the
    // macro's name and where its line is, so that the defines an expression
    // uses can be read back.
    void NoteDefine(std::uint32_t header, std::uint64_t lineOffset, std::string_view name);
    // For the scan, the line of an object-like macro that became row number
    // row; valueText is the rest of the line after the name.
    void NoteRow(std::size_t row, std::string_view valueText);

    struct Mark {
        std::size_t Defines;
        std::size_t Rows;
        std::size_t TextSize;
    };
    Mark Now() const { return {defines.size(), rows.size(), texts.size()}; }
    // Forgets what was noted since mark: a header whose scan failed.
    void Rewind(const Mark& mark);

    // Gives each noted row the value of its expression, where it has one.
    void Evaluate(CodeTable& table) const;

private:
    struct Define {
        std::uint32_t NameHash;
        std::uint32_t Header;
        std::uint64_t LineOffset;
    };
    struct Row {
        std::size_t Index;
        std::size_t TextStart;
        std::size_t TextSize;
    };
    std::deque<Define> defines; // never moved while it grows
    std::vector<Row> rows;
    std::string texts;
};

// True when the value after a define's name is one number, only inside
// parentheses, casts to 32-bit integer types or the headers' wrappers
// (_HRESULT_TYPEDEF_, __MSABI_LONG), with an optional minus sign: the
// number the scan reads is then the define's value.
bool IsPlainNumber(std::string_view valueText);
