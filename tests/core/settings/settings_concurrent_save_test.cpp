// Programs saving their settings into one file at the same moment, as real
// processes: whatever the timing, the file on disk must load and be exactly
// one of the saves, and one that reported success unless none did.
#include "saver_variant.h"
#include "settings/SettingsFile.h"
#include "settings_support.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <memory>
#include <cstdio>
#include <iostream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

// One saver process, driven through its standard input and output.
class Saver {
public:
    Saver(const std::string& file, int variant)
    {
        int toChild[2];
        int fromChild[2];
        if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toChild[0], 0);
        posix_spawn_file_actions_adddup2(&actions, fromChild[1], 1);
        posix_spawn_file_actions_addclose(&actions, toChild[1]);
        posix_spawn_file_actions_addclose(&actions, fromChild[0]);
        const std::string number = std::to_string(variant);
        char* const argv[] = {const_cast<char*>(VANTREL_SETTINGS_SAVER), const_cast<char*>(file.c_str()),
                              const_cast<char*>(number.c_str()), nullptr};
        if (posix_spawn(&pid, VANTREL_SETTINGS_SAVER, &actions, nullptr, argv, environ) != 0)
            pid = -1;
        posix_spawn_file_actions_destroy(&actions);
        ::close(toChild[0]);
        ::close(fromChild[1]);
        to = ::fdopen(toChild[1], "w");
        from = ::fdopen(fromChild[0], "r");
    }
    ~Saver()
    {
        if (to != nullptr)
            std::fclose(to);
        if (from != nullptr)
            std::fclose(from);
        if (pid > 0)
            ::waitpid(pid, nullptr, 0);
    }
    Saver(const Saver&) = delete;
    Saver& operator=(const Saver&) = delete;

    bool Running() const { return pid > 0 && to != nullptr && from != nullptr; }
    void StartSave()
    {
        std::fputc('s', to);
        std::fflush(to);
    }
    // The save's result; false also when the saver gave no answer.
    bool Saved()
    {
        int saved = 0;
        unsigned long code = 0;
        return std::fscanf(from, "%d %lu", &saved, &code) == 2 && saved == 1;
    }

private:
    pid_t pid = -1;
    FILE* to = nullptr;
    FILE* from = nullptr;
};

class ConcurrentSaves : public SettingsFolder {
protected:
    // The bytes each variant saves to, written alone into a folder of their own.
    void SetUp() override
    {
        SettingsFolder::SetUp();
        for (int variant = 0; variant <= 8; ++variant) {
            TSettings settings(nullptr);
            MakeVariant(settings, variant);
            ASSERT_TRUE(settings.Save(path.c_str()));
            variantBytes.push_back(ReadBytes(path));
        }
    }

    int VariantOnDisk() const
    {
        TSettings probe(nullptr);
        if (!SettingsFile::Load(probe, path.c_str()))
            return -1;
        const Bytes onDisk = ReadBytes(path);
        for (std::size_t variant = 0; variant < variantBytes.size(); ++variant)
            if (variantBytes[variant] == onDisk)
                return static_cast<int>(variant);
        return -1;
    }

    void Run(int processes, int rounds)
    {
        std::vector<std::unique_ptr<Saver>> savers;
        for (int variant = 1; variant <= processes; ++variant) {
            savers.push_back(std::make_unique<Saver>(path, variant));
            ASSERT_TRUE(savers.back()->Running());
        }
        int unreadable = 0;
        int failedOnDisk = 0;
        int refused = 0;
        int previous = 0; // variant 0 is the file of SetUp's last save
        WriteBytes(path, variantBytes[0]);
        for (int round = 0; round < rounds; ++round) {
            for (auto& saver : savers)
                saver->StartSave();
            std::vector<int> succeeded;
            for (int variant = 1; variant <= processes; ++variant)
                if (savers[static_cast<std::size_t>(variant - 1)]->Saved())
                    succeeded.push_back(variant);
                else
                    ++refused;
            const int onDisk = VariantOnDisk();
            if (onDisk < 0)
                ++unreadable;
            else if (succeeded.empty() ? onDisk != previous
                                       : std::find(succeeded.begin(), succeeded.end(), onDisk) == succeeded.end())
                ++failedOnDisk;
            previous = onDisk;
        }
        std::cout << processes << " processes, " << rounds << " rounds: " << unreadable << " corrupt files, "
                  << failedOnDisk << " files not from a successful save, " << refused << " failed saves\n";
        EXPECT_EQ(unreadable, 0);
        EXPECT_EQ(failedOnDisk, 0);
        EXPECT_EQ(refused, 0);
        savers.clear();
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vantrel.dat"});
    }

    std::vector<Bytes> variantBytes;
};

TEST_F(ConcurrentSaves, TwoProgramsAtOnce)
{
    Run(2, 200);
}

TEST_F(ConcurrentSaves, EightProgramsAtOnce)
{
    Run(8, 100);
}

} // namespace
