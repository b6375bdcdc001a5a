// A header file as the declaration viewer shows it: the bytes decoded as
// Windows-1252, one character per byte, with every CR dropped, which is how
// the header scan reads its lines. So the text's paragraphs are the scan's
// lines, whatever the line ends, and a row's LineLength is the length of its
// line in the text, the line end counted as one character.
//
// The text control lays out a long line whole and holds the whole text, so
// a huge header, or one with a huge line, would freeze the window for
// minutes. Such a header is shown in part: whole lines around the declaring
// line, no more than ShownBytes of them, none longer than LongestLine; the
// declaring line itself is always shown, cut at LongestLine. A header within
// both bounds is shown whole.
#pragma once

#include "platform/win32_types.h"

#include <QString>

#include <cstdint>
#include <vector>

class DeclarationText {
public:
    static constexpr std::uint64_t ShownBytes = 8u << 20;
    static constexpr std::uint64_t LongestLine = 64u << 10;

    // Reads the file, or the part of it around the line that starts at the
    // byte offset declaredAt; false, with the last error set, when it cannot
    // be opened or read (a folder, a FIFO or a device is refused).
    bool Load(LPCSTR path, std::uint64_t declaredAt);

    const QString& Text() const { return text; }
    // True when the text is only a part of the file.
    bool Partial() const { return partial; }

    // The text position of a byte offset of the file. An offset past the
    // shown part (the file shrank since it was scanned) gives the end of the
    // text, one before it the start.
    qsizetype PositionOf(std::uint64_t byteOffset) const;

private:
    QString text;
    // File offsets of the CRs left out of the text, ascending.
    std::vector<std::uint64_t> droppedAt;
    std::uint64_t shownFrom = 0; // file offsets of the shown bytes
    std::uint64_t shownTo = 0;
    bool partial = false;
};
