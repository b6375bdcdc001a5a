// One loaded code: a row of the code list and, copied whole, of the action
// list. Every field but the image index is text; numbers are decimal texts
// without leading zeros.
#pragma once

#include <array>
#include <string>

// Positions of the sub-items; other parts of the program address the fields
// by these positions (sorting by column, the declaration viewer, copying).
enum CodeEntryField {
    ciCode = 0,
    ciFacility = 1,
    ciSeverity = 2,
    ciN = 3,
    ciHeader = 4,
    ciLine = 5,
    ciLineOffset = 6, // no column: byte offset of the declaring line
    ciLineLength = 7, // no column: length of the line as read
};

constexpr int CodeEntrySubItemCount = 8;

struct CodeEntry {
    std::string Mnemonic;
    int ImageIndex = 1; // 1: bit 31 of the value clear (S), 2: set (I)
    std::array<std::string, CodeEntrySubItemCount> SubItems;

    const std::string& Code() const { return SubItems[ciCode]; }
    const std::string& Facility() const { return SubItems[ciFacility]; }
    const std::string& Severity() const { return SubItems[ciSeverity]; }
    const std::string& N() const { return SubItems[ciN]; }
    const std::string& Header() const { return SubItems[ciHeader]; }
    const std::string& Line() const { return SubItems[ciLine]; }
    const std::string& LineOffset() const { return SubItems[ciLineOffset]; }
    const std::string& LineLength() const { return SubItems[ciLineLength]; }

    bool operator==(const CodeEntry&) const = default;
};
