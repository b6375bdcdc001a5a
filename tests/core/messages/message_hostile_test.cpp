// Message DLLs on disk made to hurt the reader: block offsets outside the
// file, and paths that are no regular file. Each gives no messages, quickly.
#include "core/scratch_folder.h"
#include "lookup.h"
#include "pe_fixture.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <future>
#include <unistd.h>

namespace {

const std::vector<FixtureMessage> kMessages = {{5, u"Access is denied.\r\n"}, {7, u"Seven.\r\n"}};

class MessageHostileDll : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = MakeScratchFolder("vantrel-messages");
        ASSERT_FALSE(folder.empty());
        path = folder + "/kernelbase.dll";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    void Write(const std::vector<std::uint8_t>& bytes) const
    {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    // A read that blocked on a FIFO would wait for a writer: after a while the
    // guard becomes that writer, so the test fails instead of hanging.
    MessageTableSet ReadWithoutWaiting() const
    {
        auto read = std::async(std::launch::async, [this] { return MessageTableSet::FromFile(path); });
        if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "reading " << path << " waits";
            ::close(::open(path.c_str(), O_WRONLY | O_NONBLOCK));
        }
        return read.get();
    }

    std::string folder;
    std::string path;
};

TEST_F(MessageHostileDll, BlockOffsetsOutsideTheFileGiveNoMessages)
{
    const auto resource = BuildMessageResource(kMessages);
    const auto dll = BuildMessageDll(PeKind::Pe32Plus, 0x409, kMessages);
    const auto at = std::search(dll.begin(), dll.end(), resource.begin(), resource.end());
    ASSERT_NE(at, dll.end());
    // The first block's entry offset: 4 bytes of count, then low and high id.
    const std::size_t offsetField = static_cast<std::size_t>(at - dll.begin()) + 12;

    Write(dll);
    ASSERT_EQ(LookUp(MessageTableSet::FromFile(path), 5, 0x409).text, "Access is denied.\r\n");
    for (std::uint32_t offset : {static_cast<std::uint32_t>(dll.size()), 0x7FFFFFFFu, 0xFFFFFFFCu}) {
        auto damaged = dll;
        Patch32(damaged, offsetField, offset);
        Write(damaged);
        const MessageTableSet tables = MessageTableSet::FromFile(path);
        EXPECT_TRUE(tables.Empty()) << offset;
        EXPECT_EQ(LookUp(tables, 5, 0x409).error, ERROR_MR_MID_NOT_FOUND) << offset;
    }
}

TEST_F(MessageHostileDll, FifoGivesNoMessagesWithoutWaiting)
{
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    EXPECT_TRUE(ReadWithoutWaiting().Empty());
}

TEST_F(MessageHostileDll, FolderOrEndlessDeviceGivesNoMessages)
{
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    EXPECT_TRUE(ReadWithoutWaiting().Empty());
    std::filesystem::remove(path);
    ASSERT_EQ(::symlink("/dev/zero", path.c_str()), 0);
    EXPECT_TRUE(ReadWithoutWaiting().Empty());
}

} // namespace
