#include "widgets/seams/FileSaveDialog.h"

#include "widgets/seams/FileOpenDialog.h"

#include <QFileDialog>

namespace {

class QtFileSaveDialog final : public FileSaveDialog {
public:
    bool Execute(QWidget* owner, FileSaveChoice& choice) override
    {
        QFileDialog dialog(owner, choice.Title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The descriptions show their patterns already.
        dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
        const QStringList filters = QtNameFilters(choice.Filter);
        dialog.setNameFilters(filters);
        if (choice.FilterIndex >= 1 && choice.FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[choice.FilterIndex - 1]);
        if (!choice.FileName.isEmpty())
            dialog.selectFile(choice.FileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        choice.FileName = dialog.selectedFiles().constFirst();
        choice.FilterIndex = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())) + 1;
        if (choice.FilterIndex == 0)
            choice.FilterIndex = 1;
        return true;
    }
};

} // namespace

template <> FileSaveDialog& Seam<FileSaveDialog>::Default()
{
    static QtFileSaveDialog dialog;
    return dialog;
}
