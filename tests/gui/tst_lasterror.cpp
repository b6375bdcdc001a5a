// The last-error panel: typed codes read by the atoi rules, the thread's
// last error for -1, the manual-entry toggle, and docking the panel by a
// drop on the left pane's frame.
#include "support/MainWindowFixture.h"
#include "widgets/Controls.h"
#include "widgets/DragSource.h"
#include "widgets/TListView.h"
#include "output/SystemMessageText.h"
#include "platform/codepage.h"
#include "platform/win32.h"

#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace {

QString Shown(LONG code)
{
    return QString::fromStdString(Ansi1252ToUtf8(SystemMessageText(code)))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void TypeAndCall(TfrmMain& main, const QString& text)
{
    main.txtManualCode->setText(text);
    QTest::mouseClick(main.cmdCall, Qt::LeftButton);
}

} // namespace

class LastErrorLookup : public QObject {
    Q_OBJECT

private slots:
    void startsEmptyWithThePanelHidden()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QVERIFY(main.Memo1->toPlainText().isEmpty());
        QVERIFY(main.Memo1->isReadOnly());
        QVERIFY(!main.panManual->isVisible());
        QVERIFY(!main.cmdGetLastErrorManual->isChecked());
    }

    void toggleShowsAndHidesThePanelWithoutChangingTheTab()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.PageControl1->setCurrentIndex(0);
        QTest::mouseClick(main.cmdGetLastErrorManual, Qt::LeftButton);
        QVERIFY(main.panManual->isVisible());
        QCOMPARE(main.txtManualCode->text(), QStringLiteral("0"));
        QTest::mouseClick(main.cmdGetLastErrorManual, Qt::LeftButton);
        QVERIFY(!main.panManual->isVisible());
        QCOMPARE(main.PageControl1->currentIndex(), 0);
    }

    void enterShowsTheMessageOfTheTypedCode()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QTest::mouseClick(main.cmdGetLastErrorManual, Qt::LeftButton);
        FocusControl(main.txtManualCode);
        QTest::keyClick(main.txtManualCode, Qt::Key_Return);
        QVERIFY(!Shown(0).isEmpty());
        QCOMPARE(main.Memo1->toPlainText(), Shown(0));
        main.txtManualCode->setText(QStringLiteral("5"));
        QTest::keyClick(main.txtManualCode, Qt::Key_Enter);
        QCOMPARE(main.Memo1->toPlainText(), Shown(5));
    }

    void typedTextIsReadByTheAtoiRules()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QVERIFY(Shown(5) != Shown(0));
        TypeAndCall(main, QStringLiteral("  5abc"));
        QCOMPARE(main.Memo1->toPlainText(), Shown(5));
        TypeAndCall(main, QStringLiteral("0x"));
        QCOMPARE(main.Memo1->toPlainText(), Shown(0));
        TypeAndCall(main, QStringLiteral("5"));
        TypeAndCall(main, QStringLiteral("abc"));
        QCOMPARE(main.Memo1->toPlainText(), Shown(0));
    }

    void hexadecimalTextReadsAsHex()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QVERIFY(Shown(static_cast<LONG>(0x80070005u)) != Shown(0));
        TypeAndCall(main, QStringLiteral("0x80070005"));
        QCOMPARE(main.Memo1->toPlainText(), Shown(static_cast<LONG>(0x80070005u)));
    }

    void minusOneShowsTheCurrentLastError()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        QVERIFY(Shown(2) != Shown(0));
        SetLastError(2);
        TypeAndCall(main, QStringLiteral("-1"));
        QCOMPARE(main.Memo1->toPlainText(), Shown(2));
    }

    void codeWithoutAMessageEmptiesThePane()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        TypeAndCall(main, QStringLiteral("2"));
        QVERIFY(!main.Memo1->toPlainText().isEmpty());
        TypeAndCall(main, QStringLiteral("2147483631"));
        QVERIFY(main.Memo1->toPlainText().isEmpty());
    }

    void eachLookupReplacesTheTextAndKeepsLinesWhole()
    {
        MainWindowFixture fixture;
        TfrmMain& main = fixture.CreateShown();
        main.ShowSystemMessage(2);
        main.ShowSystemMessage(5);
        QCOMPARE(main.Memo1->toPlainText(), Shown(5));
        // CR LF is one line break, not two.
        QVERIFY(!main.Memo1->toPlainText().contains(QLatin1Char('\r')));
        QCOMPARE(main.Memo1->document()->blockCount(), Shown(5).count(QLatin1Char('\n')) + 1);
    }
};

