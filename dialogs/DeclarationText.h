// A header file as the declaration viewer shows it: the bytes decoded as
// Windows-1252, one character per byte, with every CR dropped, which is how
// the header scan reads its lines. So the text's paragraphs are the scan's
// lines, whatever the line ends, and a row's LineLength is the length of its
// line in the text, the line end counted as one character.
#pragma once

#include "platform/win32_types.h"

#include <QString>

#include <cstdint>
#include <vector>

class DeclarationText {
public:
    // Reads the whole file; false, with the last error set, when it cannot
    // be opened or read (a folder, a FIFO or a device is refused).
    bool Load(LPCSTR path);

    const QString& Text() const { return text; }

    // The text position of a byte offset of the file. An offset past the
    // end (the file shrank since it was scanned) gives the end of the text.
    qsizetype PositionOf(std::uint64_t byteOffset) const;

private:
    QString text;
    // File offsets of the CRs left out of the text, ascending.
    std::vector<std::uint64_t> droppedAt;
    std::uint64_t fileSize = 0;
};
