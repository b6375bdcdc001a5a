// Sorting both lists by a clicked column, with one direction that
// alternates across them, and the code list's popup menu.
#include "support/CatalogueFixture.h"
#include "widgets/CodeListModel.h"
#include "widgets/Controls.h"
#include "widgets/TListView.h"
#include "catalogue/CodeListOrder.h"
#include "catalogue/CompareCodeRows.h"

#include <QAction>
#include <QHeaderView>
#include <QTabWidget>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <numeric>

namespace {

// The texts of one column, top to bottom.
QStringList Column(const TListView& list, int column)
{
    QStringList texts;
    for (int row = 0; row < list.Model()->Count(); ++row)
        texts << list.Model()->index(row, column).data().toString();
    return texts;
}

void ClickHeader(TListView* list, int column)
{
    QHeaderView* header = list->header();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
}

std::vector<CodeEntry> Codes(std::initializer_list<const char*> codes)
{
    std::vector<CodeEntry> rows;
    int i = 0;
    for (const char* code : codes)
        rows.push_back(CodeRow(("ERROR_" + std::to_string(i++)).c_str(), code));
    return rows;
}

} // namespace

class ColumnSort : public QObject {
    Q_OBJECT

private slots:
    void firstClickSortsDescendingThenTheDirectionAlternates()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(Codes({"10", "9", "2147483647", "5", "-2147483648"}));
        ClickHeader(main.ListView1, 1);
        QCOMPARE(Column(*main.ListView1, 1), (QStringList{"2147483647", "10", "9", "5", "-2147483648"}));
        QVERIFY(main.SortAscending);
        ClickHeader(main.ListView1, 1);
        QCOMPARE(Column(*main.ListView1, 1), (QStringList{"-2147483648", "5", "9", "10", "2147483647"}));
    }

    void directionIsSharedWithTheActionList()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.PageControl1->setCurrentWidget(main.TabSheet3);
        main.Actions->SetRows(Codes({"1", "2"}));
        main.Codes->SetRows(Codes({"1", "2", "3"}));
        ClickHeader(main.lvAction, 0);
        QCOMPARE(Column(*main.lvAction, 0), (QStringList{"ERROR_1", "ERROR_0"}));
        ClickHeader(main.ListView1, 1);
        QCOMPARE(Column(*main.ListView1, 1), (QStringList{"1", "2", "3"}));
        ClickHeader(main.lvAction, 1);
        QCOMPARE(Column(*main.lvAction, 1), (QStringList{"2", "1"}));
    }

    void textColumnsCompareCaseSensitively()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        std::vector<CodeEntry> rows = Codes({"1", "2", "3"});
        rows[0].SubItems[ciFacility] = "b";
        rows[1].SubItems[ciFacility] = "A";
        rows[2].SubItems[ciFacility] = "a";
        main.Codes->SetRows(rows);
        main.SortAscending = true;
        ClickHeader(main.ListView1, 2);
        QCOMPARE(Column(*main.ListView1, 2), (QStringList{"a", "A", "b"}));
    }

    void selectedRowStaysWithItsCodeAndEqualKeysKeepTheirOrder()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(Codes({"7", "3", "7", "3"}));
        main.ListView1->SelectRow(2);
        main.SortAscending = true;
        ClickHeader(main.ListView1, 1);
        QCOMPARE(Column(*main.ListView1, 0), (QStringList{"ERROR_1", "ERROR_3", "ERROR_0", "ERROR_2"}));
        QCOMPARE(main.ListView1->SelectedRow(), 3);
        QCOMPARE(main.ListView1->currentIndex().row(), 3);
    }
};

// The order read from keys computed once must be the order of the row
// comparison itself, also for texts the scanner never writes.
class ColumnOrderAsTheRowComparison : public QObject {
    Q_OBJECT

private slots:
    void everyColumnBothDirections()
    {
        const char* const texts[] = {"",
                                     "-",
                                     "0",
                                     "-0",
                                     "7",
                                     "-7",
                                     "10",
                                     "9",
                                     "12abc",
                                     "-2147483648",
                                     "2147483647",
                                     "4294967295",
                                     "99999999999999999999999",
                                     "-99999999999999999999",
                                     "b",
                                     "A",
                                     "a",
                                     " 5"};
        std::vector<CodeEntry> rows;
        CodeList list;
        for (const char* text : texts) {
            CodeEntry row;
            row.Mnemonic = text;
            row.SubItems.fill(text);
            rows.push_back(row);
            list.Append(row);
        }
        for (int column = -1; column < CodeEntrySubItemCount; ++column) {
            for (bool ascending : {false, true}) {
                std::vector<std::size_t> expected(rows.size());
                std::iota(expected.begin(), expected.end(), std::size_t{0});
                std::stable_sort(expected.begin(), expected.end(), [&](std::size_t a, std::size_t b) {
                    return CompareCodeRows(rows[a], rows[b], column, ascending) < 0;
                });
                QCOMPARE(ColumnOrder(list, column, ascending), expected);
            }
        }
    }
};

class CodeListPopup : public QObject {
    Q_OBJECT

private slots:
    void withoutASelectedRowOnlyTheRowCommandsAreDisabled()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(CodeRows(3));
        main.OnControlChange();
        emit main.pmnuCList->aboutToShow();
        for (QAction* item : {main.pmnuCGotoCodes, main.pmnuCCopy, main.pmnuCCopyToAct})
            QVERIFY2(!item->isEnabled(), qPrintable(item->objectName()));
        for (QAction* item : {main.pmnuCFind, main.pmnuCFindNext, main.pmnuLoadReload, main.pmnuOptions->menuAction()})
            QVERIFY2(item->isEnabled(), qPrintable(item->objectName()));
    }

    void rightPressOnARowEnablesItsCommandsBeforeThePopupOpens()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.Codes->SetRows(CodeRows(3));
        main.OnControlChange();
        // Through the window, as the desktop sends it, so that the press
        // also asks for the popup.
        QWidget* rows = main.ListView1->viewport();
        const QPoint at = rows->mapTo(&main, main.ListView1->visualRect(main.Codes->index(1, 0)).center());
        QTest::mousePress(main.windowHandle(), Qt::RightButton, {}, at);
        QTRY_VERIFY_WITH_TIMEOUT(main.pmnuCList->isVisible(), 2000);
        QCOMPARE(main.ListView1->SelectedRow(), 1);
        QVERIFY(main.pmnuCGotoCodes->isEnabled());
        QVERIFY(main.pmnuCCopy->isEnabled());
        QVERIFY(main.pmnuCCopyToAct->isEnabled());
        main.pmnuCList->close();
    }

    void emptyListDisablesTheSearchItems()
    {
        CatalogueFixture fixture;
        TfrmMain& main = fixture.CreateShownWithFind();
        main.OnControlChange();
        emit main.pmnuCList->aboutToShow();
        QVERIFY(!main.pmnuCFind->isEnabled());
        QVERIFY(!main.pmnuCFindNext->isEnabled());
        QVERIFY(main.pmnuLoadReload->isEnabled());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    ColumnSort sort;
    failures += QTest::qExec(&sort, argc, argv);
    ColumnOrderAsTheRowComparison order;
    failures += QTest::qExec(&order, argc, argv);
    CodeListPopup popup;
    failures += QTest::qExec(&popup, argc, argv);
    return failures;
}

#include "tst_sort_codes.moc"
