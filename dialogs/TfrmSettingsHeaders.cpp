// The header list of the General page. A header's path is kept as the file
// system's bytes, so that every file the dialog offers opens again; the
// list box shows its file name alone.
#include "dialogs/TfrmSettings.h"

#include "dialogs/TfrmSettingsListBox.h"
#include "dialogs/TfrmSettingsText.h"
#include "dialogs/TfrmWideTextSeam.h"
#include "settings/TSettings.h"
#include "widgets/seams/FileOpenDialog.h"

#include <QFile>

namespace {

constexpr const char* HeaderFilter =
    "C/C++ Header Files (*.h, *hpp)|*.h;*hpp|H File (*.h)|*.h|"
    "HPP File  (*.hpp)|*.hpp|All files (*.*)|*.*";

QString DisplayName(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(FileNamePart(path)));
}

} // namespace

void TfrmSettings::FillHeaderList()
{
    if (lbHeaders->count() > 0)
        lbHeaders->clear();
    const TSettings::tagErrorsOptions& errors = Settings->ErrorsOptions;
    for (LONG i = 0; i < errors.Headers.Count(); ++i) {
        lbHeaders->addItem(DisplayName(errors.Headers.Text(i)));
        lbHeaders->SetSelected(i, errors.HeaderSelected[i] != 0);
    }
}

void TfrmSettings::cmdAddHeaderClick()
{
    const QStringList chosen = Seam<FileOpenDialog>::Get().OpenFiles(this, QString::fromLatin1(HeaderFilter));
    if (chosen.isEmpty())
        return;
    for (const QString& file : chosen) {
        const std::string path = QFile::encodeName(file).toStdString();
        // A header listed already is skipped without a word.
        if (Settings->ErrorsOptions.AddHeader(path.c_str()))
            lbHeaders->addItem(DisplayName(path));
    }
    UpdateButtons();
}

void TfrmSettings::cmdDeleteHeaderClick()
{
    const TSettings::tagErrorsOptions& errors = Settings->ErrorsOptions;
    DeleteSelected(*lbHeaders, errors.Headers, errors.RemoveHeader, "Action : Delete selected header",
                   "Action : Delete selected headers");
}

void TfrmSettings::lbHeadersDblClick()
{
    const TStringsStorage& headers = Settings->ErrorsOptions.Headers;
    for (int i = 0; i < lbHeaders->count(); ++i) {
        if (!lbHeaders->Selected(i))
            continue;
        QString path = i < headers.Count() ? QFile::decodeName(headers.Text(i)) : QString();
        if (!Seam<WideTextWindows>::Get().ShowModal(this, false, path, QStringLiteral("Full path"))) {
            ReportNoNewWindow();
            return;
        }
    }
}
