#include "app/RowCodeValue.h"

#include "output/LastErrorPanelRules.h"

LONG RowCodeValue(const CodeEntry& row)
{
    const auto magnitude = static_cast<DWORD>(CodeNumber(row.Code()));
    return static_cast<LONG>(row.Severity() == "1" ? 0U - magnitude : magnitude);
}
