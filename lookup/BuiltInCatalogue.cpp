#include "lookup/BuiltInCatalogue.h"

#include "lookup/CatalogueRules.h"

#include <cstddef>

// Written by tools/make_catalogue.cpp into the build folder.
extern const BuiltInCode kBuiltInCodes[];
extern const std::size_t kBuiltInCodeCount;
extern const char kBuiltInNames[];

std::span<const BuiltInCode> BuiltInCodes()
{
    return {kBuiltInCodes, kBuiltInCodeCount};
}

std::string_view BuiltInName(const BuiltInCode& code)
{
    return kBuiltInNames + code.NameOffset;
}

std::string_view BuiltInHeader(const BuiltInCode& code)
{
    return CatalogueHeaders()[code.Header];
}
