// Paths that are no regular text file, handed to the string list's text
// file reader: each must fail at once, as a file that cannot be opened does,
// never wait for a writer or read without end.
#include "TempFolder.h"

#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <future>
#include <unistd.h>

namespace {

// A load that blocked on a FIFO would wait for a writer: after a while the
// guard becomes that writer, so the test fails instead of hanging. A load
// that reads without end cannot be stopped, so the program ends at once
// rather than leave it to the test runner's much longer time limit.
DWORD LoadWithoutWaiting(const std::string& path, TStringsStorage& list)
{
    auto load = std::async(std::launch::async, [&] { return list.LoadFromTextFile(path.c_str()); });
    if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "loading " << path << " does not end";
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
        if (load.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            std::fprintf(stderr, "loading %s never ends\n", path.c_str());
            std::_Exit(1);
        }
    }
    return load.get();
}

TEST(StringListHostileTextFile, FifoIsRefusedWithoutWaiting)
{
    const TempFolder folder;
    ASSERT_TRUE(folder.Made());
    const std::string path = folder.File("pipe.txt");
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    TStringsStorage list;
    list.Add("kept");
    EXPECT_EQ(LoadWithoutWaiting(path, list), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(list.Count(), 1) << "a file that cannot be opened leaves the list alone";
}

// /dev/zero gives NUL bytes without end: lines of no characters that add no
// item, so a reader that only stops at the end of the file never stops.
TEST(StringListHostileTextFile, EndlessDeviceIsRefused)
{
    const TempFolder folder;
    ASSERT_TRUE(folder.Made());
    const std::string path = folder.File("zero.txt");
    ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
    TStringsStorage list;
    list.Add("kept");
    EXPECT_EQ(LoadWithoutWaiting(path, list), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(list.Count(), 1) << "a file that cannot be opened leaves the list alone";
}

} // namespace
