#include "output/CodeGenerator.h"
#include "output/GeneratorExpression.h"

#include "Fakes.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;

const Lines TwoCodes = {"ERROR_FILE_NOT_FOUND", "ERROR_ACCESS_DENIED"};

TEST(SwitchForm, TwoCodesWithoutBrackets)
{
    EXPECT_EQ(MakeSwitch(TwoCodes, "dwError", false), (Lines{
                                                          "switch(dwError)",
                                                          " {",
                                                          "  case ERROR_FILE_NOT_FOUND: break;",
                                                          "  case ERROR_ACCESS_DENIED: break;",
                                                          "  default: break;",
                                                          " }",
                                                      }));
}

TEST(SwitchForm, TwoCodesWithBrackets)
{
    EXPECT_EQ(MakeSwitch(TwoCodes, "dwError", true), (Lines{
                                                         "switch(dwError)",
                                                         " {",
                                                         "  case ERROR_FILE_NOT_FOUND:",
                                                         "    {",
                                                         "      break;",
                                                         "    }",
                                                         "  case ERROR_ACCESS_DENIED:",
                                                         "    {",
                                                         "      break;",
                                                         "    }",
                                                         "  default:",
                                                         "    {",
                                                         "      break;",
                                                         "    }",
                                                         " }",
                                                     }));
}

TEST(SwitchForm, OneCodeAndEmptyExpression)
{
    EXPECT_EQ(MakeSwitch({"E_FAIL"}, "", false),
              (Lines{"switch()", " {", "  case E_FAIL: break;", "  default: break;", " }"}));
}

TEST(SwitchForm, NoCodesStillHasDefault)
{
    EXPECT_EQ(MakeSwitch({}, "e", false), (Lines{"switch(e)", " {", "  default: break;", " }"}));
    EXPECT_EQ(MakeSwitch({}, "e", true).size(), 7u);
}

TEST(IfElseIfForm, TwoCodesWithoutBrackets)
{
    EXPECT_EQ(MakeIfElseIf(TwoCodes, "dwError", false), (Lines{
                                                            "if(ERROR_FILE_NOT_FOUND == dwError)",
                                                            "else if(ERROR_ACCESS_DENIED == dwError)",
                                                            "else // unexpected ???",
                                                        }));
}

TEST(IfElseIfForm, TwoCodesWithBrackets)
{
    EXPECT_EQ(MakeIfElseIf(TwoCodes, "dwError", true), (Lines{
                                                           "if(ERROR_FILE_NOT_FOUND == dwError)",
                                                           " {",
                                                           "   ",
                                                           " }",
                                                           "else if(ERROR_ACCESS_DENIED == dwError)",
                                                           " {",
                                                           "   ",
                                                           " }",
                                                           "else",
                                                           " {",
                                                           "   // unexpected ???",
                                                           " }",
                                                       }));
}

TEST(IfElseIfForm, OneCode)
{
    EXPECT_EQ(MakeIfElseIf({"E_FAIL"}, "hr", false), (Lines{"if(E_FAIL == hr)", "else // unexpected ???"}));
}

TEST(IfElseIfForm, NoCodesGiveNothing)
{
    EXPECT_TRUE(MakeIfElseIf({}, "hr", true).empty());
}

TEST(GeneratedText, PaneHoldsLinesJoinedWithoutTrailingBreak)
{
    FakePane pane;
    pane.text = "previous\r\n";
    const Lines lines = MakeCode(GeneratedSyntax::IfElseIf, TwoCodes, "dwError", true);
    EXPECT_TRUE(pane.ReplaceWithLines(lines));
    std::string joined = lines[0];
    for (std::size_t i = 1; i < lines.size(); ++i)
        joined += "\r\n" + lines[i];
    EXPECT_EQ(pane.text, joined);
    EXPECT_NE(pane.text.substr(pane.text.size() - 2), "\r\n");
}

TEST(GeneratorExpression, TrimsBlanksAndControlCharacters)
{
    EXPECT_EQ(TrimExpression("  dwError  "), "dwError");
    EXPECT_EQ(TrimExpression("\t\x01 a b \r\n"), "a b");
    EXPECT_EQ(TrimExpression("\xA0x\xA0"), "\xA0x\xA0") << "only codes 0 to 32 are blanks";
}

TEST(GeneratorExpression, SwitchAcceptsEmpty)
{
    const ExpressionCheck check = CheckExpression("   ", GeneratedSyntax::Switch);
    EXPECT_FALSE(check.Refusal);
    EXPECT_EQ(check.EditText, "");
}

TEST(GeneratorExpression, IfElseIfRefusesBlanksAndOffersCode)
{
    const ExpressionCheck check = CheckExpression(" \t ", GeneratedSyntax::IfElseIf);
    ASSERT_TRUE(check.Refusal);
    EXPECT_STREQ(check.Refusal->Text, "Please, input expression");
    EXPECT_EQ(check.Refusal->Caption, nullptr);
    EXPECT_EQ(check.EditText, "Code");

    const ExpressionCheck again = CheckExpression(check.EditText, GeneratedSyntax::IfElseIf);
    EXPECT_FALSE(again.Refusal);
    EXPECT_EQ(MakeIfElseIf({"E_FAIL"}, again.EditText, false)[0], "if(E_FAIL == Code)");
}

TEST(GeneratorExpression, IfElseIfKeepsTrimmedText)
{
    const ExpressionCheck check = CheckExpression("  dwError  ", GeneratedSyntax::IfElseIf);
    EXPECT_FALSE(check.Refusal);
    EXPECT_EQ(check.EditText, "dwError");
}

} // namespace
