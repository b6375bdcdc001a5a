// The rows of a report list: CodeEntry values, shown as the mnemonic with
// its small image and then as many sub-items as the list has columns. The
// model is the only store of the rows of the code list and of the action
// list.
#pragma once

#include "catalogue/CodeEntry.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <vector>

class CodeListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // One column per caption: the mnemonic, then sub-items 0, 1, ...
    explicit CodeListModel(QStringList captions, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int Count() const { return static_cast<int>(rows.size()); }
    const CodeEntry& Row(int i) const { return rows.at(static_cast<std::size_t>(i)); }
    const std::vector<CodeEntry>& Rows() const { return rows; }

    // Replaces every row in one batch.
    void SetRows(std::vector<CodeEntry> newRows);
    void Append(CodeEntry row);
    void Remove(int i);
    void Clear();
    // Puts row order[i] at position i, for a permutation order of the
    // rows. The selected and the focused row stay with their rows.
    void Reorder(const std::vector<std::size_t>& order);

private:
    QStringList captions;
    std::vector<CodeEntry> rows;
};
