#include "catalogue/SearchCodes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

CodeEntry Row(const std::string& mnemonic, const std::string& code)
{
    CodeEntry row;
    row.Mnemonic = mnemonic;
    row.SubItems[ciCode] = code;
    return row;
}

const std::vector<CodeEntry> kRows = {
    Row("ERROR_SUCCESS", "0"),         // 0
    Row("ERROR_FILE_NOT_FOUND", "2"),  // 1
    Row("ERROR_PATH_NOT_FOUND", "3"),  // 2
    Row("E_UNEXPECTED", "2147418113"), // 3
    Row("ERROR_FILE_EXISTS", "80"),    // 4
};

SearchSettings Settings(const std::string& text, SearchDirection direction)
{
    SearchSettings settings;
    settings.Text = text;
    settings.Direction = direction;
    return settings;
}

std::optional<std::size_t> Found(std::optional<std::size_t> focused, const SearchSettings& settings,
                                 const std::vector<CodeEntry>& rows = kRows)
{
    return SearchCodes(rows, focused, settings).Row;
}

TEST(SearchDirections, FromTheFocusedRow)
{
    EXPECT_EQ(Found(1, Settings("ERROR_FILE", SearchDirection::Down)), 4u);
    EXPECT_EQ(Found(4, Settings("ERROR_FILE", SearchDirection::Up)), 1u);
    EXPECT_EQ(Found(4, Settings("ERROR_FILE", SearchDirection::Cyclic)), 1u) << "wraps to row 0";
    EXPECT_EQ(Found(4, Settings("ERROR_FILE", SearchDirection::Down)), std::nullopt) << "no wrap down";
    EXPECT_EQ(Found(1, Settings("ERROR_FILE", SearchDirection::Up)), std::nullopt) << "no wrap up";
}

TEST(SearchDirections, WithoutFocus)
{
    EXPECT_EQ(Found(std::nullopt, Settings("ERROR_SUCCESS", SearchDirection::Down)), 0u);
    EXPECT_EQ(Found(std::nullopt, Settings("ERROR_SUCCESS", SearchDirection::Cyclic)), 0u);
    EXPECT_EQ(Found(std::nullopt, Settings("ERROR_FILE", SearchDirection::Up)), 4u) << "starts at the last row";
    EXPECT_EQ(Found(9, Settings("ERROR_SUCCESS", SearchDirection::Down)), 0u) << "a focus past the rows is none";
}

TEST(SearchDirections, CyclicLooksAtTheFocusedRowLast)
{
    EXPECT_EQ(Found(3, Settings("E_UNEXPECTED", SearchDirection::Cyclic)), 3u);
    const std::vector<CodeEntry> single = {Row("ERROR_SUCCESS", "0")};
    EXPECT_EQ(Found(0, Settings("SUCCESS", SearchDirection::Cyclic), single), 0u);
    EXPECT_EQ(Found(0, Settings("SUCCESS", SearchDirection::Down), single), std::nullopt);
}

TEST(SearchMatching, CaseAndWholeText)
{
    SearchSettings settings = Settings("error_file", SearchDirection::Cyclic);
    EXPECT_EQ(Found(std::nullopt, settings), 1u);
    settings.CaseSensitive = true;
    EXPECT_EQ(Found(std::nullopt, settings), std::nullopt);

    settings = Settings("ERROR_FILE", SearchDirection::Cyclic);
    settings.WholeText = true;
    EXPECT_EQ(Found(std::nullopt, settings), std::nullopt);
    settings.Text = "error_file_exists";
    EXPECT_EQ(Found(std::nullopt, settings), 4u);
}

