// Faults injected into every step of a settings load and save in turn: each
// must fail with its code and leave the record, and any older file, sound.
#include "settings_support.h"
#include "core/fault_hooks.h"

#include "settings/SettingsFile.h"

namespace {

class SettingsLoadFault : public SettingsFolder {
protected:
    void SetUp() override
    {
        SettingsFolder::SetUp();
        TSettings saved(nullptr);
        Customise(saved);
        ASSERT_TRUE(saved.Save(path.c_str()));
        savedRecord = Take(saved);
    }

    Snapshot savedRecord;
};

TEST_F(SettingsLoadFault, EveryReadFailingInTurnChangesNothing)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    TSettings clean(nullptr);
    FileFaults::Reset();
    ASSERT_TRUE(SettingsFile::Load(clean, path.c_str()));
    const int reads = FileFaults::Calls(FileOp::Read);
    ASSERT_GE(reads, 9) << "header, options, two blocks with tables and texts, two flag arrays, copy options";

    for (int nth = 1; nth <= reads; ++nth) {
        SCOPED_TRACE(nth);
        TSettings target(nullptr);
        FileFaults::Reset();
        FileFaults::FailNth(FileOp::Read, nth, ERROR_READ_FAULT);
        EXPECT_FALSE(SettingsFile::Load(target, path.c_str()));
        EXPECT_EQ(GetLastError(), ERROR_READ_FAULT);
        EXPECT_EQ(Take(target), DefaultSnapshot());
    }
}

// Running out of memory may empty a list while the lists are taken over,
// never leave a list without its flags, and never half-change the options.
TEST_F(SettingsLoadFault, EveryAllocationFailingInTurnKeepsListsInStep)
{
    SKIP_WITHOUT_FAULT_HOOKS();
    int failures = 0;
    for (int nth = 1;; ++nth) {
        ASSERT_LT(nth, 1000) << "the load never succeeded";
        SCOPED_TRACE(nth);
        TSettings target(nullptr);
        MemoryFaults::FailNth(nth);
        const bool loaded = SettingsFile::Load(target, path.c_str());
        const DWORD code = GetLastError();
        MemoryFaults::Reset();
        const auto& errors = target.ErrorsOptions;
        EXPECT_TRUE(InStep(errors.Headers, errors.HeaderSelected));
        EXPECT_TRUE(InStep(errors.Prefixes, errors.PrefixSelected));
        if (loaded) {
            EXPECT_EQ(Take(target), savedRecord);
            break;
        }
        ++failures;
        EXPECT_EQ(code, ERROR_NOT_ENOUGH_MEMORY);
        const Snapshot after = Take(target);
        EXPECT_EQ(after.general, DefaultSnapshot().general);
        EXPECT_EQ(after.copy, DefaultSnapshot().copy);
    }
    EXPECT_GT(failures, 4) << "tables, texts and flags of both lists are allocations";
}

// The start-up path: a failed load, then the defaults, with memory failing
// anywhere along the way, still gives a record whose lists match their flags.
TEST_F(SettingsLoadFault, StartUpWithAllocationsFailingStaysSound)
{
    for (int nth = 1; nth < 200; ++nth) {
        SCOPED_TRACE(nth);
        MemoryFaults::FailNth(nth);
        const TSettings started(path.c_str());
        MemoryFaults::Reset();
        const auto& errors = started.ErrorsOptions;
        EXPECT_TRUE(InStep(errors.Headers, errors.HeaderSelected));
        EXPECT_TRUE(InStep(errors.Prefixes, errors.PrefixSelected));
    }
}

TEST_F(SettingsLoadFault, SaveWithAllocationsFailingKeepsTheOlderFile)
{
    const Bytes older = ReadBytes(path);
    TSettings settings(nullptr);
    for (int nth = 1;; ++nth) {
        ASSERT_LT(nth, 100) << "the save never succeeded";
        SCOPED_TRACE(nth);
        MemoryFaults::FailNth(nth);
        const bool saved = settings.Save(path.c_str());
        const DWORD code = GetLastError();
        MemoryFaults::Reset();
        if (saved)
            break;
        EXPECT_EQ(code, ERROR_NOT_ENOUGH_MEMORY);
        EXPECT_EQ(ReadBytes(path), older);
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"vantrel.dat"});
    }
    EXPECT_EQ(ReadBytes(path), ExpectedDefaultFile());
}

} // namespace
