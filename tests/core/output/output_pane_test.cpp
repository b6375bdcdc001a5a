#include "Fakes.h"

#include <gtest/gtest.h>

namespace {

TEST(OutputPaneAppend, EmptyPaneGetsLineThenBreak)
{
    FakePane pane;
    EXPECT_TRUE(pane.AppendLine("one"));
    EXPECT_EQ(pane.text, "one\r\n");
    EXPECT_TRUE(pane.AppendLine("two"));
    EXPECT_EQ(pane.text, "one\r\ntwo\r\n");
}

TEST(OutputPaneAppend, AfterSetTextBreakComesFirst)
{
    FakePane pane;
    pane.SetText("first");
    EXPECT_TRUE(pane.AppendLine("second"));
    EXPECT_EQ(pane.text, "first\r\nsecond");
}

TEST(OutputPaneAppend, LoneCarriageReturnIsNotALineEnd)
{
    FakePane pane;
    pane.SetText("typed\r");
    EXPECT_TRUE(pane.AppendLine("x"));
    EXPECT_EQ(pane.text, "typed\r\r\nx");
}

TEST(OutputPaneAppend, EmptyLineStillGrowsByItsBreak)
{
    FakePane pane;
    pane.SetText("a");
    EXPECT_TRUE(pane.AppendLine(""));
    EXPECT_EQ(pane.text, "a\r\n");
}

TEST(OutputPaneRefusal, ErrorFromControlRefuses)
{
    FakePane pane;
    pane.SetText("kept");
    pane.insertFails = true;
    EXPECT_FALSE(pane.AppendLine("lost"));
    EXPECT_EQ(pane.text, "kept");
}

TEST(OutputPaneRefusal, PartialTakeRefusesAndKeepsWhatWentIn)
{
    FakePane pane;
    pane.capacity = 8;
    pane.SetText("abc");
    EXPECT_FALSE(pane.AppendLine("defgh")) << "room for 5 of the 7 characters";
    EXPECT_EQ(pane.text, "abc\r\ndef");
}

TEST(OutputPaneRefusal, ExactFitIsAccepted)
{
    FakePane pane;
    pane.capacity = 5;
    EXPECT_TRUE(pane.AppendLine("abc"));
    EXPECT_FALSE(pane.AppendLine("d"));
}

TEST(OutputPaneLines, JoinedByBreaksWithNoneAfterLast)
{
    FakePane pane;
    pane.text = "old text\r\n";
    EXPECT_TRUE(pane.ReplaceWithLines({"a", "  b", "c"}));
    EXPECT_EQ(pane.text, "a\r\n  b\r\nc");
    EXPECT_TRUE(pane.ReplaceWithLines({"only"}));
    EXPECT_EQ(pane.text, "only") << "a second run replaces, never appends";
    EXPECT_TRUE(pane.ReplaceWithLines({}));
    EXPECT_EQ(pane.text, "");
}

TEST(OutputPaneLines, StopsAtFirstRefusedLine)
{
    FakePane pane;
    pane.capacity = 6;
    EXPECT_FALSE(pane.ReplaceWithLines({"ab", "cd", "ef"}));
    EXPECT_EQ(pane.text, "ab\r\ncd");
}

} // namespace
