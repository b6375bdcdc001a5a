#include "text/TStringsStorage.h"

#include "platform/win32.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Texts(const TStringsStorage& list)
{
    std::vector<std::string> texts;
    list.CopyTo(texts);
    return texts;
}

void ExpectIndicesArePositions(const TStringsStorage& list)
{
    for (LONG i = 0; i < list.Count(); ++i) {
        EXPECT_EQ(list.ItemAt(i).index, static_cast<DWORD>(i));
        EXPECT_EQ(list.ItemAt(i).size, list.ItemAt(i).length + 1);
    }
}

TEST(StringListAdd, RefusesAbsentAndEmptyTexts)
{
    TStringsStorage list;
    ASSERT_EQ(list.Add("one"), ERROR_SUCCESS);
    EXPECT_EQ(list.Add(nullptr), RPC_X_NULL_REF_POINTER);
    EXPECT_EQ(list.Add(""), ERROR_INVALID_DATA);
    EXPECT_EQ(list.Count(), 1);
}

TEST(StringListAdd, AppendsWithPositionAsIndexAndClearsSortedFlags)
{
    TStringsStorage list;
    EXPECT_TRUE(list.SortedAscending());
    EXPECT_TRUE(list.SortedDescending());
    list.Add("a");
    list.Add("bb");
    EXPECT_FALSE(list.SortedAscending());
    EXPECT_FALSE(list.SortedDescending());
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"a", "bb"}));
    EXPECT_EQ(list.Length(1), 2);
    ExpectIndicesArePositions(list);
}

TEST(StringListDelete, RefusesIndicesOutsideTheList)
{
    TStringsStorage list;
    list.Add("a");
    list.Add("b");
    list.Add("c");
    EXPECT_EQ(list.Delete(5), ERROR_INVALID_INDEX);
    EXPECT_EQ(list.Delete(3), ERROR_INVALID_INDEX);
    EXPECT_EQ(list.Delete(-1), ERROR_INVALID_INDEX);
    EXPECT_EQ(list.Count(), 3);
}

TEST(StringListDelete, RenumbersTheItemsThatMoveDown)
{
    TStringsStorage list;
    list.Add("a");
    list.Add("b");
    list.Add("c");
    ASSERT_EQ(list.Delete(0), ERROR_SUCCESS);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"b", "c"}));
    ExpectIndicesArePositions(list);
    ASSERT_EQ(list.Delete(1), ERROR_SUCCESS);
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"b"}));
    EXPECT_FALSE(list.SortedAscending()) << "deleting keeps the flags while items remain";
}

TEST(StringListDelete, EmptyingTheListSetsBothSortedFlags)
{
    TStringsStorage list;
    list.Add("only");
    ASSERT_EQ(list.Delete(0), ERROR_SUCCESS);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_TRUE(list.SortedAscending());
    EXPECT_TRUE(list.SortedDescending());
    EXPECT_EQ(list.Add("again"), ERROR_SUCCESS) << "the released array is allocated anew";
    EXPECT_EQ(Texts(list), (std::vector<std::string>{"again"}));
}

TEST(StringListFind, ScansAnUnsortedListCaseSensitively)
{
    TStringsStorage list;
    for (const char* text : {"ERROR_", "E_", "error_", "ERROR_"})
        list.Add(text);
    EXPECT_EQ(list.Find("ERROR_"), 0) << "the first of two equal items";
    EXPECT_EQ(list.Find("error_"), 2);
    EXPECT_EQ(list.Find("Error_"), -1);
    EXPECT_EQ(list.Find(""), -1);
    EXPECT_EQ(list.Find(nullptr), -1);
    EXPECT_EQ(TStringsStorage().Find("x"), -1);
}

TEST(StringListSetText, RefusesBadArgumentsInOrder)
{
    TStringsStorage list;
    list.Add("abc");
    EXPECT_EQ(list.SetText(7, nullptr), RPC_X_NULL_REF_POINTER);
    EXPECT_EQ(list.SetText(7, ""), ERROR_INVALID_INDEX);
    EXPECT_EQ(list.SetText(-1, "x"), ERROR_INVALID_INDEX);
    EXPECT_EQ(list.SetText(0, ""), ERROR_INVALID_DATA);
    EXPECT_STREQ(list.Text(0), "abc");
}

