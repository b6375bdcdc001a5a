// The About box as the program shows it: its lines are never broken.
#include "support/ModalDriver.h"
#include "widgets/seams/AboutBoxService.h"

#include <QFontMetrics>
#include <QIcon>
#include <QLabel>
#include <QTest>

class AboutBox : public QObject {
    Q_OBJECT

private slots:
    void eachLineStaysWhole()
    {
        const QString lines[] = {QStringLiteral("Windows error codes at hand"),
                                 QStringLiteral("Written by the Vantrel developers")};
        QString shown;
        QLabel* label = nullptr;
        const bool seen = WithModalWindow(
            [] {
                Seam<AboutBoxService>::Get().Show(
                    nullptr, "Vantrel", "Windows error codes at hand\r\nWritten by the Vantrel developers", QIcon());
            },
            [&](QWidget* box) {
                for (QLabel* candidate : box->findChildren<QLabel*>()) {
                    if (candidate->text().contains(QStringLiteral("developers")))
                        label = candidate;
                }
                QVERIFY(label != nullptr);
                const QFontMetrics metrics(label->font());
                for (const QString& line : lines)
                    QVERIFY2(metrics.horizontalAdvance(line) <= label->contentsRect().width(), qPrintable(line));
            });
        QVERIFY(seen);
    }
};

QTEST_MAIN(AboutBox)
#include "tst_about_box.moc"
