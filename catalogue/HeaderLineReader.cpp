#include "HeaderLineReader.h"

#include "ByteSearch.h"

#include "platform/win32.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t kLargestRead = std::size_t(1) << 30;
constexpr char kEndOfFileMark = 26;

} // namespace

HeaderLineReader::HeaderLineReader(HANDLE file, std::uint64_t start, std::size_t chunk)
    : file_(file), chunk_(chunk), bufferOffset_(start)
{
}

HeaderLineReader::~HeaderLineReader()
{
    if (buffer_ != nullptr)
        LocalFree(buffer_);
}

bool HeaderLineReader::Next(HeaderLine& line)
{
    for (;;) {
        const LineEnd found = FindLineEnd(begin_, end_);
        if (found.Lf != nullptr) {
            char* const next = begin_ + (found.Lf - begin_) + 1;
            line = Deliver(begin_, DropCarriageReturns(begin_, next, found), next);
            return true;
        }
        if (atEnd_) {
            // A last line without a line end; one made of CRs alone is nothing.
            if (begin_ == end_)
                return false;
            const std::size_t length = DropCarriageReturns(begin_, end_, found);
            line = Deliver(begin_, length, end_);
            return length != 0;
        }
        if (!Fill())
            return false;
    }
}

bool HeaderLineReader::NextWithHash(HeaderLine& line)
{
    for (;;) {
        std::size_t lineFeeds = 0;
        if (const char* hash = FindHash(begin_, end_, lineFeeds)) {
            char* start = begin_ + (hash - begin_);
            while (start > begin_ && start[-1] != '\n')
                --start;
            lineNumber_ += lineFeeds;
            begin_ = start;
            return Next(line);
        }
        // Every whole line left goes by; an unfinished one waits for more.
        lineNumber_ += lineFeeds;
        char* afterLastLf = end_;
        while (afterLastLf > begin_ && afterLastLf[-1] != '\n')
            --afterLastLf;
        begin_ = afterLastLf;
        if (atEnd_ || !Fill())
            return false;
    }
}

// Closes the gaps that the CRs leave in [from, to) and gives the length that
// remains.
std::size_t HeaderLineReader::DropCarriageReturns(char* from, char* to, const LineEnd& found)
{
    if (found.CarriageReturns == 0)
        return static_cast<std::size_t>(to - from);
    // The usual CR LF end: its CR becomes the LF, and the LF drops out.
    if (found.CarriageReturns == 1 && found.Lf != nullptr && found.LastCarriageReturn + 1 == found.Lf) {
        from[found.Lf - from - 1] = '\n';
        return static_cast<std::size_t>(found.Lf - from);
    }
    char* write = from;
    for (const char* read = from; read < to; ++read) {
        if (*read != '\r')
            *write++ = *read;
    }
    return static_cast<std::size_t>(write - from);
}

HeaderLine HeaderLineReader::Deliver(char* start, std::size_t length, char* next)
{
    begin_ = next;
    return HeaderLine{start, length, bufferOffset_ + static_cast<std::uint64_t>(start - buffer_), ++lineNumber_};
}

// Reads more of the file behind the bytes not yet delivered.
bool HeaderLineReader::Fill()
{
    if (!MakeRoom())
        return false;
    const std::size_t room = std::min(capacity_ - static_cast<std::size_t>(end_ - buffer_), kLargestRead);
    DWORD got = 0;
    if (!ReadFile(file_, end_, static_cast<DWORD>(room), &got, nullptr)) {
        const DWORD code = GetLastError();
        error_ = code != 0 ? code : ERROR_READ_FAULT;
        return false;
    }
    if (got == 0) {
        atEnd_ = true;
        return true;
    }
    char* const fresh = end_;
    if (const void* mark = std::memchr(fresh, kEndOfFileMark, got)) {
        got = static_cast<DWORD>(static_cast<const char*>(mark) - fresh);
        atEnd_ = true;
    }
    end_ += got;
    return true;
}

// Moves the unfinished line to the front of the buffer, and doubles the
// buffer when that line fills it.
bool HeaderLineReader::MakeRoom()
{
    if (buffer_ == nullptr) {
        buffer_ = static_cast<char*>(LocalAlloc(LMEM_FIXED, chunk_));
        if (buffer_ == nullptr) {
            error_ = ERROR_NOT_ENOUGH_MEMORY;
            return false;
        }
        capacity_ = chunk_;
        begin_ = end_ = buffer_;
        return true;
    }
    const std::size_t consumed = static_cast<std::size_t>(begin_ - buffer_);
    const std::size_t pending = static_cast<std::size_t>(end_ - begin_);
    if (consumed != 0) {
        std::memmove(buffer_, begin_, pending);
        bufferOffset_ += consumed;
        begin_ = buffer_;
        end_ = buffer_ + pending;
    }
    if (pending < capacity_)
        return true;
    auto* grown = static_cast<char*>(LocalReAlloc(buffer_, capacity_ * 2, LMEM_MOVEABLE));
    if (grown == nullptr) {
        error_ = ERROR_NOT_ENOUGH_MEMORY;
        return false;
    }
    buffer_ = begin_ = grown;
    end_ = grown + pending;
    capacity_ *= 2;
    return true;
}
