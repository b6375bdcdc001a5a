// Both saves (the settings file and the pane's Save) on a real file system,
// as a user whom file modes bind: a test run as root drops to "nobody" in a
// child process for the save itself, since root may write anything.
#include "output/FileReplacement.h"
#include "settings_support.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    bool saved = false;
    DWORD code = 0;
};

using SaveTo = std::function<bool(const std::string& file)>;

const struct Saving {
    const char* name;
    SaveTo save;
} Savings[] = {
    {"settings", [](const std::string& file) { return TSettings(nullptr).Save(file.c_str()); }},
    {"pane", [](const std::string& file) { return WriteFileReplacing(file.c_str(), "saved\r\n"); }},
};

const passwd* Unprivileged()
{
    return ::geteuid() == 0 ? ::getpwnam("nobody") : nullptr;
}

class FileReplacing : public SettingsFolder {
protected:
    void SetUp() override
    {
        SettingsFolder::SetUp();
        if (::geteuid() == 0 && Unprivileged() == nullptr)
            GTEST_SKIP() << "no user \"nobody\" to drop to from root";
        fs::permissions(folder, fs::perms::all);
    }

    // The file belongs to the user the save runs as, so only its mode
    // decides whether it may be written.
    void Write(const std::string& file, const std::string& bytes,
               fs::perms mode = fs::perms::owner_read | fs::perms::owner_write)
    {
        std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
        fs::permissions(file, mode);
        if (const passwd* user = Unprivileged()) {
            ASSERT_EQ(::chown(file.c_str(), user->pw_uid, user->pw_gid), 0);
        }
    }

