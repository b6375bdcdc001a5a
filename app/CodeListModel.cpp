#include "app/CodeListModel.h"

#include "app/Images.h"
#include "platform/codepage.h"

#include <utility>

CodeListModel::CodeListModel(QStringList captions_, QObject* parent)
    : QAbstractTableModel(parent), captions(std::move(captions_))
{
}

int CodeListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Count();
}

int CodeListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(captions.size());
}

QVariant CodeListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= Count())
        return {};
    const CodeEntry& row = Row(index.row());
    if (role == Qt::DisplayRole) {
        const std::string& text = index.column() == 0
            ? row.Mnemonic
            : row.SubItems.at(static_cast<std::size_t>(index.column() - 1));
        return QString::fromStdString(Ansi1252ToUtf8(text));
    }
    if (role == Qt::DecorationRole && index.column() == 0)
        return TrayImage(row.ImageIndex);
    return {};
}

QVariant CodeListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < captions.size())
        return captions.at(section);
    return {};
}

Qt::ItemFlags CodeListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemNeverHasChildren;
}

void CodeListModel::SetRows(std::vector<CodeEntry> newRows)
{
    beginResetModel();
    rows = std::move(newRows);
    endResetModel();
}

void CodeListModel::Append(CodeEntry row)
{
    beginInsertRows({}, Count(), Count());
    rows.push_back(std::move(row));
    endInsertRows();
}

void CodeListModel::Remove(int i)
{
    if (i < 0 || i >= Count())
        return;
    beginRemoveRows({}, i, i);
    rows.erase(rows.begin() + i);
    endRemoveRows();
}

void CodeListModel::Clear()
{
    SetRows({});
}

void CodeListModel::Reorder(const std::vector<std::size_t>& order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(rows.size());
    std::vector<CodeEntry> reordered;
    reordered.reserve(rows.size());
    for (std::size_t position = 0; position < order.size(); ++position) {
        newPosition[order[position]] = static_cast<int>(position);
        reordered.push_back(std::move(rows[order[position]]));
    }
    rows = std::move(reordered);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(index.isValid() ? createIndex(newPosition[static_cast<std::size_t>(index.row())], index.column())
                                     : index);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
