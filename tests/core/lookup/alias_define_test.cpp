#include "lookup/AliasDefine.h"

#include "catalogue/PrefixSet.h"
#include "text/TStringsStorage.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct AliasCase {
    const char* Line;
    const char* Name; // null: no alias
    const char* Target;
    bool FromWin32;
};

class AliasLines : public testing::TestWithParam<AliasCase> {};

TEST_P(AliasLines, ReadTheNamedCode)
{
    TStringsStorage list;
    list.Add("DNS_");
    list.Add("E_");
    const BYTE selected[] = {1, 1};
    const PrefixSet prefixes(list, selected);

    const AliasCase& c = GetParam();
    const std::string line = c.Line;
    AliasDefine alias;
    const bool found = ParseAliasLine(line.data(), line.size(), prefixes, alias);
    ASSERT_EQ(found, c.Name != nullptr);
    if (!found)
        return;
    EXPECT_EQ(alias.Name, c.Name);
    EXPECT_EQ(alias.Target, c.Target);
    EXPECT_EQ(alias.FromWin32, c.FromWin32);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AliasLines,
    testing::Values(AliasCase{"#define DNS_ERROR_NO_MEMORY ERROR_OUTOFMEMORY\n", "DNS_ERROR_NO_MEMORY",
                              "ERROR_OUTOFMEMORY", false},
                    AliasCase{"  # define DNS_X\tERROR_Y // the same\n", "DNS_X", "ERROR_Y", false},
                    AliasCase{"#define DNS_X (ERROR_Y) /* kept */\n", "DNS_X", "ERROR_Y", false},
                    AliasCase{"#define E_NOT_SUFFICIENT_BUFFER HRESULT_FROM_WIN32(ERROR_INSUFFICIENT_BUFFER)\n",
                              "E_NOT_SUFFICIENT_BUFFER", "ERROR_INSUFFICIENT_BUFFER", true},
                    AliasCase{"#define E_X ((__HRESULT_FROM_WIN32( ERROR_Y )))\n", "E_X", "ERROR_Y", true},
                    // Not aliases: a number, an expression, a macro with parameters, the
                    // name itself, unbalanced parentheses, another prefix, no value.
                    AliasCase{"#define E_X 5\n", nullptr, nullptr, false},
                    AliasCase{"#define E_X (ERROR_Y + 1)\n", nullptr, nullptr, false},
                    AliasCase{"#define E_X(a) ERROR_Y\n", nullptr, nullptr, false},
                    AliasCase{"#define E_X E_X\n", nullptr, nullptr, false},
                    AliasCase{"#define E_X (ERROR_Y\n", nullptr, nullptr, false},
                    AliasCase{"#define E_X HRESULT_FROM_WIN32(5)\n", nullptr, nullptr, false},
                    AliasCase{"#define ERROR_X ERROR_Y\n", nullptr, nullptr, false},
                    AliasCase{"#define E_X\n", nullptr, nullptr, false},
                    AliasCase{"#define E_X (((((((((ERROR_Y)))))))))\n", nullptr, nullptr, false}));

} // namespace
