// Reads a header file line by line with the text-mode rules of the system
// the headers come from: every CR byte is dropped and a byte 26 (Ctrl+Z) ends
// the file. Lines are split in place inside a large buffer, and each keeps the
// byte offset where it starts in the file.
#pragma once

#include "platform/win32_types.h"

#include <cstddef>
#include <cstdint>

struct LineEnd;

struct HeaderLine {
    const char* Text;     // the line as read: CRs dropped, its LF (if any) last
    std::size_t Length;   // characters in Text, the LF included
    std::uint64_t Offset; // byte offset in the file of the line's first byte
    std::uint64_t Number; // 1 for the file's first line
};

class HeaderLineReader {
public:
    // Reads the file from where its pointer stands, at offset start, chunk
    // bytes at a time: a header's scan reads large chunks, a line read back
    // small ones.
    static constexpr std::size_t kScanChunk = 256 * 1024;
    explicit HeaderLineReader(HANDLE file, std::uint64_t start = 0, std::size_t chunk = kScanChunk);
    HeaderLineReader(const HeaderLineReader&) = delete;
    HeaderLineReader& operator=(const HeaderLineReader&) = delete;
    ~HeaderLineReader();

    // The next line, valid until the following call. False at the end of
    // the file and on a failure, which Error() then tells.
    bool Next(HeaderLine& line);
    // The next line that holds a '#' anywhere, counting the lines passed
    // over without splitting them; after the first line the scan needs no
    // other.
    bool NextWithHash(HeaderLine& line);
    // 0, or the system's code for a failed read or a buffer that could not
    // grow.
    DWORD Error() const { return error_; }

private:
    bool Fill();
    bool MakeRoom();
    static std::size_t DropCarriageReturns(char* from, char* to, const LineEnd& found);
    HeaderLine Deliver(char* start, std::size_t length, char* next);

    HANDLE file_;
    std::size_t chunk_;
    char* buffer_ = nullptr;
    std::size_t capacity_ = 0;
    char* begin_ = nullptr;      // first byte not yet delivered
    char* end_ = nullptr;        // one past the last byte read
    std::uint64_t bufferOffset_; // file offset of buffer_[0]
    std::uint64_t lineNumber_ = 0;
    bool atEnd_ = false;
    DWORD error_ = 0;
};
