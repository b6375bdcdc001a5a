// The Load command's logic without the window: refusals, the headers that
// fail with the system's reason, and the rows of the others.
#include "scan_support.h"

#include "catalogue/LoadCodes.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <filesystem>
#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

struct HeaderList {
    TStringsStorage List;
    std::vector<BYTE> Selected;

    void Add(const std::string& path, bool selected)
    {
        List.Add(path.c_str());
        Selected.push_back(selected ? 1 : 0);
    }
    const BYTE* Flags() const { return Selected.empty() ? nullptr : Selected.data(); }
};

LoadedCodes Load(const HeaderList& headers, const Prefixes& prefixes, std::vector<std::string>* reported = nullptr)
{
    return LoadCodes({headers.List, headers.Flags(), prefixes.List, prefixes.Flags()}, [&](const FailedHeader& failed) {
        if (reported != nullptr)
            reported->push_back(failed.Path);
    });
}

const char* const kTwoCodes = "#define ERROR_A 1\r\n#define ERROR_B 2\r\n";

TEST(LoadRefusals, NothingSelectedScansNothing)
{
    TempFolder folder;
    const Prefixes prefixes{"ERROR_"};
    HeaderList none;
    EXPECT_EQ(Load(none, prefixes).Refusal, LoadRefusal::NoHeaders) << "an empty list";
    HeaderList unselected;
    unselected.Add(folder.Write("a.h", kTwoCodes), false);
    EXPECT_EQ(Load(unselected, prefixes).Refusal, LoadRefusal::NoHeaders);

    HeaderList one;
    one.Add(folder.Write("a.h", kTwoCodes), true);
    const LoadedCodes refused = Load(one, Prefixes{});
    EXPECT_EQ(refused.Refusal, LoadRefusal::NoPrefixes);
    EXPECT_EQ(refused.Rows.Count(), 0u);
}

TEST(LoadFailures, EachFailedHeaderCarriesTheSystemsReason)
{
    TempFolder folder;
    const std::filesystem::path dir = folder.Path();
    std::filesystem::create_directory(dir / "folder.h");

    struct Case {
        std::string Path;
        bool Missing;
        DWORD Error;
    };
    std::vector<Case> cases = {
        {(dir / "missing.h").string(), true, ERROR_FILE_NOT_FOUND},
        {(dir / "good.h" / "a.h").string(), true, ERROR_PATH_NOT_FOUND},
        {(dir / "folder.h").string(), true, ERROR_ACCESS_DENIED},
        {folder.Write("binary.h", "\x01#define ERROR_X 5\r\n"), false, ERROR_INVALID_DATA},
        {folder.Write("empty.h", ""), false, ERROR_INVALID_DATA},
    };
#ifndef _WIN32
    // Links, FIFOs and devices as POSIX has them.
    std::filesystem::create_symlink(dir / "loop.h", dir / "loop.h");
    ASSERT_EQ(::mkfifo((dir / "fifo.h").c_str(), 0600), 0);
    cases.push_back({(dir / "loop.h").string(), true, ERROR_CANT_RESOLVE_FILENAME});
    cases.push_back({(dir / "fifo.h").string(), false, ERROR_ACCESS_DENIED});
    cases.push_back({"/dev/null", false, ERROR_ACCESS_DENIED});
#endif
    HeaderList headers;
    const std::string good = folder.Write("good.h", kTwoCodes);
    headers.Add(good, true);
    for (const Case& c : cases)
        headers.Add(c.Path, true);
    headers.Add(folder.Write("skipped.h", kTwoCodes), false);

    std::vector<std::string> reported;
    const LoadedCodes loaded = Load(headers, Prefixes{"ERROR_"}, &reported);
    EXPECT_EQ(loaded.Refusal, LoadRefusal::None);
    EXPECT_EQ(loaded.LoadedHeaders, 1u);
    EXPECT_EQ(loaded.Rows.Count(), 2u) << "failed headers add no rows";
    ASSERT_EQ(loaded.Failed.size(), cases.size());
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(loaded.Failed[i].Path, cases[i].Path);
        EXPECT_EQ(loaded.Failed[i].Missing, cases[i].Missing) << cases[i].Path;
        EXPECT_EQ(loaded.Failed[i].Error, cases[i].Error) << cases[i].Path;
        EXPECT_EQ(reported[i], cases[i].Path) << "told as it happens, in list order";
    }
}

TEST(LoadRows, HeadersInListOrderEachNumberedFromOne)
{
    TempFolder folder;
    HeaderList headers;
    headers.Add(folder.Write("a.h", kTwoCodes), true);
    headers.Add(folder.Write("b.h", "#define E_X 0x80070005L\r\n#define ERROR_C 3\r\n"), true);
    const LoadedCodes loaded = Load(headers, Prefixes{"ERROR_", "E_"});
    ASSERT_EQ(loaded.Rows.Count(), 4u);
    EXPECT_EQ(loaded.LoadedHeaders, 2u);
    EXPECT_EQ(loaded.Rows.Entry(2).Mnemonic, "E_X");
    EXPECT_EQ(loaded.Rows.Entry(2).N(), "1");
    EXPECT_EQ(loaded.Rows.Entry(3).N(), "2");
    EXPECT_EQ(loaded.Rows.Entry(3).Header(), (folder.Path() / "b.h").string());
}

} // namespace
