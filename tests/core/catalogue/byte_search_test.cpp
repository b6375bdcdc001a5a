// The sixteen-byte searches for where a number may start and where a name
// ends, against a byte-by-byte reading, at every position around the block
// edges and for every byte value.
#include "catalogue/ByteSearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

const char* Plain(const char* from, const char* to, bool (*wanted)(char))
{
    for (const char* p = from; p < to; ++p) {
        if (wanted(*p))
            return p;
    }
    return to;
}

bool NumberStartOrNul(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '\0';
}

bool NameEnd(char c)
{
    return c == ' ' || c == '\t' || c == '\0';
}

bool NotCNameByte(char c)
{
    return !((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_');
}

// For every byte value at every position of a 40-byte range that holds
// only filler otherwise, and for ranges cut short before it.
void ExpectSameAsPlain(const char* (*search)(const char*, const char*), bool (*wanted)(char), char filler)
{
    constexpr std::size_t kLength = 40;
    for (int value = 0; value < 256; ++value) {
        for (std::size_t at = 0; at < kLength; ++at) {
            // Exactly the range, so a read past it is caught by the sanitizers.
            auto bytes = std::make_unique<char[]>(kLength);
            std::fill(bytes.get(), bytes.get() + kLength, filler);
            bytes[at] = static_cast<char>(value);
            for (std::size_t end : {kLength, at + 1, at}) {
                const char* to = bytes.get() + end;
                ASSERT_EQ(search(bytes.get(), to), Plain(bytes.get(), to, wanted))
                    << "byte " << value << " at " << at << ", range of " << end;
            }
        }
    }
}

TEST(ByteSearchBlocks, NumberStartOrNulAsPlainReading)
{
    ExpectSameAsPlain(FindDigitMinusOrNul, NumberStartOrNul, 'x');
    ExpectSameAsPlain(FindDigitMinusOrNul, NumberStartOrNul, '\xB9');
}

TEST(ByteSearchBlocks, NameEndAsPlainReading)
{
    ExpectSameAsPlain(FindSpaceTabOrNul, NameEnd, 'A');
    ExpectSameAsPlain(FindSpaceTabOrNul, NameEnd, '\xA0');
}

TEST(ByteSearchBlocks, CNameEndAsPlainReading)
{
    for (const char filler : {'a', 'Z', '_', '7'})
        ExpectSameAsPlain(FindNonNameByte, NotCNameByte, filler);
}

} // namespace
