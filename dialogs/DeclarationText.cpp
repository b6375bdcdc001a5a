#include "dialogs/DeclarationText.h"

#include "platform/codepage.h"
#include "platform/win32.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

constexpr DWORD ChunkSize = 1 << 20;

const std::array<char16_t, 256>& Ansi1252Characters()
{
    static const std::array<char16_t, 256> characters = [] {
        std::array<char16_t, 256> table{};
        for (int byte = 0; byte < 256; ++byte)
            table[static_cast<std::size_t>(byte)] =
                static_cast<char16_t>(Ansi1252ToUnicode(static_cast<unsigned char>(byte)));
        return table;
    }();
    return characters;
}

class OpenFile {
public:
    explicit OpenFile(HANDLE opened) : handle(opened) {}
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    ~OpenFile()
    {
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    }
    HANDLE handle;
};

std::uint64_t SizeOf(HANDLE file)
{
    DWORD high = 0;
    SetLastError(ERROR_SUCCESS);
    const DWORD low = GetFileSize(file, &high);
    return std::uint64_t{high} << 32 | low;
}

// The bytes from offset on, as many as there are up to count.
bool ReadFrom(HANDLE file, std::uint64_t offset, std::uint64_t count, std::string& bytes)
{
    LONG high = static_cast<LONG>(offset >> 32);
    if (SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER
        && GetLastError() != ERROR_SUCCESS)
        return false;
    bytes.clear();
    while (bytes.size() < count) {
        const std::size_t kept = bytes.size();
        const DWORD wanted = static_cast<DWORD>(std::min<std::uint64_t>(count - kept, ChunkSize));
        bytes.resize(kept + wanted);
        DWORD read = 0;
        if (!ReadFile(file, bytes.data() + kept, wanted, &read, nullptr))
            return false;
        bytes.resize(kept + read);
        if (read == 0)
            break;
    }
    return true;
}

// The lines of bytes around the line that starts at declared, as positions
// in bytes: [from, to). atStart and atEnd tell whether bytes begins and ends
// where the file does, so a line cut by the read is no whole line.
struct Part {
    std::size_t from;
    std::size_t to;
};

Part LinesAround(std::string_view bytes, std::size_t declared, bool atStart, bool atEnd)
{
    const std::size_t budget = static_cast<std::size_t>(DeclarationText::ShownBytes);
    const std::size_t longest = static_cast<std::size_t>(DeclarationText::LongestLine);
    const std::size_t newline = bytes.find('\n', declared);
    Part part{declared, newline == std::string_view::npos ? bytes.size() : newline + 1};
    part.to = std::min(part.to, declared + longest);
    const auto earlier = [&](std::size_t limit) {
        while (part.from > 0 && part.to - part.from < limit) {
            const std::size_t previous = part.from >= 2 ? bytes.rfind('\n', part.from - 2) : std::string_view::npos;
            if (previous == std::string_view::npos && !atStart)
                return;
            const std::size_t start = previous == std::string_view::npos ? 0 : previous + 1;
            if (part.from - start > longest || part.to - start > limit)
                return;
            part.from = start;
        }
    };
    // Earlier lines up to half the budget, then later ones, then earlier
    // ones again with what the later ones left.
    earlier(budget / 2);
    while (part.to < bytes.size()) {
        const std::size_t next = bytes.find('\n', part.to);
        if (next == std::string_view::npos && !atEnd)
            break;
        const std::size_t end = next == std::string_view::npos ? bytes.size() : next + 1;
        if (end - part.to > longest || end - part.from > budget)
            break;
        part.to = end;
    }
    earlier(budget);
    return part;
}

} // namespace

bool DeclarationText::Load(LPCSTR path, std::uint64_t declaredAt)
{
    *this = DeclarationText();
    OpenFile file(
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.handle == INVALID_HANDLE_VALUE)
        return false;
    const std::uint64_t size = SizeOf(file.handle);
    if (GetLastError() != ERROR_SUCCESS)
        return false;

    // Whatever is shown lies within half the budget before the declaring
    // line and the whole budget after it, or, near the end of the file,
    // within the last budget's worth of bytes.
    const std::uint64_t declared = std::min(declaredAt, size);
    const std::uint64_t lastBudget = size > ShownBytes ? size - ShownBytes : 0;
    const std::uint64_t readFrom = std::min(declared > ShownBytes / 2 ? declared - ShownBytes / 2 : 0, lastBudget);
    std::string bytes;
    if (!ReadFrom(file.handle, readFrom, declared - readFrom + ShownBytes, bytes))
        return false;
    const bool atEnd = readFrom + bytes.size() >= size;
    const Part part =
        LinesAround(bytes, static_cast<std::size_t>(std::min<std::uint64_t>(declared - readFrom, bytes.size())),
                    readFrom == 0, atEnd);
    shownFrom = readFrom + part.from;
    shownTo = readFrom + part.to;
    partial = part.from > 0 || readFrom > 0 || part.to < bytes.size() || !atEnd;

    const std::array<char16_t, 256>& characters = Ansi1252Characters();
    text.resize(static_cast<qsizetype>(part.to - part.from));
    QChar* out = text.data();
    for (std::size_t i = part.from; i < part.to; ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        if (byte == '\r')
            droppedAt.push_back(readFrom + i);
        else
            *out++ = QChar(characters[byte]);
    }
    text.truncate(out - text.constData());
    return true;
}

qsizetype DeclarationText::PositionOf(std::uint64_t byteOffset) const
{
    const std::uint64_t offset = std::clamp(byteOffset, shownFrom, shownTo);
    const auto droppedBefore = std::lower_bound(droppedAt.begin(), droppedAt.end(), offset) - droppedAt.begin();
    return static_cast<qsizetype>(offset - shownFrom) - static_cast<qsizetype>(droppedBefore);
}
