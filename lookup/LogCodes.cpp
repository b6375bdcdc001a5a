#include "lookup/LogCodes.h"

#include "lookup/BuiltInCatalogue.h"
#include "text/HexDigit.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::size_t MaxHexDigits = 8;
constexpr std::size_t MaxDecimalDigits = 10;
constexpr std::size_t NegativeCodeDigits = 9; // 0xF0000000 read signed is -268435456
constexpr DWORD FailureBit = 0x80000000u;
// Long enough for every word below and every defined name; a longer word
// is none of them.
constexpr std::size_t LongestKeyword = 80;
// Blanks and punctuation looked past between a word and its number.
constexpr std::size_t LongestGap = 8;

constexpr std::array<bool, 256> WordBytes = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    return table;
}();

bool IsWordByte(char c)
{
    return WordBytes[static_cast<unsigned char>(c)];
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Between a word that introduces a code and the code: "error: 5",
// "hr=(5)", "Error code [5]", "GetLastError() = 5".
bool IsGapByte(char c)
{
    switch (c) {
    case ' ':
    case '\t':
    case ':':
    case '=':
    case '#':
    case '(':
    case ')':
    case '[':
    case ']':
    case '"':
    case '\'': return true;
    default: return false;
    }
}

// What joins the parts of versions, dates, times, GUIDs, paths and grouped
// thousands.
bool IsJoiner(char c)
{
    switch (c) {
    case '.':
    case ':':
    case '-':
    case '/':
    case '\\':
    case ',':
    case '+': return true;
    default: return false;
    }
}

// A short word in lower case, or empty when it is longer than any keyword.
struct LowerWord {
    std::array<char, LongestKeyword> text{};
    std::size_t size = 0;
    std::size_t start = 0; // where the word begins in the line

    std::string_view View() const { return {text.data(), size}; }

    // line[start, end), which fits, in lower case.
    static LowerWord Of(std::string_view line, std::size_t start, std::size_t end)
    {
        LowerWord word;
        word.size = end - start;
        word.start = start;
        for (std::size_t i = 0; i < word.size; ++i) {
            const char c = line[start + i];
            word.text[i] = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        }
        return word;
    }
};

// The word that begins at start after blanks, in lower case; empty when
// it is longer than any unit.
LowerWord WordAfter(std::string_view line, std::size_t start)
{
    LowerWord word;
    while (start < line.size() && (line[start] == ' ' || line[start] == '\t'))
        ++start;
    std::size_t end = start;
    while (end < line.size() && IsWordByte(line[end]) && end - start <= LongestKeyword)
        ++end;
    if (end - start > LongestKeyword)
        return word;
    return LowerWord::Of(line, start, end);
}

// The word that ends before end, after the gap bytes before end; empty
// (size 0) when there is none or it is too long to be a keyword.
LowerWord WordBefore(std::string_view line, std::size_t end)
{
    LowerWord word;
    std::size_t gap = 0;
    while (end > 0 && gap < LongestGap && IsGapByte(line[end - 1])) {
        --end;
        ++gap;
    }
    std::size_t start = end;
    while (start > 0 && IsWordByte(line[start - 1]) && end - start <= LongestKeyword)
        --start;
    if (start == end || end - start > LongestKeyword)
        return word;
    return LowerWord::Of(line, start, end);
}

bool OneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// The word before a number says it is something other than a code.
bool SaysOtherThanCode(std::string_view word)
{
    return OneOf(word, {"offset", "address", "addr", "at", "base", "pid", "tid", "id", "ip", "eip", "rip", "esp", "rsp",
                        "ebp", "rbp", "sp", "pc", "ptr", "pointer", "handle", "hwnd", "hmodule", "hinstance", "size",
                        "length", "len", "bytes", "stamp", "timestamp", "time", "tick", "ticks", "thread", "process",
                        "version", "ver", "checksum", "crc", "hash", "flags", "flag", "mask", "attributes", "access",
                        "options", "mode", "tag", "key", "va", "rva", "page", "sector", "lba", "cookie", "context",
                        "port", "index", "count", "line", "build", "session", "parameter", "parameters", "param", "arg",
                        "location", "subcode",
                        // registers, as a crash dump lists them
                        "eax", "ebx", "ecx", "edx", "esi", "edi", "efl", "rax", "rbx", "rcx", "rdx", "rsi", "rdi", "r8",
                        "r9", "r10", "r11", "r12", "r13", "r14", "r15"});
}

// The word after a number says it counts something: "0x10000 bytes".
bool IsUnit(std::string_view word)
{
    return OneOf(word, {"b",     "bytes",   "byte", "kb",    "mb",    "gb",      "kib",     "mib",
                        "gib",   "ms",      "s",    "sec",   "secs",  "seconds", "us",      "ns",
                        "items", "records", "rows", "lines", "files", "times",   "entries", "pages"});
}

bool IntroducesCode(std::string_view line, const LowerWord& word)
{
    if (OneOf(word.View(), {"is", "was", "of"}))
        return IntroducesCode(line, WordBefore(line, word.start));
    if (word.View() == "value")
        return WordBefore(line, word.start).View() == "error";
    if (word.View() == "with") {
        const LowerWord before = WordBefore(line, word.start);
        return OneOf(before.View(), {"failed", "fails", "exited", "terminated"});
    }
    // NativeErrorCode, lpExitCode, dwError: a name that ends with one of them.
    for (const std::string_view ending : {"errorcode", "exitcode", "error", "hresult", "ntstatus"}) {
        if (word.size > ending.size() && word.View().ends_with(ending))
            return true;
    }
    if (!OneOf(word.View(), {"error",  "err",      "errcode",   "errorcode", "error_code",   "code",    "hr",
                             "hres",   "hresult",  "scode",     "lasterror", "getlasterror", "win32",   "ntstatus",
                             "status", "exitcode", "exit_code", "rc",        "returning",    "returned"}))
        return false;
    const LowerWord before = WordBefore(line, word.start);
    if (OneOf(before.View(), {"http", "https"}))
        return false;
    if (OneOf(word.View(), {"code", "status"}) && OneOf(before.View(), {"response", "status"}))
        return false;
    return true;
}

bool StartsHex(std::string_view line, std::size_t at)
{
    return at + 1 < line.size() && line[at] == '0' && (line[at + 1] == 'x' || line[at + 1] == 'X');
}

// The number is part of a longer one: 10.0.19041.1, 2023-11-05, 10:22,
// a GUID's group, C:\5\x, 1,234, a symbol's offset (Function+0x56). No
// date, time or version is written with 0x, so such a number may follow a
// name and a colon or another number and a slash (hr:0x80004002,
// -2147024885/0x8007000b); and a number may stand before one.
bool Joined(std::string_view line, std::size_t start, std::size_t end, bool prefixed = false)
{
    const bool before = start >= 2 && IsJoiner(line[start - 1]) && IsWordByte(line[start - 2])
                        && !(prefixed && (line[start - 1] == ':' || line[start - 1] == '/'));
    const bool after = end + 1 < line.size() && IsJoiner(line[end]) && IsWordByte(line[end + 1])
                       && !(line[end] == '/' && StartsHex(line, end + 1));
    return before || after;
}

// digits are hexadecimal or decimal digits only, at most 10 of them.
DWORD ReadNumber(std::string_view digits, unsigned base, bool& fits)
{
    std::uint64_t value = 0;
    for (const char c : digits)
        value = value * base + static_cast<unsigned>(HexDigitValue(c));
    fits = value <= 0xFFFFFFFFu;
    return static_cast<DWORD>(value);
}

bool AllHex(std::string_view digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return HexDigitValue(c) >= 0; });
}

