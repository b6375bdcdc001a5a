#include "ExpressionRows.h"

#include "catalogue/CSourceBytes.h"
#include "catalogue/DefineLine.h"
#include "catalogue/HeaderLineReader.h"

#include "ConstantExpression.h"
#include "MacroTable.h"

#include "platform/win32.h"

#include <bit>
#include <cstring>

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

// The words that may stand around a plain number without changing its 32
// bits: casts, and the headers' wrapper macros.
bool IsNumberWrapper(std::string_view word)
{
    return Is32BitTypeWord(word) || word == "_HRESULT_TYPEDEF_" || word == "__MSABI_LONG" || word == "__LONG32";
}

// Reads the line that starts at offset back from an open header, by the
// scan's own reader, so that it reads as the scan read it.
bool ReadLineAt(HANDLE file, std::uint64_t offset, std::string& line)
{
    LONG high = static_cast<LONG>(offset >> 32);
    SetLastError(0);
    if (SetFilePointer(file, static_cast<LONG>(offset & 0xFFFFFFFFu), &high, FILE_BEGIN) == INVALID_SET_FILE_POINTER
        && GetLastError() != 0)
        return false;
    HeaderLineReader reader(file, offset, 512);
    HeaderLine read{};
    if (!reader.Next(read))
        return false;
    line.assign(read.Text, read.Length);
    return true;
}

// Where each define of the load is, by the hash of its name: open addressing
// over the distinct hashes, each slot leading to a chain of the defines with
// that hash in load order, so the first match is the first definition. A
// name defined hundreds of times (INTERFACE, once for each COM interface)
// then costs one step a definition, not a walk past all the others.
template <typename Define> class DefineIndex {
public:
    explicit DefineIndex(const std::deque<Define>& defines_)
        : defines(defines_), slots(std::bit_ceil(defines.size() * 2 + 2)), next(defines.size() + 1, 0)
    {
        // Last define first, each put at the head of its chain.
        std::uint32_t number = static_cast<std::uint32_t>(defines.size());
        for (auto define = defines.rbegin(); define != defines.rend(); ++define, --number) {
            Slot& slot = Find(define->NameHash);
            slot.Hash = define->NameHash;
            next[number] = slot.First;
            slot.First = number;
        }
    }

    // Calls found(define) for each define whose hash is hash, in load order,
    // until it returns true.
    template <typename Found> void Each(std::uint32_t hash, Found found) const
    {
        for (std::uint32_t number = Find(hash).First; number != 0; number = next[number]) {
            if (found(defines[number - 1]))
                return;
        }
    }

private:
    struct Slot {
        std::uint32_t Hash = 0;
        std::uint32_t First = 0; // 0, or 1 + the first define with the hash
    };

    // The slot of hash, or the empty one where it would go.
    template <typename Self> static auto& FindIn(Self& self, std::uint32_t hash)
    {
        std::size_t at = hash & (self.slots.size() - 1);
        while (self.slots[at].First != 0 && self.slots[at].Hash != hash)
            at = (at + 1) & (self.slots.size() - 1);
        return self.slots[at];
    }
    Slot& Find(std::uint32_t hash) { return FindIn(*this, hash); }
    const Slot& Find(std::uint32_t hash) const { return FindIn(*this, hash); }

    const std::deque<Define>& defines;
    std::vector<Slot> slots;
    std::vector<std::uint32_t> next; // by define number: the next with its hash
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
    const DefineIndex<Define> index(defines);
    OpenHeaders files(table);
    std::string line;
    const MacroTable macros([&](std::string_view name) {
        std::optional<MacroDefinition> definition;
        index.Each(NameHash(name), [&](const Define& define) {
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
