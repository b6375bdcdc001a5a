// The Lookup window's report on a typed text over the built-in catalogue:
// which terms and codes it reports, and that each line it says names a
// definition does name it, also in the reports after the first.
#include "lookup/TypedLookup.h"

#include "catalogue/PrefixSet.h"
#include "text/TStringsStorage.h"

#include <gtest/gtest.h>

#include <sstream>

TEST(TypedLookup, ReportsTheTermOrEachCodeOfALine)
{
    const TStringsStorage noPrefixes;
    const CodeIndex index(CodeTable{}, PrefixSet(noPrefixes, nullptr), true);
    const MessageLookup noMessages = [](DWORD, CodeFamily) { return std::string(); };
    const struct {
        const char* Typed;
        bool Found;
        const char* Holds;
    } cases[] = {
        {"  0xC0000005\r\n", true, "STATUS_ACCESS_VIOLATION"},
        {"e_accessdenied", true, "0x80070005"},
        {"hr=0x80070005", true, "E_ACCESSDENIED"},
        {"at 10:22:33 error 1722, then 0xC0000005\nand error 1722 again", true, "STATUS_ACCESS_VIOLATION"},
        {"no code in 2023-11-05", false, "no code in 2023-11-05: not found"},
        {"NO_SUCH_NAME", false, "NO_SUCH_NAME: not found"},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        const TypedReport report = ReportTyped(index, c.Typed, noMessages);
        EXPECT_EQ(report.Found, c.Found) << c.Typed;
        EXPECT_NE(report.Text.find(c.Holds), std::string::npos) << c.Typed << "\n" << report.Text;
        std::vector<std::string> lines;
        std::istringstream text(report.Text);
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        for (const ShownDefinition& shown : report.Definitions) {
            ASSERT_LT(shown.TextLine, lines.size()) << c.Typed;
            const std::string place =
                shown.Place.Name + "  " + shown.Place.Header + ':' + std::to_string(shown.Place.Line);
            EXPECT_NE(lines[shown.TextLine].find(place), std::string::npos) << c.Typed << ": " << lines[shown.TextLine];
        }
    }
}
