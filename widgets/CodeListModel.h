// The rows of a report list: CodeEntry values, shown as the mnemonic with
// its small image and then as many sub-items as the list has columns. The
// model is the only store of the rows of the code list and of the action
// list. A load's rows stay in their compact table (catalogue/CodeTable.h);
// each reads as the CodeEntry it stands for.
#pragma once

#include "catalogue/CodeEntry.h"
#include "catalogue/CodeList.h"
#include "catalogue/CodeListOrder.h"
#include "catalogue/CodeTable.h"

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
    // Valid until the rows change, or until CodeList::kMadeRowsKept other
    // rows of a load have been asked for; std::out_of_range for a row that
    // does not exist.
    const CodeEntry& Row(int i) const;
    const CodeList& Rows() const { return rows; }

    // Replaces every row in one batch.
    void SetRows(std::vector<CodeEntry> newRows);
    // The same for the rows of a load, kept in their table.
    void SetLoadedRows(CodeTable newRows);
    void Append(CodeEntry row);
    void Remove(int i);
    void Clear();
    // Puts row order[i] at position i, for a permutation order of the
    // rows. The selected and the focused row stay with their rows.
    void Reorder(const std::vector<std::size_t>& order);

private:
    QStringList captions;
    CodeList rows;
};
