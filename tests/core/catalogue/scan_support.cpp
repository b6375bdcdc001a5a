#include "scan_support.h"

#include "core/scratch_folder.h"

#include "catalogue/ScanHeader.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

TempFolder::TempFolder()
{
    path_ = MakeScratchFolder("vantrel-catalogue");
    if (path_.empty())
        throw std::runtime_error("cannot make a temporary folder");
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, std::string_view bytes) const
{
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}

Prefixes::Prefixes(std::initializer_list<const char*> texts)
{
    for (const char* text : texts) {
        List.Add(text);
        Selected.push_back(1);
    }
}

ScanOutcome Scan(const std::string& path, const Prefixes& prefixes)
{
    ScanOutcome outcome{};
    outcome.Result = ScanHeader(path.c_str(), prefixes.List, prefixes.Flags(),
                                [&](CodeEntry&& row) { outcome.Rows.push_back(std::move(row)); });
    return outcome;
}

ScanOutcome ScanBytes(std::string_view bytes, const Prefixes& prefixes)
{
    const TempFolder folder;
    return Scan(folder.Write("test.h", bytes), prefixes);
}

Prefixes DefaultPrefixes()
{
    return Prefixes{"ERROR_",   "RPC_",     "E_",          "CO_",      "OLE_",   "DV_",        "DRAGDROP_",
                    "CLASS_",   "MARSHAL_", "DATA_",       "VIEW_",    "REGDB_", "CAT_",       "CS_",
                    "CACHE_",   "OLEOBJ_",  "CLIENTSITE_", "INPLACE_", "ENUM_",  "CONVERT10_", "CLIPBRD_",
                    "MK_",      "MEM_",     "DISP_",       "STG_",     "TYPE_",  "NTE_",       "CRYPT_",
                    "CERTSRV_", "TRUST_",   "DIGSIG_",     "PERSIST_", "CERT_",  "SPAPI_"};
}