TEST(SearchMatching, CodesCompareAsText)
{
    SearchSettings settings = Settings("8", SearchDirection::Down);
    settings.ByMnemonic = false;
    EXPECT_EQ(Found(std::nullopt, settings), 3u) << "the digits of 2147418113 contain an 8";
    settings.WholeText = true;
    EXPECT_EQ(Found(std::nullopt, settings), std::nullopt);
    settings.Text = "80";
    EXPECT_EQ(Found(std::nullopt, settings), 4u);
    settings.Text = "-80";
    settings.WholeText = false;
    EXPECT_EQ(Found(std::nullopt, settings), std::nullopt);
}

TEST(SearchMatching, HexadecimalCodeFindsTheRowWithThatValue)
{
    std::vector<CodeEntry> rows = kRows;
    rows[3].SubItems[ciSeverity] = "1";
    rows.push_back(Row("E_ACCESSDENIED", "2147024891"));
    rows.back().SubItems[ciSeverity] = "1";
    rows.push_back(Row("ERROR_SEVERITY_ERROR", "-2147483648"));
    rows.back().SubItems[ciSeverity] = "1";

    SearchSettings settings = Settings("0x80070005", SearchDirection::Cyclic);
    settings.ByMnemonic = false;
    EXPECT_EQ(Found(std::nullopt, settings, rows), 5u);
    settings.WholeText = true;
    EXPECT_EQ(Found(std::nullopt, settings, rows), 5u) << "a value matches whole or not";
    const struct {
        const char* Text;
        std::optional<std::size_t> Row;
    } cases[] = {
        {"0X50", 4u},                 // 80, not the text "50"
        {"0x80000000", 6u},           // the one Code text with a sign
        {"0x8000FFFF", 3u},           // Code 2147418113 with Severity 1
        {"0x7FFF0001", std::nullopt}, // the same digits without the severity
        {"0x", std::nullopt},         // no digits: a text that no Code holds
        {"0x5L", std::nullopt},
    };
    for (const auto& c : cases) {
        settings.Text = c.Text;
        EXPECT_EQ(Found(std::nullopt, settings, rows), c.Row) << c.Text;
    }
    settings.Text = "0x7fff0001";
    EXPECT_EQ(SearchCodes(rows, std::nullopt, settings).Message, "Code : \"0X7FFF0001\" not found");
}

TEST(SearchMessages, RefusalsAndNotFound)
{
    const SearchResult empty = SearchCodes({}, std::nullopt, Settings("X", SearchDirection::Cyclic));
    EXPECT_EQ(empty.Row, std::nullopt);
    EXPECT_EQ(empty.Message, "You must load Error codes first");
    EXPECT_EQ(empty.Caption, "List is Empty");
    EXPECT_EQ(empty.Icon, SearchMessageIcon::Exclamation);

    const SearchResult noText = SearchCodes(kRows, 0, Settings("", SearchDirection::Cyclic));
    EXPECT_EQ(noText.Message, "Please, specify search string");
    EXPECT_EQ(noText.Caption, "Search string is Empty");
    EXPECT_EQ(noText.Icon, SearchMessageIcon::Exclamation);

    const SearchResult up = SearchCodes(kRows, 0, Settings("error_xyz", SearchDirection::Up));
    EXPECT_EQ(up.Message, "Mnemonic : \"ERROR_XYZ\" not found");
    EXPECT_EQ(up.Caption, "Direction : UP");
    EXPECT_EQ(up.Icon, SearchMessageIcon::Information);

    SearchSettings byCode = Settings("777", SearchDirection::Down);
    byCode.ByMnemonic = false;
    const SearchResult down = SearchCodes(kRows, 4, byCode);
    EXPECT_EQ(down.Message, "Code : \"777\" not found");
    EXPECT_EQ(down.Caption, "Direction : DOWN");

    SearchSettings exact = Settings("error_xyz", SearchDirection::Cyclic);
    exact.CaseSensitive = true;
    const SearchResult cyclic = SearchCodes(kRows, 2, exact);
    EXPECT_EQ(cyclic.Message, "Mnemonic : \"error_xyz\" not found");
    EXPECT_EQ(cyclic.Caption, "Direction : CYCLIC");
}

} // namespace
