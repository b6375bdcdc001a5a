#include "settings_support.h"

#include "core/scratch_folder.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

const std::vector<std::string> DEFAULT_PREFIXES = {
    "ERROR_", "RPC_",       "E_",       "CO_",     "OLE_",     "DV_",    "DRAGDROP_", "CLASS_",      "MARSHAL_",
    "DATA_",  "VIEW_",      "REGDB_",   "CAT_",    "CS_",      "CACHE_", "OLEOBJ_",   "CLIENTSITE_", "INPLACE_",
    "ENUM_",  "CONVERT10_", "CLIPBRD_", "MK_",     "MEM_",     "DISP_",  "STG_",      "TYPE_",       "NTE_",
    "CRYPT_", "CERTSRV_",   "TRUST_",   "DIGSIG_", "PERSIST_", "CERT_",  "SPAPI_",
};

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

namespace {

void Put32(Bytes& out, DWORD value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<BYTE>(value >> (8 * i)));
}

void PutText(Bytes& out, const std::string& text)
{
    out.insert(out.end(), text.begin(), text.end());
}

void PutBlock(Bytes& out, const std::vector<std::string>& texts)
{
    DWORD payload = 16 * static_cast<DWORD>(texts.size());
    for (const std::string& text : texts)
        payload += static_cast<DWORD>(text.size() + 1);
    PutText(out, "TSSF");
    out.insert(out.end(), {0x01, 0x00, 0x00, 0x00});
    Put32(out, static_cast<DWORD>(texts.size()));
    Put32(out, payload);
    for (std::size_t i = 0; i < texts.size(); ++i) {
        Put32(out, 0);
        Put32(out, static_cast<DWORD>(texts[i].size()));
        Put32(out, static_cast<DWORD>(texts[i].size() + 1));
        Put32(out, static_cast<DWORD>(i));
    }
    for (const std::string& text : texts) {
        PutText(out, text);
        out.push_back(0);
    }
}

} // namespace

Bytes ExpectedDefaultFile()
{
    Bytes out;
    out.insert(out.end(), {0xCB, 0x14, 0x09, 0x00});
    PutText(out, "!!! This is binary file - don't edit it !!!");
    out.resize(68, 0);
    PutText(out, "VANTREL");
    out.push_back(0);
    out.insert(out.end(), {1, 1, 1, 1, 0, 0, 0, 0, 1, 0, 0, 0});
    PutBlock(out, {"winerror.h"});
    out.push_back(0);
    PutBlock(out, DEFAULT_PREFIXES);
    out.insert(out.end(), DEFAULT_PREFIXES.size(), 0);
    out.insert(out.end(), {1, 0, 0, 0, 0, 0, 0, 0});
    return out;
}

Snapshot Take(const TSettings& settings)
{
    Snapshot shot;
    const auto& errors = settings.ErrorsOptions;
    for (LONG i = 0; i < errors.Headers.Count(); ++i) {
        shot.headers.emplace_back(errors.Headers.Text(i));
        shot.headerFlags.push_back(errors.HeaderSelected[i]);
    }
    for (LONG i = 0; i < errors.Prefixes.Count(); ++i) {
        shot.prefixes.emplace_back(errors.Prefixes.Text(i));
        shot.prefixFlags.push_back(errors.PrefixSelected[i]);
    }
    const auto* general = reinterpret_cast<const BYTE*>(&settings.GeneralOptions);
    shot.general.assign(general, general + 9);
    const auto* copy = reinterpret_cast<const BYTE*>(&settings.CopyOptions);
    shot.copy.assign(copy, copy + sizeof settings.CopyOptions);
    return shot;
}

Snapshot DefaultSnapshot()
{
    Snapshot shot;
    shot.headers = {"winerror.h"};
    shot.headerFlags = {0};
    shot.prefixes = DEFAULT_PREFIXES;
    shot.prefixFlags.assign(DEFAULT_PREFIXES.size(), 0);
    shot.general = {1, 1, 1, 1, 0, 0, 0, 0, 1};
    shot.copy = {1, 0, 0, 0, 0, 0, 0, 0};
    return shot;
}

void Customise(TSettings& settings)
{
    auto& errors = settings.ErrorsOptions;
    ASSERT_TRUE(errors.AddHeader("C:\\SDK\\Include\\WinError.h"));
    errors.HeaderSelected[1] = 1;
    errors.PrefixSelected[0] = 1;
    errors.PrefixSelected[2] = 1;
    errors.RemovePrefix(33);
    settings.GeneralOptions.ShowAtStart = 0;
    settings.GeneralOptions.EscapeAction = 7;
    settings.GeneralOptions.UseTray = 0;
    settings.CopyOptions.CopyCode = 1;
    settings.CopyOptions.ReplaceOutput = 1;
}

::testing::AssertionResult InStep(const TStringsStorage& list, const BYTE* flags)
{
    if (list.Count() == 0 && flags != nullptr)
        return ::testing::AssertionFailure() << "an empty list keeps a flag array";
    if (list.Count() > 0 && (flags == nullptr || LocalSize(const_cast<BYTE*>(flags)) < SIZE_T(list.Count())))
        return ::testing::AssertionFailure() << list.Count() << " items but too few flags";
    return ::testing::AssertionSuccess();
}

void SettingsFolder::SetUp()
{
    folder = MakeScratchFolder("vantrel-settings");
    ASSERT_FALSE(folder.empty());
    path = folder + "/vantrel.dat";
}

void SettingsFolder::TearDown()
{
    FileFaults::Reset();
    MemoryFaults::Reset();
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(folder);
}

std::vector<std::string> SettingsFolder::FolderEntries() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}
