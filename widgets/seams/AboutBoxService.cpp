#include "widgets/seams/AboutBoxService.h"

#include "widgets/AnsiQString.h"

#include <QIcon>
#include <QMessageBox>

namespace {

class QtAboutBox final : public AboutBoxService {
public:
    void Show(QWidget* owner, const std::string& title, const std::string& otherText, const QIcon& icon) override
    {
        const QString name = FromAnsi(title);
        QMessageBox box(owner);
        box.setWindowTitle(QStringLiteral("About %1").arg(name));
        box.setIconPixmap(icon.pixmap(32, 32));
        box.setTextFormat(Qt::PlainText);
        box.setText(name);
        // The box is as wide as its title bar needs, and would break the lines
        // of the text to fit; no line of it is broken.
        box.setInformativeText(FromAnsi(otherText).replace(QLatin1Char(' '), QChar::Nbsp));
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
    }
};

} // namespace

template <> AboutBoxService& Seam<AboutBoxService>::Default()
{
    static QtAboutBox box;
    return box;
}
