#include "platform/file_failure_detail.h"

#include "platform/win32.h"

namespace {

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

} // namespace

// Windows names most of these causes in its own codes; what remains is the
// kind of thing at the path and the missing folder.
std::string FileFailureDetail(const std::string& path, DWORD code, FileUse /*use*/)
{
    if (code == ERROR_ACCESS_DENIED) {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES)
            return {};
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return path + " is a folder.";
        if ((attributes & FILE_ATTRIBUTE_READONLY) != 0)
            return path + " is write-protected.";
        return {};
    }
    if (code == ERROR_PATH_NOT_FOUND) {
        std::string missing = FolderOf(path);
        while (missing != "." && GetFileAttributesA(FolderOf(missing).c_str()) == INVALID_FILE_ATTRIBUTES
               && FolderOf(missing) != missing)
            missing = FolderOf(missing);
        return "There is no folder " + missing + ".";
    }
    return {};
}
