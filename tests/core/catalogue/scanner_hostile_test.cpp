// Headers made to hurt the scanner: a line of 100 MB, NUL bytes, and paths
// that are no regular file. None may crash it, hang it, take long or cost
// memory out of proportion to the file.
#include "scan_support.h"

#include "catalogue/ScanHeader.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <future>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::string_literals;

constexpr std::size_t kMegabyte = 1024 * 1024;

long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// A scan that blocked on a FIFO would wait for a writer: after a while the
// guard becomes that writer, so the test fails instead of hanging.
ScanOutcome ScanWithoutWaiting(const std::string& path)
{
    auto scan = std::async(std::launch::async, [&path] { return Scan(path, Prefixes{"ERROR_"}); });
    if (scan.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << path << " made the scan wait";
        ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
    }
    return scan.get();
}

TEST(ScannerHostileHeader, HundredMegabyteLineIsQuickAndCostsMemoryInProportion)
{
    const TempFolder folder;
    const std::string path = (folder.Path() / "long.h").string();
    const std::string head = "// one long line\n#define ERROR_LONG";
    {
        std::ofstream out(path, std::ios::binary);
        out << head;
        const std::string spaces(kMegabyte, ' ');
        for (int i = 0; i < 100; ++i)
            out.write(spaces.data(), static_cast<std::streamsize>(spaces.size()));
        out << "7\n#define ERROR_AFTER 8";
    }
    const long peakBefore = PeakMegabytes();
    const auto start = std::chrono::steady_clock::now();
    const ScanOutcome outcome = Scan(path, Prefixes{"ERROR_"});
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

    EXPECT_LT(seconds, 30.0) << "a scan that is not linear in the line length";
    EXPECT_LT(PeakMegabytes() - peakBefore, 1024) << "far more memory than the 100 MB line";
    ASSERT_EQ(outcome.Result, 0u);
    ASSERT_EQ(outcome.Rows.size(), 2u);
    EXPECT_EQ(outcome.Rows[0].Code(), "7") << "the value after 100 MB of spaces";
    EXPECT_EQ(outcome.Rows[0].LineOffset(), "17");
    EXPECT_EQ(outcome.Rows[0].LineLength(), std::to_string(head.size() - 17 + 100 * kMegabyte + 2));
    EXPECT_EQ(outcome.Rows[1].Line(), "3");
    EXPECT_EQ(outcome.Rows[1].LineOffset(), std::to_string(head.size() + 100 * kMegabyte + 2));
}

TEST(ScannerHostileHeader, NulBytesKeepTheLinesAfterThemInPlace)
{
    const std::string header =
        "// nul\n\0\0\0\n#define ERROR_A\0 1\n#define ERROR_B 2\0\0\n\0#define ERROR_C 3\n"
        "#define ERROR_D 4\n"s;
    const ScanOutcome outcome = ScanBytes(header, Prefixes{"ERROR_"});
    ASSERT_EQ(outcome.Result, 0u);
    ASSERT_EQ(outcome.Rows.size(), 2u) << "a NUL ends the name of A, and C's line starts with one";
    EXPECT_EQ(outcome.Rows[0].Mnemonic, "ERROR_B");
    EXPECT_EQ(outcome.Rows[0].Line(), "4");
    EXPECT_EQ(outcome.Rows[0].LineOffset(), std::to_string(header.find("#define ERROR_B")));
    EXPECT_EQ(outcome.Rows[0].LineLength(), "20");
    EXPECT_EQ(outcome.Rows[1].Mnemonic, "ERROR_D");
    EXPECT_EQ(outcome.Rows[1].Line(), "6");
    EXPECT_EQ(outcome.Rows[1].LineOffset(), std::to_string(header.find("#define ERROR_D")));
}

TEST(ScannerHostileHeader, NamesLongerThanAnyStoreBlockKeepEveryByte)
{
    std::string header = "// names\n";
    std::vector<std::string> names;
    for (std::size_t length :
         {std::size_t{10}, 3 * kMegabyte / 2, std::size_t{20}, std::size_t{70 * 1024}, std::size_t{6}}) {
        names.push_back("ERROR_" + std::string(length, static_cast<char>('A' + names.size())));
        header += "#define " + names.back() + " " + std::to_string(names.size()) + "\n";
    }
    const ScanOutcome outcome = ScanBytes(header, Prefixes{"ERROR_"});
    ASSERT_EQ(outcome.Result, 0u);
    ASSERT_EQ(outcome.Rows.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_TRUE(outcome.Rows[i].Mnemonic == names[i]) << "row " << i;
        EXPECT_EQ(outcome.Rows[i].Code(), std::to_string(i + 1));
    }
}

TEST(ScannerHostileHeader, TextCheckOfTheFirstLineEndsAtItsFirstNul)
{
    const ScanOutcome nul = ScanBytes("#define ERROR_A 1\0\x01\x02\n#define ERROR_B 2\n"s, Prefixes{"ERROR_"});
    EXPECT_EQ(nul.Result, 0u) << "what follows the NUL is not looked at";
    EXPECT_EQ(nul.Rows.size(), 2u);
    EXPECT_EQ(ScanBytes("\x01\0#define ERROR_A 1\n"s, Prefixes{"ERROR_"}).Result,
              static_cast<DWORD>(ERROR_INVALID_DATA))
        << "a control byte before the NUL still rejects the header";
}

TEST(ScannerHostileHeader, FifoIsRefusedWithoutWaiting)
{
    const TempFolder folder;
    const std::string path = (folder.Path() / "pipe.h").string();
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const ScanOutcome outcome = ScanWithoutWaiting(path);
    EXPECT_EQ(outcome.Result, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(outcome.Rows.empty());
}

// Reading /dev/zero would never end and grow the line buffer until memory
// runs out.
TEST(ScannerHostileHeader, EndlessDeviceBehindALinkIsRefused)
{
    const TempFolder folder;
    const std::string path = (folder.Path() / "zero.h").string();
    ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
    const ScanOutcome outcome = ScanWithoutWaiting(path);
    EXPECT_EQ(outcome.Result, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(outcome.Rows.empty());
}

} // namespace
