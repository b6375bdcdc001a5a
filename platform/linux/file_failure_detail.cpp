#include "platform/file_failure_detail.h"

#include "platform/replacement_files.h"
#include "platform/user_folders.h"
#include "win32_errors.h"

#include <sys/stat.h>

namespace {

// The folder part without its slash: "." for a bare name, "/" at the root.
std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// For a path whose folder is missing: which folder is missing, or which name
// on the way is no folder.
std::string MissingFolderDetail(const std::string& path, FileUse use)
{
    const std::string folder = FolderOf(path);
    std::string existing = folder;
    std::string missing;
    struct stat info {};
    while (::stat(existing.c_str(), &info) != 0) {
        missing = existing;
        if (existing == "/" || existing == ".")
            return {};
        existing = FolderOf(existing);
    }
    if (!S_ISDIR(info.st_mode))
        return existing + " is not a folder.";
    if (missing.empty())
        return {};
    if (use == FileUse::Read)
        return "There is no folder " + missing + ".";
    std::string detail = "The folder " + folder + " does not exist and could not be made";
    if (!FolderIsWritable(existing))
        detail += ": " + existing + " takes no new files";
    return detail + ".";
}

std::string RefusedFileDetail(const std::string& file, FileUse use)
{
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        return {};
    if (S_ISDIR(info.st_mode))
        return file + " is a folder.";
    if (!S_ISREG(info.st_mode))
        return file + " is not a regular file.";
    if (use == FileUse::Read)
        return {};
    if ((info.st_mode & 0222) == 0)
        return file + " is write-protected.";
    const std::string folder = FolderOf(file);
    if (!FolderIsWritable(folder))
        return "The folder " + folder + " takes no new files.";
    return {};
}

} // namespace

std::string FileFailureDetail(const std::string& path, DWORD code, FileUse use)
{
    std::string target;
    if (!ResolveFileLinks(path.c_str(), target))
        return {};
    std::string detail;
    if (code == ERROR_ACCESS_DENIED)
        detail = RefusedFileDetail(target, use);
    else if (code == ERROR_PATH_NOT_FOUND || code == ERROR_FILE_NOT_FOUND)
        detail = MissingFolderDetail(target, use);
    if (detail.empty() || target == path)
        return detail;
    return path + " is a link to " + target + ". " + detail;
}
