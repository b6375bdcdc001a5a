// The header scan's byte searches, which read sixteen bytes at a time, over
// arbitrary bytes in a buffer of exactly their size (ASan catches a load
// past either end), at every alignment of the start, against one-byte-at-a-
// time readings of the same rules. The input repeated up to 64 times reaches
// the long runs where FindHash sums its per-byte LF counts. The define-line
// parser built on them runs over the same buffer.
#include "FuzzCheck.h"

#include "catalogue/ByteSearch.h"
#include "catalogue/CSourceBytes.h"
#include "catalogue/DefineLine.h"
#include "catalogue/PrefixSet.h"
#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

namespace {

constexpr std::size_t kMostRepeats = 64;
constexpr std::size_t kAlignments = 16;

const char* FirstOf(const char* from, const char* to, std::string_view bytes)
{
    return std::find_if(from, to, [bytes](char c) { return bytes.find(c) != std::string_view::npos; });
}

void CheckLineEnd(const char* from, const char* to)
{
    const char* lf = std::find(from, to, '\n');
    const LineEnd found = FindLineEnd(from, to);
    FUZZ_CHECK(found.Lf == (lf == to ? nullptr : lf));
    FUZZ_CHECK(found.CarriageReturns == static_cast<std::size_t>(std::count(from, lf, '\r')));
    const auto last = std::find(std::make_reverse_iterator(lf), std::make_reverse_iterator(from), '\r');
    FUZZ_CHECK(found.LastCarriageReturn == (last.base() == from ? nullptr : last.base() - 1));
}

void CheckHash(const char* from, const char* to)
{
    const char* hash = std::find(from, to, '#');
    std::size_t lineFeeds = 0xDEAD;
    FUZZ_CHECK(FindHash(from, to, lineFeeds) == (hash == to ? nullptr : hash));
    FUZZ_CHECK(lineFeeds == static_cast<std::size_t>(std::count(from, hash, '\n')));
}

void CheckSearches(const char* from, const char* to)
{
    CheckLineEnd(from, to);
    CheckHash(from, to);
    FUZZ_CHECK(FindDigitMinusOrNul(from, to) == FirstOf(from, to, std::string_view("0123456789-\0", 12)));
    FUZZ_CHECK(FindSpaceTabOrNul(from, to) == FirstOf(from, to, std::string_view(" \t\0", 3)));
    const char* nonName = from;
    while (nonName < to && IsCNameByte(*nonName))
        ++nonName;
    FUZZ_CHECK(FindNonNameByte(from, to) == nonName);
}

struct EveryName {
    TStringsStorage List;
    std::string Selected;

    EveryName()
    {
        for (const char* prefix : {"_", "A", "B", "C", "D", "E", "M", "R", "S", "x"})
            FUZZ_CHECK(List.Add(prefix) == ERROR_SUCCESS);
        Selected.assign(static_cast<std::size_t>(List.Count()), '\1');
    }
};

void CheckDefineLine(const char* text, std::size_t length)
{
    static const EveryName names;
    static const PrefixSet prefixes(names.List, reinterpret_cast<const BYTE*>(names.Selected.data()));
    // The scan hands its reading of a line's start to the macro name's
    // reader; with it or without, the name is the same.
    const std::string_view macro = DefinedMacroName(text, length);
    FUZZ_CHECK(DefinedMacroName(text, length, DefineNameStart(text, length)) == macro);
    FUZZ_CHECK(macro.empty() || (macro.data() >= text && macro.data() + macro.size() <= text + length));
    DefinedCode code{};
    if (!ParseDefineLine(text, length, prefixes, code))
        return;
    FUZZ_CHECK(!code.Name.empty());
    FUZZ_CHECK(code.Name.data() >= text && code.Name.data() + code.Name.size() <= text + length);
    FUZZ_CHECK(code.Name.find_first_of(std::string_view(" \t\0", 3)) == std::string_view::npos);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::size_t repeats = size == 0 ? 1 : 1 + data[0] % kMostRepeats;
    const std::size_t total = size * repeats;
    // Every alignment for the input itself; one, chosen by the input, for
    // the long repeated runs, which cost far more.
    const std::size_t firstSkip = repeats == 1 || size < 2 ? 0 : data[1] % kAlignments;
    const std::size_t lastSkip = repeats == 1 ? kAlignments - 1 : firstSkip;
    for (std::size_t skip = firstSkip; skip <= lastSkip && skip <= total; ++skip) {
        // A fresh buffer of exactly the bytes searched, so that both ends
        // are the ends of the allocation.
        const std::size_t length = total - skip;
        const auto bytes = std::make_unique<char[]>(length);
        for (std::size_t i = 0; i < length; ++i)
            bytes[i] = static_cast<char>(data[(skip + i) % size]);
        CheckSearches(bytes.get(), bytes.get() + length);
        if (repeats == 1)
            CheckDefineLine(bytes.get(), length);
    }
    return 0;
}