TEST(StringListSetText, SameLengthReusesTheBufferAndKeepsTheIndex)
{
    TStringsStorage list;
    list.Add("first");
    list.Add("ERROR_");
    const char* buffer = list.Text(1);
    ASSERT_EQ(list.SetText(1, "WSAE__"), ERROR_SUCCESS);
    EXPECT_EQ(list.Text(1), buffer);
    EXPECT_STREQ(list.Text(1), "WSAE__");
    EXPECT_EQ(list.ItemAt(1).index, 1u);
}

TEST(StringListSetText, NewLengthReplacesTheBuffer)
{
    TStringsStorage list;
    list.Add("ERROR_");
    ASSERT_EQ(list.SetText(0, "E_"), ERROR_SUCCESS);
    EXPECT_STREQ(list.Text(0), "E_");
    EXPECT_EQ(list.Length(0), 2);
    EXPECT_EQ(list.ItemAt(0).size, 3);
}

TEST(StringListSetText, AcceptsAPartOfTheItemsOwnText)
{
    TStringsStorage list;
    list.Add("xxERROR_");
    ASSERT_EQ(list.SetText(0, list.Text(0) + 2), ERROR_SUCCESS);
    EXPECT_STREQ(list.Text(0), "ERROR_");
}

TEST(StringListAssign, MakesADeepCopyWithFlags)
{
    TStringsStorage source;
    source.Add("one");
    source.Add("two");
    TStringsStorage copy;
    copy.Add("old");
    ASSERT_EQ(copy.Assign(source), ERROR_SUCCESS);
    source.SetText(0, "changed");
    EXPECT_EQ(Texts(copy), (std::vector<std::string>{"one", "two"}));
    EXPECT_FALSE(copy.SortedAscending());
    ExpectIndicesArePositions(copy);

    ASSERT_EQ(copy.Assign(copy), ERROR_SUCCESS);
    EXPECT_EQ(copy.Count(), 2);
    ASSERT_EQ(copy.Assign(TStringsStorage()), ERROR_SUCCESS);
    EXPECT_EQ(copy.Count(), 0);
    EXPECT_TRUE(copy.SortedAscending());
}

TEST(StringListCompareItem, ComparesTheFirstNCharactersOfTheText)
{
    TStringsStorage list;
    list.Add("ERROR_");
    EXPECT_EQ(list.CompareItem(0, "error_file_not_found", 6, lstrcmpiA), 0);
    EXPECT_NE(list.CompareItem(0, "ERROR", 6, lstrcmpiA), 0);
    EXPECT_EQ(list.CompareItem(0, "ERROR_", 0, lstrcmpA), 0) << "n = 0 compares the whole text";
    EXPECT_EQ(list.CompareItem(0, "ERROR_X", 0, lstrcmpA), -1);
    EXPECT_EQ(list.CompareItem(0, "ERROR", 0, lstrcmpA), 1);
}

TEST(StringListCompareItem, RefusesBadIndexAndAbsentText)
{
    TStringsStorage list;
    list.Add("ERROR_");
    EXPECT_EQ(list.CompareItem(1, "x", 1, lstrcmpA), static_cast<LONG>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(list.CompareItem(-1, "x", 1, lstrcmpA), static_cast<LONG>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(list.CompareItem(0, nullptr, 1, lstrcmpA), static_cast<LONG>(ERROR_INVALID_PARAMETER));
    EXPECT_EQ(list.CompareItem(0, "x", 1, nullptr), static_cast<LONG>(ERROR_INVALID_PARAMETER));
}

TEST(StringListCopyTo, ReplacesTheTargetsContents)
{
    TStringsStorage list;
    list.Add("ERROR_");
    list.Add("E_");
    std::vector<std::string> target{"stale"};
    list.CopyTo(target);
    EXPECT_EQ(target, (std::vector<std::string>{"ERROR_", "E_"}));
    list.Clear();
    list.CopyTo(target);
    EXPECT_TRUE(target.empty());
}

} // namespace