class ManualPanelDocking : public QObject {
    Q_OBJECT

private:
    MainWindowFixture* fixture = nullptr;
    TfrmMain* main = nullptr;

    bool PanelAtBottom() const { return main->panManual->y() > main->Memo1->y(); }

    // The events a drag from source delivers to Panel1, the nearest control
    // that takes drops, with point in Panel1's coordinates. Qt sends the
    // moves and the drop to the control that accepted the drag's entry.
    template <class DragEvent> bool Send(const QObject& source, QPoint point)
    {
        std::unique_ptr<QMimeData> data(DragSourceData(source));
        DragEvent event(point, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        event.ignore();
        QApplication::sendEvent(main->Panel1, &event);
        return event.isAccepted();
    }
    bool Enter(const QObject& source, QPoint point) { return Send<QDragEnterEvent>(source, point); }
    bool DragMove(const QObject& source, QPoint point) { return Send<QDragMoveEvent>(source, point); }
    bool Drop(const QObject& source, QPoint point)
    {
        Enter(source, point);
        const bool dropped = Send<QDropEvent>(source, point);
        QApplication::processEvents();
        return dropped;
    }

private slots:
    void init()
    {
        fixture = new MainWindowFixture;
        main = &fixture->CreateShown();
        QTest::mouseClick(main->cmdGetLastErrorManual, Qt::LeftButton);
        QVERIFY(main->panManual->isVisible());
        QVERIFY(!PanelAtBottom());
        // Wherever it enters, a panel's drag is taken, so that its moves
        // reach the frame.
        QVERIFY(Enter(*main->panManual, main->PageControl1->geometry().center()));
    }
    void cleanup()
    {
        delete fixture;
        fixture = nullptr;
    }

    void lowerHalfOfTheFrameDocksAtTheBottom()
    {
        const int half = main->Panel1->height() / 2;
        QVERIFY(Drop(*main->panManual, {0, half + 1}));
        QVERIFY(PanelAtBottom());
        QVERIFY(main->panManual->isVisible());
        QVERIFY(Drop(*main->panManual, {0, 0}));
        QVERIFY(!PanelAtBottom());
    }

    void exactlyHalfTheHeightDocksAtTheTop()
    {
        const int half = main->Panel1->height() / 2;
        QVERIFY(Drop(*main->panManual, {0, main->Panel1->height() - 1}));
        QVERIFY(PanelAtBottom());
        QVERIFY(Drop(*main->panManual, {0, half}));
        QVERIFY(!PanelAtBottom());
    }

    void memoFillsTheRestOfTheTab()
    {
        QVERIFY(Drop(*main->panManual, {0, main->Panel1->height() - 1}));
        QCOMPARE(main->Memo1->y(), 0);
        QCOMPARE(main->Memo1->height() + main->panManual->height(), main->TabSheet1->height());
    }

    void dropOverThePageControlIsRefused()
    {
        const QPoint middle = main->PageControl1->geometry().center() + QPoint(0, 20);
        QVERIFY(!DragMove(*main->panManual, middle));
        QVERIFY(DragMove(*main->panManual, {0, middle.y()}));
        QVERIFY(!Drop(*main->panManual, middle));
        QVERIFY(!PanelAtBottom());
    }

    void onlyAPanelIsTaken()
    {
        const QPoint low(0, main->Panel1->height() - 1);
        QVERIFY(!Enter(*main->ListView1, low));
        QVERIFY(!DragMove(*main->ListView1, low));
        QVERIFY(!Drop(*main->ListView1, low));
        QMimeData text;
        text.setText(QStringLiteral("TPanel"));
        QDropEvent drop(low, Qt::MoveAction, &text, Qt::LeftButton, Qt::NoModifier);
        drop.ignore();
        QApplication::sendEvent(main->Panel1, &drop);
        QVERIFY(!drop.isAccepted());
        QVERIFY(!PanelAtBottom());
        QVERIFY(!main->Panel1DragOver(nullptr));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    int status = 0;
    {
        LastErrorLookup test;
        status |= QTest::qExec(&test, argc, argv);
    }
    {
        ManualPanelDocking test;
        status |= QTest::qExec(&test, argc, argv);
    }
    return status;
}

#include "tst_lasterror.moc"
