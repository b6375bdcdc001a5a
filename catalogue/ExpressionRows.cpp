#include "ExpressionRows.h"

#include "catalogue/CSourceBytes.h"
#include "catalogue/DefineLine.h"

#include "ConstantExpression.h"
#include "MacroTable.h"

#include "platform/win32.h"

#include <array>
#include <bit>
#include <cstring>
#include <memory>

namespace {

// Eight bytes a step: every #define of a load is hashed while the headers
// are read, so a byte-at-a-time hash would be a good part of the load.
std::uint32_t NameHash(std::string_view name)
{
    constexpr std::uint64_t kMultiplier = 0x9E3779B97F4A7C15u;
    std::uint64_t hash = name.size() * kMultiplier;
    std::size_t at = 0;
    for (; at + 8 <= name.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, name.data() + at, 8);
        hash = (hash ^ word) * kMultiplier;
        hash ^= hash >> 29;
    }
    if (at < name.size()) {
        std::uint64_t word = 0;
        for (std::size_t i = at; i < name.size(); ++i)
            word = word << 8 | static_cast<unsigned char>(name[i]);
        hash = (hash ^ word) * kMultiplier;
        hash ^= hash >> 29;
    }
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

// The words that may stand around a plain number without changing it.
bool IsNumberWrapper(std::string_view word)
{
    static constexpr std::array<std::string_view, 13> kWrappers = {
        "_HRESULT_TYPEDEF_", "__MSABI_LONG", "HRESULT", "NTSTATUS", "SCODE", "DWORD", "LONG", "ULONG", "long", "int",
        "unsigned",          "__LONG32",     "LSTATUS"};
    for (const std::string_view w : kWrappers) {
        if (word == w)
            return true;
    }
    return false;
}

// Reads the line that starts at offset back from an open header, with the
// scan's rules: CRs dropped, a line of more than a megabyte taken as none.
bool ReadLineAt(HANDLE file, std::uint64_t offset, std::string& line)
{
    constexpr std::size_t kLongestLine = 1 << 20;
    LONG high = static_cast<LONG>(offset >> 32);
    if (SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER
        && GetLastError() != 0)
        return false;
    line.clear();
    std::array<char, 512> chunk;
    while (line.size() < kLongestLine) {
        DWORD got = 0;
        if (!ReadFile(file, chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr))
            return false;
        for (DWORD i = 0; i < got; ++i) {
            const char c = chunk[i];
            if (c == '\n' || c == 26)
                return true;
            if (c != '\r')
                line += c;
        }
        if (got == 0)
            return true;
    }
    return false;
}

// Where each define of the load is, by the hash of its name: open addressing,
// so that the table is two numbers a define; along a probe the defines come in
// load order, so the first match is the first definition.
class DefineIndex {
public:
    template <typename Define>
    explicit DefineIndex(const std::deque<Define>& defines) : slots(std::bit_ceil(defines.size() * 2 + 2), 0)
    {
        for (std::size_t d = 0; d < defines.size(); ++d) {
            std::size_t at = defines[d].NameHash & (slots.size() - 1);
            while (slots[at] != 0)
                at = (at + 1) & (slots.size() - 1);
            slots[at] = static_cast<std::uint32_t>(d + 1);
        }
    }

    // Calls found(define) for each define whose hash is hash, in load order,
    // until it returns true.
    template <typename Defines, typename Found> void Each(std::uint32_t hash, const Defines& defines, Found found) const
    {
        for (std::size_t at = hash & (slots.size() - 1); slots[at] != 0; at = (at + 1) & (slots.size() - 1)) {
            if (defines[slots[at] - 1].NameHash == hash && found(defines[slots[at] - 1]))
                return;
        }
    }

private:
    std::vector<std::uint32_t> slots;
};

class OpenHeaders {
public:
    explicit OpenHeaders(const CodeTable& table) : table_(table), handles_(table.HeaderCount(), nullptr) {}
    OpenHeaders(const OpenHeaders&) = delete;
    OpenHeaders& operator=(const OpenHeaders&) = delete;
    ~OpenHeaders()
    {
        for (HANDLE handle : handles_) {
            if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
        }
    }

    HANDLE Get(std::uint32_t header)
    {
        if (handles_[header] == nullptr)
            handles_[header] = CreateFileA(table_.HeaderPath(header).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return handles_[header];
    }

private:
    const CodeTable& table_;
    std::vector<HANDLE> handles_;
};

} // namespace

bool IsPlainNumber(std::string_view text)
{
    bool number = false;
    bool minus = false;
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (IsCBlank(c) || c == '(' || c == ')') {
            ++at;
        } else if (c == '/' && at + 1 < text.size() && text[at + 1] == '/') {
            break;
        } else if (c == '/' && at + 1 < text.size() && text[at + 1] == '*') {
            const std::size_t end = text.find("*/", at + 2);
            if (end == std::string_view::npos)
                break;
            at = end + 2;
        } else if (c == '-' && !number && !minus) {
            minus = true;
            ++at;
        } else if (IsCNameByte(c)) {
            const std::size_t start = at;
            while (at < text.size() && IsCNameByte(text[at]))
                ++at;
            const bool digits = c >= '0' && c <= '9';
            if (number || (!digits && (minus || !IsNumberWrapper(text.substr(start, at - start)))))
                return false;
            number = digits;
        } else {
            return false;
        }
    }
    return number;
}

void ExpressionRows::NoteDefine(std::uint32_t header, std::uint64_t lineOffset, std::string_view name)
{
    defines.push_back({NameHash(name), header, lineOffset});
}

void ExpressionRows::NoteRow(std::size_t row, std::string_view valueText)
{
    if (IsPlainNumber(valueText))
        return;
    rows.push_back({row, texts.size(), valueText.size()});
    texts += valueText;
}

void ExpressionRows::Rewind(const Mark& mark)
{
    defines.resize(mark.Defines);
    rows.resize(mark.Rows);
    texts.resize(mark.TextSize);
}

void ExpressionRows::Evaluate(CodeTable& table) const
{
    if (rows.empty())
        return;
    const DefineIndex index(defines);
    OpenHeaders files(table);
    std::string line;
    const MacroTable macros([&](std::string_view name) {
        std::optional<MacroDefinition> definition;
        index.Each(NameHash(name), defines, [&](const Define& define) {
            const HANDLE file = files.Get(define.Header);
            if (file == INVALID_HANDLE_VALUE || !ReadLineAt(file, define.LineOffset, line))
                return false;
            if (DefinedMacroName(line.data(), line.size()) != name)
                return false;
            // The first definition holds even where it cannot be read (one
            // continued on the next line): a later one is not guessed at.
            if (std::optional<NamedMacro> macro = ReadDefineLine(line.data(), line.size()))
                definition = std::move(macro->Definition);
            return true;
        });
        return definition;
    });
    for (const Row& row : rows) {
        if (const std::optional<std::uint32_t> value =
                EvaluateConstant(std::string_view(texts).substr(row.TextStart, row.TextSize), macros))
            table.SetValue(row.Index, *value);
    }
}
