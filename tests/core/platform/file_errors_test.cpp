// The codes the file services fail with, for the failures a load or a save
// meets: a missing file, a folder, a missing folder in the path and a file in
// use. The same table holds on both systems; the codes are Win32's.
#include "core/scratch_folder.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

namespace {

class FileErrors : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = MakeScratchFolder("vantrel-file-errors");
        ASSERT_FALSE(folder.empty());
        std::ofstream(Path("file")) << "text";
        std::filesystem::create_directory(Path("folder"));
    }
    void TearDown() override
    {
        if (inUse != INVALID_HANDLE_VALUE)
            CloseHandle(inUse);
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }

    std::string Path(const std::string& name) const { return folder + "/" + name; }

    // The file held open by another user of it, sharing nothing.
    void HoldInUse()
    {
        inUse = CreateFileA(Path("file").c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
    }

    std::string folder;
    HANDLE inUse = INVALID_HANDLE_VALUE;
};

HANDLE Open(const std::string& path, DWORD access, DWORD disposition)
{
    return CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

// The last error of a call that must fail.
DWORD ErrorOf(const std::function<BOOL()>& call)
{
    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(call());
    return GetLastError();
}

DWORD OpenError(const std::string& path, DWORD access, DWORD disposition)
{
    return ErrorOf([&] {
        const HANDLE file = Open(path, access, disposition);
        if (file == INVALID_HANDLE_VALUE)
            return FALSE;
        CloseHandle(file);
        return TRUE;
    });
}

struct Case {
    const char* what;
    const char* path; // in the scratch folder
    bool inUse;
    DWORD readError;     // CreateFileA for reading, OPEN_EXISTING
    DWORD writeError;    // CreateFileA for writing, CREATE_ALWAYS
    DWORD moveFromError; // MoveFileExA of the path onto a new name
    DWORD moveOntoError; // MoveFileExA of another file onto the path, replacing it
};

const Case kCases[] = {
    {"missing file", "missing", false, ERROR_FILE_NOT_FOUND, 0, ERROR_FILE_NOT_FOUND, 0},
    {"folder", "folder", false, ERROR_ACCESS_DENIED, ERROR_ACCESS_DENIED, 0, ERROR_ACCESS_DENIED},
    {"missing folder in the path", "none/file", false, ERROR_PATH_NOT_FOUND, ERROR_PATH_NOT_FOUND, ERROR_PATH_NOT_FOUND,
     ERROR_PATH_NOT_FOUND},
    {"file in use", "file", true, ERROR_SHARING_VIOLATION, ERROR_SHARING_VIOLATION, ERROR_SHARING_VIOLATION,
     ERROR_ACCESS_DENIED},
};

TEST_F(FileErrors, OpenAndMoveFailWithWin32sCodes)
{
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        if (c.inUse)
            HoldInUse();
        const std::string path = Path(c.path);
        if (c.readError != 0) {
            EXPECT_EQ(OpenError(path, GENERIC_READ, OPEN_EXISTING), c.readError);
        }
        if (c.writeError != 0) {
            EXPECT_EQ(OpenError(path, GENERIC_WRITE, CREATE_ALWAYS), c.writeError);
        }
        if (c.moveFromError != 0) {
            EXPECT_EQ(ErrorOf([&] { return MoveFileExA(path.c_str(), Path("moved").c_str(), 0); }), c.moveFromError);
        }
        if (c.moveOntoError != 0) {
            std::ofstream(Path("other")) << "other";
            EXPECT_EQ(
                ErrorOf([&] { return MoveFileExA(Path("other").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING); }),
                c.moveOntoError);
        }
    }
}

TEST_F(FileErrors, ReadAndWriteNeedTheRightAccess)
{
    const HANDLE reading = Open(Path("file"), GENERIC_READ, OPEN_EXISTING);
    const HANDLE writing = Open(Path("written"), GENERIC_WRITE, CREATE_ALWAYS);
    ASSERT_NE(reading, INVALID_HANDLE_VALUE);
    ASSERT_NE(writing, INVALID_HANDLE_VALUE);
    char buffer[4] = {};
    DWORD done = 99;
    EXPECT_EQ(ErrorOf([&] { return WriteFile(reading, "x", 1, &done, nullptr); }), ERROR_ACCESS_DENIED);
    EXPECT_EQ(done, 0u);
    EXPECT_EQ(ErrorOf([&] { return ReadFile(writing, buffer, 1, &done, nullptr); }), ERROR_ACCESS_DENIED);
    EXPECT_EQ(ErrorOf([&] { return ReadFile(INVALID_HANDLE_VALUE, buffer, 1, &done, nullptr); }), ERROR_INVALID_HANDLE);
    CloseHandle(reading);
    CloseHandle(writing);
}

} // namespace
