#include "lookup/LogLines.h"

#include <cstring>

namespace {

std::string_view SearchedPart(std::string_view line, bool cut)
{
    if (cut) {
        const std::size_t blank = line.find_last_of(" \t");
        return line.substr(0, blank == std::string_view::npos ? 0 : blank);
    }
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

} // namespace

void LogLines::Hold(std::string_view bytes)
{
    started = true;
    const std::size_t room = LongestSearchedLine - held.size();
    if (bytes.size() > room)
        cut = true;
    held.append(bytes.substr(0, room));
}

void LogLines::EndLine(std::string_view searched)
{
    sink.LineEnd(++number, searched);
    held.clear();
    started = false;
    cut = false;
}

void LogLines::Feed(std::string_view bytes)
{
    while (!bytes.empty()) {
        const void* found = std::memchr(bytes.data(), '\n', bytes.size());
        if (found == nullptr) {
            sink.Text(bytes);
            Hold(bytes);
            return;
        }
        const std::size_t end = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
        const std::string_view line = bytes.substr(0, end);
        sink.Text(bytes.substr(0, end + 1));
        if (!started && line.size() <= LongestSearchedLine) {
            EndLine(SearchedPart(line, false));
        } else {
            Hold(line);
            EndLine(SearchedPart(held, cut));
        }
        bytes.remove_prefix(end + 1);
    }
}

void LogLines::Finish()
{
    if (started)
        EndLine(SearchedPart(held, cut));
}
