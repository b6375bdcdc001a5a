// Everything the lookup tells about one 32-bit value: its parts read as an
// HRESULT and as an NTSTATUS, its definitions by family, each family's
// message, and the definitions of the code an HRESULT wraps or of a Win32
// code's HRESULT form.
#pragma once

#include "lookup/CodeFamily.h"
#include "lookup/CodeIndex.h"
#include "lookup/CodeParts.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The message text of a code read in a family; empty when it has none.
using MessageLookup = std::function<std::string(DWORD code, CodeFamily family)>;
// The same in one language alone; empty when it has none in that language.
using LanguageMessageLookup = std::function<std::string(DWORD code, CodeFamily family, std::uint16_t language)>;

// A language the messages are asked for in (--lang), as the user named it.
struct MessageLanguage {
    std::string Tag;      // "de"
    std::uint16_t Id = 0; // the Windows language identifier
};

// A value's messages in one language: the message, and beside Meanings the
// message of each meaning.
struct LanguageMessages {
    std::string Tag;
    std::string Message;
    std::vector<std::string> MeaningMessages;
};

// One meaning of a value: a family, its definitions with that value, and the
// message for the value read in that family.
struct FamilyMeaning {
    CodeFamily Family = CodeFamily::Header;
    std::vector<const Definition*> Definitions;
    std::string Message;
};

// Which reading of a term the value is: most terms have one, a term of
// eight decimal digits both of these.
enum class TermBase : std::uint8_t { Only, Decimal, Hexadecimal };

struct ValueReport {
    DWORD Value = 0;
    TermBase ReadAs = TermBase::Only;
    HResultParts HResult{};
    // For a value an NTSTATUS is defined with, or whose severity is not success.
    std::optional<NtStatusParts> NtStatus;
    // Every definition with the value, in header and line order.
    std::vector<const Definition*> Definitions;
    // The families of Definitions in the order of AllFamilies(). With no
    // definition: one meaning, without definitions, by FamilyByShape when
    // the families reported admit it.
    std::vector<FamilyMeaning> Meanings;
    // The Win32 code of an HRESULT 0x8007xxxx, the NTSTATUS of an HRESULT
    // with the N bit, or the HRESULT form of a Win32 code, with its
    // definitions. At most one of the three.
    std::optional<DWORD> Win32Code;
    std::optional<DWORD> NtStatusCode;
    std::optional<DWORD> HResultForm;
    std::vector<const Definition*> CounterpartDefinitions;
    // The first meaning's message that is not empty.
    std::string Message;
    // The same in each language asked for, in the order asked; empty when
    // none was.
    std::vector<LanguageMessages> Languages;

    // Something is known of the value beyond its parts.
    bool Known() const { return Defined() || !Message.empty(); }
    // A definition has the value or its counterpart.
    bool Defined() const { return !Definitions.empty() || !CounterpartDefinitions.empty(); }
    // The value is defined in more than one family, meaning something else in each.
    bool MeaningsDiffer() const { return Meanings.size() > 1; }
};

// families: the families whose definitions are reported; empty for all.
ValueReport ReportValue(const CodeIndex& index, DWORD value, std::span<const CodeFamily> families,
                        const MessageLookup& messageOf);

// Fills report's Languages: its messages in each language, chosen by the
// rules that chose its Message.
void AddLanguageMessages(ValueReport& report, std::span<const MessageLanguage> languages,
                         const LanguageMessageLookup& messageIn);

// The family a value is read in when no definition says: a Win32 code up
// to 0xFFFF, above it an HRESULT.
CodeFamily FamilyByShape(DWORD value);

// Whether families (empty for all) admits family.
bool FamilyAdmitted(std::span<const CodeFamily> families, CodeFamily family);
// The definitions of found that families admits, in their order.
std::vector<const Definition*> Admitted(std::vector<const Definition*> found, std::span<const CodeFamily> families);
// "decimal" or "hexadecimal"; a term read only one way has no name for it.
const char* ReadingName(TermBase base);
