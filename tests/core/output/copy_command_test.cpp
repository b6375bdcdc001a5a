#include "output/CopyCommand.h"

#include "Fakes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

constexpr BYTE ToPane = 0, ToClipboard = 1, Append = 0, Replace = 1;

TSettings::tagCopyOptions MnemonicOnly(BYTE toClipboard, BYTE replace)
{
    return {1, 0, 0, 0, 0, 0, toClipboard, replace};
}

const CodeEntry First = MakeRow("ERROR_FILE_NOT_FOUND", "2");
const CodeEntry Second = MakeRow("ERROR_ACCESS_DENIED", "5");

struct CopyCommandTest : ::testing::Test {
    FakePane pane;
    FakeClipboard clipboard;
};

TEST_F(CopyCommandTest, PaneAppendLeavesBreakAfterEachLine)
{
    EXPECT_EQ(CopyRow(&First, MnemonicOnly(ToPane, Append), clipboard, pane), CopyResult::Copied);
    EXPECT_EQ(CopyRow(&Second, MnemonicOnly(ToPane, Append), clipboard, pane), CopyResult::Copied);
    EXPECT_EQ(pane.text, "ERROR_FILE_NOT_FOUND\r\nERROR_ACCESS_DENIED\r\n");
    EXPECT_FALSE(clipboard.text);
}

TEST_F(CopyCommandTest, PaneReplaceThenAppend)
{
    pane.text = "earlier\r\n";
    CopyRow(&First, MnemonicOnly(ToPane, Replace), clipboard, pane);
    EXPECT_EQ(pane.text, "ERROR_FILE_NOT_FOUND");
    CopyRow(&Second, MnemonicOnly(ToPane, Append), clipboard, pane);
    EXPECT_EQ(pane.text, "ERROR_FILE_NOT_FOUND\r\nERROR_ACCESS_DENIED");
}

TEST_F(CopyCommandTest, FullPaneGivesMessageAndKeepsText)
{
    pane.text = "kept";
    pane.capacity = 10;
    const CopyResult result = CopyRow(&First, MnemonicOnly(ToPane, Append), clipboard, pane);
    EXPECT_EQ(result, CopyResult::OutputPaneFull);
    EXPECT_EQ(pane.text.substr(0, 4), "kept");
    const auto message = MessageFor(result);
    ASSERT_TRUE(message);
    EXPECT_STREQ(message->Text, "Cannot add more lines to the output window");
    EXPECT_EQ(message->Caption, nullptr);
}

TEST_F(CopyCommandTest, ClipboardAppendAddsBreakThenText)
{
    clipboard.text = "abc";
    EXPECT_EQ(CopyRow(&First, MnemonicOnly(ToClipboard, Append), clipboard, pane), CopyResult::Copied);
    EXPECT_EQ(clipboard.text, "abc\r\nERROR_FILE_NOT_FOUND");
    EXPECT_EQ(pane.text, "");
}

TEST_F(CopyCommandTest, ClipboardAppendAfterLineEndLeavesEmptyLine)
{
    clipboard.text = "abc\r\n";
    CopyRow(&First, MnemonicOnly(ToClipboard, Append), clipboard, pane);
    EXPECT_EQ(clipboard.text, "abc\r\n\r\nERROR_FILE_NOT_FOUND");
}

TEST_F(CopyCommandTest, ClipboardWithoutTextIsReplaced)
{
    CopyRow(&First, MnemonicOnly(ToClipboard, Append), clipboard, pane);
    EXPECT_EQ(clipboard.text, "ERROR_FILE_NOT_FOUND");
}

TEST_F(CopyCommandTest, ClipboardReplaceIgnoresHeldText)
{
    clipboard.text = "abc";
    CopyRow(&First, MnemonicOnly(ToClipboard, Replace), clipboard, pane);
    EXPECT_EQ(clipboard.text, "ERROR_FILE_NOT_FOUND");
}

TEST_F(CopyCommandTest, UnreadableClipboardDropsCopySilently)
{
    clipboard.text = "abc";
    clipboard.readFails = true;
    const CopyResult result = CopyRow(&First, MnemonicOnly(ToClipboard, Append), clipboard, pane);
    EXPECT_EQ(result, CopyResult::ClipboardUnreadable);
    EXPECT_FALSE(MessageFor(result));
    EXPECT_EQ(clipboard.text, "abc");
}

TEST_F(CopyCommandTest, NoColumnsRefusedBeforeLookingAtSelection)
{
    const TSettings::tagCopyOptions none{0, 0, 0, 0, 0, 0, ToPane, Append};
    EXPECT_EQ(CopyRow(&First, none, clipboard, pane), CopyResult::SettingsNotDefined);
    const CopyResult result = CopyRow(nullptr, none, clipboard, pane);
    EXPECT_EQ(result, CopyResult::SettingsNotDefined);
    EXPECT_EQ(pane.text, "");
    const auto message = MessageFor(result);
    ASSERT_TRUE(message);
    EXPECT_STREQ(message->Text, "Copy settings are not defined");
    EXPECT_STREQ(message->Caption, "Check copy settings");
}

TEST_F(CopyCommandTest, NoSelectedRowIsSilent)
{
    clipboard.text = "abc";
    const CopyResult result = CopyRow(nullptr, MnemonicOnly(ToClipboard, Append), clipboard, pane);
    EXPECT_EQ(result, CopyResult::NoSelectedRow);
    EXPECT_FALSE(MessageFor(result));
    EXPECT_EQ(clipboard.text, "abc");
}

} // namespace
