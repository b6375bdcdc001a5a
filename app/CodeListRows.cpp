#include "app/CodeListRows.h"

#include "app/CodeListModel.h"

int CodeListRows::RowCount() const
{
    return model.Count();
}

CodeEntry CodeListRows::Row(int index) const
{
    return model.Row(index);
}

std::string CodeListRows::Mnemonic(int index) const
{
    return model.Row(index).Mnemonic;
}
