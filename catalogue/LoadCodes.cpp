#include "LoadCodes.h"

#include "ExpressionRows.h"
#include "ScanHeader.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <new>

namespace {

bool AnySelected(const TStringsStorage& list, const BYTE* selected)
{
    if (selected == nullptr)
        return false;
    for (LONG i = 0; i < list.Count(); ++i) {
        if (selected[i] != 0)
            return true;
    }
    return false;
}

// 0 when a file is at path; else why not. A folder is no header, and
// opening one fails as CreateFileA fails on it.
DWORD MissingReason(LPCSTR path)
{
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD code = GetLastError();
        return code != 0 ? code : ERROR_FILE_NOT_FOUND;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? ERROR_ACCESS_DENIED : 0;
}

} // namespace

LoadedCodes LoadCodes(const CodeLists& lists, const std::function<void(const FailedHeader&)>& onFailure)
{
    LoadedCodes loaded;
    if (!AnySelected(lists.Headers, lists.HeaderSelected)) {
        loaded.Refusal = LoadRefusal::NoHeaders;
        return loaded;
    }
    if (!AnySelected(lists.Prefixes, lists.PrefixSelected)) {
        loaded.Refusal = LoadRefusal::NoPrefixes;
        return loaded;
    }
    ExpressionRows expressions;
    for (LONG i = 0; i < lists.Headers.Count(); ++i) {
        if (lists.HeaderSelected[i] == 0)
            continue;
        const LPCSTR path = lists.Headers.Text(i);
        // A failed header, memory running out included, adds no rows. Why
        // it failed is asked only then: a load of many headers would pay a
        // look at each file for nothing.
        FailedHeader failed{path, false,
                            ScanHeader(path, lists.Prefixes, lists.PrefixSelected, loaded.Rows, &expressions)};
        if (failed.Error == 0) {
            ++loaded.LoadedHeaders;
            continue;
        }
        if (const DWORD missing = MissingReason(path); missing != 0) {
            failed.Missing = true;
            failed.Error = missing;
        }
        if (onFailure)
            onFailure(failed);
        loaded.Failed.push_back(std::move(failed));
    }
    // A value may use a define of any loaded header, in any order. Memory
    // running out here leaves the rows not yet evaluated with the number
    // the scan read, as every row had before evaluation.
    try {
        expressions.Evaluate(loaded.Rows);
    } catch (const std::bad_alloc&) {
    }
    return loaded;
}
