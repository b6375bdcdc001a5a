#include "widgets/seams/FileOpenDialog.h"

#include <QFileDialog>

namespace {

class QtFileOpenDialog final : public FileOpenDialog {
public:
    QStringList OpenFiles(QWidget* owner, const QString& filter) override
    {
        QFileDialog dialog(owner);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFiles);
        // The patterns stand in the descriptions already; Qt's own copy of
        // them would only repeat them.
        dialog.setOptions(QFileDialog::DontResolveSymlinks | QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(QtNameFilters(filter));
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.selectedFiles();
    }
};

} // namespace

template <> FileOpenDialog& Seam<FileOpenDialog>::Default()
{
    static QtFileOpenDialog dialog;
    return dialog;
}

QStringList QtNameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        // "*.*" is every file, as on Windows; to Qt it would hide the files
        // without a dot, such as cstdio.
        for (QString& pattern : patterns) {
            if (pattern == QLatin1String("*.*"))
                pattern = QStringLiteral("*");
        }
        filters.append(QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' '))));
    }
    return filters;
}