    static std::string Read(const std::string& file)
    {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // Runs the save as the unprivileged user and brings back its result.
    static Outcome Run(const SaveTo& save, const std::string& file)
    {
        const passwd* user = Unprivileged();
        if (user == nullptr)
            return {save(file), GetLastError()};
        int result[2];
        if (::pipe(result) != 0)
            return {false, ERROR_GEN_FAILURE};
        const pid_t child = ::fork();
        if (child == 0) {
            ::close(result[0]);
            Outcome outcome{false, ERROR_GEN_FAILURE};
            if (::setgroups(0, nullptr) == 0 && ::setgid(user->pw_gid) == 0 && ::setuid(user->pw_uid) == 0) {
                outcome.saved = save(file);
                outcome.code = GetLastError();
            }
            const bool sent = ::write(result[1], &outcome, sizeof outcome) == sizeof outcome;
            ::_exit(sent ? 0 : 1);
        }
        ::close(result[1]);
        Outcome outcome{false, ERROR_GEN_FAILURE};
        if (child < 0 || ::read(result[0], &outcome, sizeof outcome) != sizeof outcome)
            outcome = {false, ERROR_GEN_FAILURE};
        ::close(result[0]);
        if (child > 0)
            ::waitpid(child, nullptr, 0);
        return outcome;
    }

    // The id of a process that has ended.
    static pid_t EndedProcess()
    {
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(0);
        ::waitpid(child, nullptr, 0);
        return child;
    }
};

TEST_F(FileReplacing, WriteProtectedFileIsRefusedAndKept)
{
    for (const Saving& saving : Savings) {
        SCOPED_TRACE(saving.name);
        Write(path, "protected", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        const Outcome outcome = Run(saving.save, path);
        EXPECT_FALSE(outcome.saved);
        EXPECT_EQ(outcome.code, ERROR_ACCESS_DENIED);
        EXPECT_EQ(Read(path), "protected");
        EXPECT_EQ(fs::status(path).permissions(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vantrel.dat"});
    }
}

// Root passes every access check; the missing write bits still keep the file.
TEST_F(FileReplacing, WriteProtectedFileIsKeptForRootToo)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root may write past the file's mode";
    for (const Saving& saving : Savings) {
        SCOPED_TRACE(saving.name);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << "protected";
        fs::permissions(path, fs::perms::owner_read);
        EXPECT_FALSE(saving.save(path));
        EXPECT_EQ(GetLastError(), ERROR_ACCESS_DENIED);
        EXPECT_EQ(Read(path), "protected");
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vantrel.dat"});
    }
}

TEST_F(FileReplacing, ReplacedFileKeepsItsMode)
{
    for (const Saving& saving : Savings) {
        SCOPED_TRACE(saving.name);
        Write(path, "private");
        ASSERT_TRUE(Run(saving.save, path).saved);
        EXPECT_NE(Read(path), "private");
        EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    }
}

// A relative link through a second one into another folder, and an
// absolute one.
TEST_F(FileReplacing, LinksAreWrittenThroughAndKept)
{
    fs::create_directory(folder + "/real");
    fs::permissions(folder + "/real", fs::perms::all);
    for (const Saving& saving : Savings) {
        for (const bool absolute : {false, true}) {
            SCOPED_TRACE(std::string(saving.name) + (absolute ? " absolute" : " relative"));
            const std::string target = folder + "/real/target";
            Write(target, "old");
            fs::create_symlink(absolute ? target : "hop", path);
            if (!absolute)
                fs::create_symlink("real/target", folder + "/hop");
            ASSERT_TRUE(Run(saving.save, path).saved);
            EXPECT_TRUE(fs::is_symlink(path));
            EXPECT_NE(Read(target), "old");
            EXPECT_EQ(Read(path), Read(target));
            EXPECT_EQ(std::distance(fs::directory_iterator(folder + "/real"), fs::directory_iterator()), 1)
                << "no temporary is left";
            fs::remove(path);
            fs::remove(folder + "/hop");
        }
    }
}

TEST_F(FileReplacing, LinkToNothingYetCreatesTheLinkedFile)
{
    for (const Saving& saving : Savings) {
        SCOPED_TRACE(saving.name);
        fs::create_symlink("later", path);
        ASSERT_TRUE(Run(saving.save, path).saved);
        EXPECT_TRUE(fs::is_symlink(path));
        EXPECT_TRUE(fs::is_regular_file(folder + "/later"));
        fs::remove(path);
        fs::remove(folder + "/later");
    }
}

TEST_F(FileReplacing, LoopOfLinksIsRefused)
{
    fs::create_symlink("loop", path);
    fs::create_symlink("vantrel.dat", folder + "/loop");
    for (const Saving& saving : Savings) {
        SCOPED_TRACE(saving.name);
        const Outcome outcome = Run(saving.save, path);
        EXPECT_FALSE(outcome.saved);
        EXPECT_EQ(outcome.code, ERROR_CANT_RESOLVE_FILENAME);
        EXPECT_EQ(FolderEntries().size(), 2u);
    }
}

TEST_F(FileReplacing, StaleTemporariesOfEndedProcessesGoAndNothingElse)
{
    const std::string ended = std::to_string(EndedProcess());
    const std::string running = std::to_string(::getpid());
    const std::vector<std::string> stale = {".vantrel-save-" + ended + "-aB3xYz.tmp",
                                            ".vantrel-save-" + ended + "-000000.tmp"};
    std::vector<std::string> kept = {
        ".vantrel-save-" + running + "-aB3xYz.tmp", // its process still runs
        ".vantrel-save-" + ended + "-aB3xYz.tmp.keep",
        ".vantrel-save-" + ended + "-aB3.tmp",
        ".vantrel-save-0" + ended + "-aB3xYz.tmp",
        "vantrel.dat.tmp",
        "notes.txt",
    };
    // Names an earlier naming left behind, which once made every save fail.
    for (int i = 1; i <= 120; ++i)
        kept.push_back(".vantrel-save-" + std::to_string(i) + ".tmp");
    for (const Saving& saving : Savings) {
        SCOPED_TRACE(saving.name);
        for (const std::string& name : stale)
            Write(folder + "/" + name, "left over");
        for (const std::string& name : kept)
            Write(folder + "/" + name, "keep");
        fs::create_directory(folder + "/.vantrel-save-" + ended + "-fOlder.tmp");

        ASSERT_TRUE(Run(saving.save, path).saved);
        for (const std::string& name : stale)
            EXPECT_FALSE(fs::exists(folder + "/" + name)) << name;
        for (const std::string& name : kept)
            EXPECT_EQ(Read(folder + "/" + name), "keep") << name;
        EXPECT_TRUE(fs::is_directory(folder + "/.vantrel-save-" + ended + "-fOlder.tmp"));
        EXPECT_EQ(FolderEntries().size(), kept.size() + 2);
    }
}

} // namespace
