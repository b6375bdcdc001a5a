// The header path window: a read-only path, or the input box of a prefix
// that hands its text back however it closes.
#include "dialogs/TfrmWideText.h"
#include "dialogs/TfrmWideTextSeam.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

struct Outcome {
    bool shown = false;
    QString caption;
    QSize size;
    bool readOnly = false;
    QColor background;
    QPointer<TfrmWideText> window;
};

// Shows the window through the program's own seam; user acts on it once
// it is up. A window that stays open is closed by the test.
Outcome Show(bool editable, QString& text, const QString& caption, const std::function<void(TfrmWideText&)>& user)
{
    Outcome outcome;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<TfrmWideText*>(QApplication::activeModalWidget());
        if (window == nullptr)
            return;
        outcome.window = window;
        outcome.caption = window->windowTitle();
        outcome.size = window->size();
        outcome.readOnly = window->Edit1->isReadOnly();
        outcome.background = window->Edit1->palette().color(QPalette::Base);
        if (!QTest::qWaitForWindowActive(window))
            qWarning("the window did not become active");
        user(*window);
        if (outcome.window && outcome.window->isVisible()) {
            qWarning("the window stayed open");
            outcome.window->close();
        }
    });
    outcome.shown = Seam<WideTextWindows>::Get().ShowModal(nullptr, editable, text, caption);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return outcome;
}

void Type(TfrmWideText& window, const QString& typed, Qt::Key closing)
{
    window.Edit1->selectAll();
    QTest::keyClicks(window.Edit1, typed);
    QTest::keyClick(window.Edit1, closing);
}

} // namespace

class EditableWindow : public QObject {
    Q_OBJECT

private slots:
    void everyWayOfClosingHandsTheTypedTextBack_data()
    {
        QTest::addColumn<int>("closing");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("the close box") << 0;
    }

    void everyWayOfClosingHandsTheTypedTextBack()
    {
        QFETCH(int, closing);
        QString text = QStringLiteral("ERROR_");
        const Outcome outcome = Show(true, text, QStringLiteral("Edit prefix"), [closing](TfrmWideText& window) {
            if (closing != 0) {
                Type(window, QStringLiteral("RPC_"), static_cast<Qt::Key>(closing));
                return;
            }
            Type(window, QStringLiteral("RPC_"), Qt::Key_End);
            window.close();
        });
        QVERIFY(outcome.shown);
        QCOMPARE(text, QStringLiteral("RPC_"));
        QCOMPARE(outcome.caption, QStringLiteral("Edit prefix"));
        QVERIFY(!outcome.readOnly);
        QCOMPARE(outcome.size, QSize(424, 41));
        QVERIFY(outcome.window.isNull());
    }

    void theTextShownAtFirstComesBackUntouched()
    {
        QString text;
        const Outcome outcome = Show(true, text, QStringLiteral("Specify new prefix"),
                                     [](TfrmWideText& window) { QTest::keyClick(window.Edit1, Qt::Key_Escape); });
        QVERIFY(outcome.shown);
        QCOMPARE(text, QString());
    }
};

class ReadOnlyWindow : public QObject {
    Q_OBJECT

private slots:
    void thePathShowsOnTheButtonFaceAndStaysAsItWas()
    {
        const QString path = QStringLiteral("/usr/share/mingw-w64/include/winerror.h");
        QString text = path;
        QString shownText;
        const Outcome outcome = Show(false, text, QStringLiteral("Full path"), [&](TfrmWideText& window) {
            shownText = window.Edit1->text();
            QTest::keyClicks(window.Edit1, QStringLiteral("xyz"));
            QTest::keyClick(window.Edit1, Qt::Key_Return);
        });
        QVERIFY(outcome.shown);
        QCOMPARE(shownText, path);
        QVERIFY(outcome.readOnly);
        QCOMPARE(outcome.background, QApplication::palette().color(QPalette::Button));
        QCOMPARE(text, path);
        QVERIFY(outcome.window.isNull());
    }
};

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    int failures = 0;
    EditableWindow editable;
    failures += QTest::qExec(&editable, argc, argv);
    ReadOnlyWindow readOnly;
    failures += QTest::qExec(&readOnly, argc, argv);
    return failures;
}

#include "tst_settings_widetext.moc"
