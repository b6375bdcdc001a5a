#include "widgets/CodeListModel.h"

#include "widgets/AnsiQString.h"
#include "widgets/Images.h"

#include "catalogue/CodeValue.h"

#include <stdexcept>
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
    const auto row = static_cast<std::size_t>(index.row());
    if (role == Qt::DisplayRole) {
        FieldDigits digits;
        return FromAnsi(rows.Text(row, index.column() - 1, digits));
    }
    if (role == Qt::ToolTipRole && index.column() == 1)
        return QString::fromStdString(HexText(rows.Value(row)));
    if (role == Qt::DecorationRole && index.column() == 0)
        return TrayImage(rows.ImageIndex(row));
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

const CodeEntry& CodeListModel::Row(int i) const
{
    if (i < 0 || i >= Count())
        throw std::out_of_range("CodeListModel::Row");
    return rows.At(static_cast<std::size_t>(i));
}

void CodeListModel::SetRows(std::vector<CodeEntry> newRows)
{
    beginResetModel();
    rows.Assign(std::move(newRows));
    endResetModel();
}

void CodeListModel::SetLoadedRows(CodeTable newRows)
{
    beginResetModel();
    rows.Assign(std::move(newRows));
    endResetModel();
}

void CodeListModel::Append(CodeEntry row)
{
    beginInsertRows({}, Count(), Count());
    rows.Append(std::move(row));
    endInsertRows();
}

void CodeListModel::Remove(int i)
{
    if (i < 0 || i >= Count())
        return;
    beginRemoveRows({}, i, i);
    rows.Remove(static_cast<std::size_t>(i));
    endRemoveRows();
}

void CodeListModel::Clear()
{
    SetRows(std::vector<CodeEntry>());
}

void CodeListModel::Reorder(const std::vector<std::size_t>& order)
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newPosition(rows.size());
    for (std::size_t position = 0; position < order.size(); ++position)
        newPosition[order[position]] = static_cast<int>(position);
    rows.Reorder(order);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before)
        after.append(index.isValid() ? createIndex(newPosition[static_cast<std::size_t>(index.row())], index.column())
                                     : index);
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
