// Header files written for a test, and the code-list rows that the header
// scan would make of their lines.
#pragma once

#include "catalogue/CodeEntry.h"

#include <QByteArray>
#include <QTemporaryDir>

#include <string>

class TestHeader {
public:
    explicit TestHeader(const QByteArray& bytes);

    std::string Path() const;
    const QByteArray& Bytes() const { return bytes; }
    // The row of the code declared on lineNumber (1 for the first line):
    // the line's byte offset, and its length as the scan reads it, every CR
    // left out and the LF counted.
    CodeEntry Row(const char* mnemonic, int lineNumber) const;

private:
    QTemporaryDir folder;
    QByteArray bytes;
};

// The text of a physical line of bytes, its line end left out, as shown:
// Windows-1252 decoded, CRs left out.
QString ShownLine(const QByteArray& bytes, int lineNumber);