bool AllDigits(std::string_view digits)
{
    return std::all_of(digits.begin(), digits.end(), IsDigit);
}

// Every defined name has a '_' or no lower-case letter (NOERROR,
// WSAEACCES): most words of a log are neither, and are not looked up.
bool MayBeName(std::string_view word)
{
    return word.find('_') != std::string_view::npos
           || std::none_of(word.begin(), word.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

// An undefined failure code still tells its facility (0x8007052E is
// ERROR_LOGON_FAILURE's HRESULT, which nothing defines); a number such as
// INT_MIN, of no facility, counts only when it is defined.
bool FailureOfNamedFacility(DWORD value)
{
    const DWORD facility = value >> 16 & 0x7FFu;
    return (value & FailureBit) != 0 && facility != 0 && !HResultFacilityName(facility).empty();
}

// Eight hexadecimal digits whose value is a defined failure code.
bool DefinedFailure(std::string_view digits, const LogCodeVocabulary& vocabulary, DWORD& value)
{
    bool fits = false;
    value = ReadNumber(digits, 16, fits);
    return (value & FailureBit) != 0 && vocabulary.Defined(value);
}

class LineReader {
public:
    LineReader(std::string_view line_, const LogCodeVocabulary& vocabulary_, std::vector<LogCode>& found_)
        : line(line_), vocabulary(vocabulary_), found(found_)
    {
    }

    void Word(std::size_t start, std::size_t end)
    {
        const std::string_view word = line.substr(start, end - start);
        const char first = word.front();
        if (first == '0' && word.size() > 2 && (word[1] == 'x' || word[1] == 'X'))
            Hexadecimal(start, end);
        else if (IsDigit(first) && AllDigits(word))
            Decimal(start, end);
        else if (word.size() == MaxHexDigits && HexDigitValue(first) >= 0 && AllHex(word))
            BareHexadecimal(start, end);
        else if (first >= 'A' && first <= 'Z' && MayBeName(word) && vocabulary.Named(word))
            found.push_back({start, word.size(), 0, LogCodeForm::Name});
    }

private:
    bool Counts(std::size_t start, std::size_t end, bool prefixed = false) const
    {
        return !Joined(line, start, end, prefixed) && !SaysOtherThanCode(WordBefore(line, start).View())
               && !IsUnit(WordAfter(line, end).View());
    }

    // "WSAECONNREFUSED (10061)": a defined name before the number, which
    // stands in parentheses.
    bool AfterName(const LowerWord& before, std::size_t tokenStart) const
    {
        if (before.size == 0 || tokenStart == 0 || line[tokenStart - 1] != '(')
            return false;
        const std::string_view word = line.substr(before.start, before.size);
        return word.front() >= 'A' && word.front() <= 'Z' && MayBeName(word) && vocabulary.Named(word);
    }

    void Hexadecimal(std::size_t start, std::size_t end)
    {
        std::string_view digits = line.substr(start + 2, end - start - 2);
        // A C suffix: U, L, UL, LL, ULL in either case.
        for (int i = 0;
             i < 3 && !digits.empty()
             && (digits.back() == 'u' || digits.back() == 'U' || digits.back() == 'l' || digits.back() == 'L');
             ++i)
            digits.remove_suffix(1);
        if (digits.empty() || digits.size() > MaxHexDigits || !AllHex(digits) || !Counts(start, end, true))
            return;
        bool fits = false;
        found.push_back({start, end - start, ReadNumber(digits, 16, fits), LogCodeForm::Hexadecimal});
    }

    void BareHexadecimal(std::size_t start, std::size_t end)
    {
        DWORD value = 0;
        if (DefinedFailure(line.substr(start, end - start), vocabulary, value) && Counts(start, end))
            found.push_back({start, end - start, value, LogCodeForm::BareHexadecimal});
    }

    void Decimal(std::size_t start, std::size_t end)
    {
        const std::string_view digits = line.substr(start, end - start);
        // A sign stands after a blank or an opening, never inside a date
        // (2023-11-05) or after another sign.
        const bool negative = start > 0 && line[start - 1] == '-'
                              && (start == 1 || (!IsWordByte(line[start - 2]) && !IsJoiner(line[start - 2])));
        const std::size_t tokenStart = negative ? start - 1 : start;
        if (digits.size() > MaxDecimalDigits || Joined(line, tokenStart, end) || IsUnit(WordAfter(line, end).View()))
            return;
        DWORD hex = 0;
        if (!negative && digits.size() == MaxHexDigits && DefinedFailure(digits, vocabulary, hex)) {
            if (!SaysOtherThanCode(WordBefore(line, start).View()))
                found.push_back({start, end - start, hex, LogCodeForm::BareHexadecimal});
            return;
        }
        bool fits = false;
        const DWORD magnitude = ReadNumber(digits, 10, fits);
        if (!fits || (negative && magnitude > FailureBit))
            return;
        const DWORD value = negative ? 0u - magnitude : magnitude;
        const LowerWord before = WordBefore(line, tokenStart);
        const bool known = vocabulary.Defined(value) || FailureOfNamedFacility(value);
        const bool introduced = (IntroducesCode(line, before) || AfterName(before, tokenStart)) && known;
        const bool failureCode =
            negative && digits.size() >= NegativeCodeDigits && !SaysOtherThanCode(before.View()) && known;
        if (introduced || failureCode)
            found.push_back({tokenStart, end - tokenStart, value, LogCodeForm::Decimal});
    }

    std::string_view line;
    const LogCodeVocabulary& vocabulary;
    std::vector<LogCode>& found;
};

} // namespace

void FindLogCodes(std::string_view line, const LogCodeVocabulary& vocabulary, std::vector<LogCode>& found)
{
    found.clear();
    LineReader reader(line, vocabulary, found);
    const std::size_t size = line.size();
    std::size_t i = 0;
    while (i < size) {
        while (i < size && !IsWordByte(line[i]))
            ++i;
        const std::size_t start = i;
        while (i < size && IsWordByte(line[i]))
            ++i;
        if (i > start)
            reader.Word(start, i);
    }
}
