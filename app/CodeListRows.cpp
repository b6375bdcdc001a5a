#include "app/CodeListRows.h"

#include "widgets/CodeListModel.h"

int CodeListRows::RowCount() const
{
    return model.Count();
}

// The rules walk the whole list: each row is made once, straight from the
// list, without the model's store of recently asked-for rows.
CodeEntry CodeListRows::Row(int index) const
{
    return model.Rows()[static_cast<std::size_t>(index)];
}

std::string CodeListRows::Mnemonic(int index) const
{
    FieldDigits unused;
    return std::string(model.Rows().Text(static_cast<std::size_t>(index), -1, unused));
}
