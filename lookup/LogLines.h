// A log read as lines from pieces of any size, in memory that stays the
// same whatever the size of the log or the length of a line: the bytes go
// on as they come, and only the start of the current line is kept.
//
// A line is searched for codes up to LongestSearchedLine bytes; a longer
// line is searched up to the last blank or tab in those bytes (so no code
// is cut in two), and the rest of it passes through unsearched.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr std::size_t LongestSearchedLine = 65536;

class LogLineSink {
public:
    // The log's bytes in order, line ends included, as they are read.
    virtual void Text(std::string_view bytes) = 0;
    // After the last bytes of each line: its number, from 1, and its
    // searched part, without the line end (LF or CR LF).
    virtual void LineEnd(std::uint64_t number, std::string_view searched) = 0;

protected:
    ~LogLineSink() = default;
};

class LogLines {
public:
    explicit LogLines(LogLineSink& sink_) : sink(sink_) {}

    void Feed(std::string_view bytes);
    // Ends a last line that has no line end; nothing when there is none.
    void Finish();

private:
    void EndLine(std::string_view searched);
    void Hold(std::string_view bytes);

    LogLineSink& sink;
    std::string held; // the start of a line that began in an earlier piece
    bool started = false;
    bool cut = false; // the line is longer than LongestSearchedLine
    std::uint64_t number = 0;
};
