#include "HeaderLineReader.h"

#include "platform/win32.h"

#include <algorithm>
#include <cstring>

namespace {

// Large enough that a whole header usually arrives in a few reads; a longer
// line makes the buffer grow.
constexpr std::size_t kChunk = 256 * 1024;
constexpr std::size_t kLargestRead = std::size_t(1) << 30;
constexpr char kEndOfFileMark = 26;

char* Find(char* from, char* to, char byte)
{
    return static_cast<char*>(std::memchr(from, byte, static_cast<std::size_t>(to - from)));
}

} // namespace

HeaderLineReader::HeaderLineReader(HANDLE file)
    : file_(file)
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
        if (char* lineEnd = begin_ == end_ ? nullptr : Find(begin_, end_, '\n')) {
            char* const next = lineEnd + 1;
            std::size_t length = static_cast<std::size_t>(next - begin_);
            const bool hadCarriageReturn = carriageReturn_ != nullptr && carriageReturn_ < lineEnd;
            if (hadCarriageReturn)
                length = DropCarriageReturns(begin_, next);
            line = Deliver(begin_, length, next);
            if (hadCarriageReturn)
                carriageReturn_ = Find(next, end_, '\r');
            return true;
        }
        if (atEnd_) {
            // A last line without a line end; one made of CRs alone is nothing.
            if (begin_ == end_)
                return false;
            std::size_t length = static_cast<std::size_t>(end_ - begin_);
            if (carriageReturn_ != nullptr)
                length = DropCarriageReturns(begin_, end_);
            carriageReturn_ = nullptr;
            line = Deliver(begin_, length, end_);
            return length != 0;
        }
        if (!Fill())
            return false;
    }
}

// Closes the gaps left by the CRs of [from, to), the first of which is
// carriageReturn_, and gives the length that remains.
std::size_t HeaderLineReader::DropCarriageReturns(char* from, char* to)
{
    char* write = carriageReturn_;
    for (const char* read = carriageReturn_; read < to; ++read) {
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
    if (char* mark = Find(fresh, fresh + got, kEndOfFileMark)) {
        got = static_cast<DWORD>(mark - fresh);
        atEnd_ = true;
    }
    end_ += got;
    if (carriageReturn_ == nullptr)
        carriageReturn_ = Find(fresh, end_, '\r');
    return true;
}

// Moves the unfinished line to the front of the buffer, and doubles the
// buffer when that line fills it.
bool HeaderLineReader::MakeRoom()
{
    if (buffer_ == nullptr) {
        buffer_ = static_cast<char*>(LocalAlloc(LMEM_FIXED, kChunk));
        if (buffer_ == nullptr) {
            error_ = ERROR_NOT_ENOUGH_MEMORY;
            return false;
        }
        capacity_ = kChunk;
        begin_ = end_ = buffer_;
        return true;
    }
    const std::size_t consumed = static_cast<std::size_t>(begin_ - buffer_);
    const std::size_t pending = static_cast<std::size_t>(end_ - begin_);
    if (consumed != 0) {
        std::memmove(buffer_, begin_, pending);
        bufferOffset_ += consumed;
        if (carriageReturn_ != nullptr)
            carriageReturn_ -= consumed;
        begin_ = buffer_;
        end_ = buffer_ + pending;
    }
    if (pending < capacity_)
        return true;
    const std::ptrdiff_t carriageReturnAt = carriageReturn_ != nullptr ? carriageReturn_ - buffer_ : -1;
    auto* grown = static_cast<char*>(LocalReAlloc(buffer_, capacity_ * 2, LMEM_MOVEABLE));
    if (grown == nullptr) {
        error_ = ERROR_NOT_ENOUGH_MEMORY;
        return false;
    }
    if (carriageReturnAt >= 0)
        carriageReturn_ = grown + carriageReturnAt;
    buffer_ = begin_ = grown;
    end_ = grown + pending;
    capacity_ *= 2;
    return true;
}
