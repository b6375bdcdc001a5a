// The search of logs for codes over arbitrary bytes. The first byte picks:
//   0: the rest as one line. Every code found lies in the line, after the
//      one before, stands between bytes that are no part of a word, and
//      reads back as the value found: a name the vocabulary knows, a
//      number in the reading its form gives, eight digits without 0x only
//      for a defined failure code.
//   1: the rest as a log, fed in pieces whose sizes the bytes give. The
//      text passes through whole and in order, there is one line for each
//      line end (and one for a last line without), and each searched part
//      is the start of its line, within LongestSearchedLine.
#include "FuzzCheck.h"

#include "catalogue/CodeValue.h"
#include "lookup/LogCodes.h"
#include "lookup/LogLines.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

class Vocabulary final : public LogCodeVocabulary {
public:
    bool Defined(DWORD value) const override { return value % 3 == 0; }
    bool Named(std::string_view name) const override { return name.starts_with("E_"); }
};

bool IsWordByte(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

void CheckLine(std::string_view line)
{
    const Vocabulary vocabulary;
    std::vector<LogCode> found;
    FindLogCodes(line, vocabulary, found);
    std::size_t after = 0;
    for (const LogCode& code : found) {
        FUZZ_CHECK(code.Column >= after && code.Length > 0 && code.Column + code.Length <= line.size());
        after = code.Column + code.Length;
        FUZZ_CHECK(code.Column == 0 || !IsWordByte(line[code.Column - 1]));
        FUZZ_CHECK(after == line.size() || !IsWordByte(line[after]));
        std::string_view token = line.substr(code.Column, code.Length);
        switch (code.Form) {
        case LogCodeForm::Name: FUZZ_CHECK(vocabulary.Named(token)); break;
        case LogCodeForm::Hexadecimal:
            while (token.back() == 'u' || token.back() == 'U' || token.back() == 'l' || token.back() == 'L')
                token.remove_suffix(1);
            FUZZ_CHECK(ReadHexCode(token) == code.Value);
            break;
        case LogCodeForm::BareHexadecimal:
            FUZZ_CHECK(token.size() == 8 && ReadDigits(token, 16) == code.Value);
            FUZZ_CHECK((code.Value & 0x80000000u) != 0 && vocabulary.Defined(code.Value));
            break;
        case LogCodeForm::Decimal: {
            const bool negative = token.front() == '-';
            const std::optional<DWORD> magnitude = ReadDigits(token.substr(negative ? 1 : 0), 10);
            FUZZ_CHECK(magnitude && (negative ? 0u - *magnitude : *magnitude) == code.Value);
            break;
        }
        }
    }
}

struct Collected final : LogLineSink {
    std::string text;
    std::vector<std::string> searched;
    void Text(std::string_view bytes) override { text += bytes; }
    void LineEnd(std::uint64_t number, std::string_view part) override
    {
        FUZZ_CHECK(number == searched.size() + 1 && part.size() <= LongestSearchedLine);
        searched.emplace_back(part);
    }
};

void CheckLog(std::string_view log, std::string_view sizes)
{
    Collected lines;
    LogLines reader(lines);
    std::size_t done = 0;
    for (std::size_t i = 0; done < log.size(); ++i) {
        const std::size_t piece = sizes.empty() ? log.size() : 1 + static_cast<unsigned char>(sizes[i % sizes.size()]);
        reader.Feed(log.substr(done, piece));
        done += std::min(piece, log.size() - done);
    }
    reader.Finish();
    FUZZ_CHECK(lines.text == log);
    const auto ends = static_cast<std::size_t>(std::count(log.begin(), log.end(), '\n'));
    FUZZ_CHECK(lines.searched.size() == ends + (log.empty() || log.back() == '\n' ? 0 : 1));
    std::size_t start = 0;
    for (const std::string& part : lines.searched) {
        FUZZ_CHECK(log.substr(start, part.size()) == part);
        start = log.find('\n', start);
        start = start == std::string_view::npos ? log.size() : start + 1;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    if (data[0] % 2 == 0) {
        CheckLine(rest);
    } else {
        // The first bytes give the sizes of the pieces, the rest is the log.
        const std::size_t split = std::min<std::size_t>(rest.size(), 4);
        CheckLog(rest.substr(split), rest.substr(0, split));
    }
    return 0;
}
