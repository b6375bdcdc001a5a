#include "lookup/BuiltInCatalogue.h"

#include "lookup/CatalogueRules.h"

#include <cstddef>

// Written by tools/make_catalogue.cpp into the build folder.
extern const BuiltInCode kBuiltInCodes[];
extern const std::size_t kBuiltInCodeCount;
extern const char kBuiltInNames[];
extern const BuiltInFacility kHResultFacilities[];
extern const std::size_t kHResultFacilitiesCount;
extern const BuiltInFacility kNtStatusFacilities[];
extern const std::size_t kNtStatusFacilitiesCount;

namespace {

std::string_view NameIn(std::span<const BuiltInFacility> facilities, std::uint32_t number)
{
    for (const BuiltInFacility& facility : facilities) {
        if (facility.Number == number)
            return facility.Name;
    }
    return {};
}

} // namespace

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

std::span<const BuiltInFacility> HResultFacilities()
{
    return {kHResultFacilities, kHResultFacilitiesCount};
}

std::span<const BuiltInFacility> NtStatusFacilities()
{
    return {kNtStatusFacilities, kNtStatusFacilitiesCount};
}

std::string_view HResultFacilityName(std::uint32_t number)
{
    return NameIn(HResultFacilities(), number);
}

std::string_view NtStatusFacilityName(std::uint32_t number)
{
    return NameIn(NtStatusFacilities(), number);
}
