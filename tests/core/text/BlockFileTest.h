// Fixture for tests that write a list's block form to a file or read a
// hand-made block back from one.
#pragma once

#include "BlockBytes.h"
#include "TempFolder.h"

#include "platform/file_faults.h"
#include "platform/memory_faults.h"
#include "platform/win32.h"
#include "text/TStringsStorage.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

class BlockFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.Made()); }
    void TearDown() override
    {
        FileFaults::Reset();
        MemoryFaults::Reset();
    }

    std::string Name() const { return folder.File("block.bin"); }

    HANDLE Open(DWORD access, DWORD disposition) const
    {
        return CreateFileA(Name().c_str(), access, 0, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    DWORD Read(const std::string& bytes, TStringsStorage& list) const
    {
        WriteBytes(Name(), bytes);
        HANDLE file = Open(GENERIC_READ, OPEN_EXISTING);
        if (file == INVALID_HANDLE_VALUE)
            return GetLastError();
        const DWORD code = list.ReadBlock(file);
        CloseHandle(file);
        return code;
    }

    std::string Written(TStringsStorage& list) const
    {
        HANDLE file = Open(GENERIC_WRITE, CREATE_ALWAYS);
        EXPECT_NE(file, INVALID_HANDLE_VALUE);
        EXPECT_EQ(list.WriteBlock(file), ERROR_SUCCESS);
        CloseHandle(file);
        return ReadBytes(Name());
    }

    static std::vector<std::string> Texts(const TStringsStorage& list)
    {
        std::vector<std::string> texts;
        list.CopyTo(texts);
        return texts;
    }

    TempFolder folder;
};
