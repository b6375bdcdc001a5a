#include "widgets/seams/FileSaveDialog.h"

#include <QFileDialog>

namespace {

// Qt reads a filter's patterns from the parentheses at its end, divided by
// blanks. "*.*" stands for every file, as it does on Windows; to Qt it would
// hide the files without an extension.
QStringList SaveNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' '))));
    }
    return filters;
}

class QtFileSaveDialog final : public FileSaveDialog {
public:
    bool Execute(QWidget* owner, FileSaveChoice& choice) override
    {
        QFileDialog dialog(owner, choice.Title);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The descriptions show their patterns already.
        dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails);
        const QStringList filters = SaveNameFilters(choice.Filter);
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

template <>
FileSaveDialog& Seam<FileSaveDialog>::Default()
{
    static QtFileSaveDialog dialog;
    return dialog;
}
