#include "lookup/ValueReport.h"

#include <algorithm>

namespace {

std::vector<FamilyMeaning> MeaningsOf(const ValueReport& report, std::span<const CodeFamily> families)
{
    std::vector<FamilyMeaning> meanings;
    for (const CodeFamily family : AllFamilies()) {
        FamilyMeaning meaning{family, {}, {}};
        for (const Definition* d : report.Definitions) {
            if (d->Family == family)
                meaning.Definitions.push_back(d);
        }
        if (!meaning.Definitions.empty())
            meanings.push_back(std::move(meaning));
    }
    const CodeFamily shape = FamilyByShape(report.Value);
    if (meanings.empty() && FamilyAdmitted(families, shape))
        meanings.push_back({shape, {}, {}});
    return meanings;
}

// Each meaning's message into meaningMessages; the value's message. An
// HRESULT that wraps a code says what that code says, in the family the
// code is defined in (a WinINet code's text is WinINet's).
std::string MessagesOf(const ValueReport& report, const MessageLookup& messageOf,
                       std::vector<std::string>& meaningMessages)
{
    std::string message;
    meaningMessages.clear();
    for (const FamilyMeaning& meaning : report.Meanings) {
        meaningMessages.push_back(messageOf(report.Value, meaning.Family));
        if (message.empty())
            message = meaningMessages.back();
    }
    const std::optional<DWORD> wrapped = report.Win32Code ? report.Win32Code : report.NtStatusCode;
    if (message.empty() && wrapped && !report.CounterpartDefinitions.empty())
        message = messageOf(*wrapped, report.CounterpartDefinitions.front()->Family);
    return message;
}

} // namespace

CodeFamily FamilyByShape(DWORD value)
{
    return value <= 0xFFFFu ? CodeFamily::Win32 : CodeFamily::HResult;
}

bool FamilyAdmitted(std::span<const CodeFamily> families, CodeFamily family)
{
    return families.empty() || std::find(families.begin(), families.end(), family) != families.end();
}

std::vector<const Definition*> Admitted(std::vector<const Definition*> found, std::span<const CodeFamily> families)
{
    std::erase_if(found, [&](const Definition* d) { return !FamilyAdmitted(families, d->Family); });
    return found;
}

const char* ReadingName(TermBase base)
{
    return base == TermBase::Decimal ? "decimal" : "hexadecimal";
}

ValueReport ReportValue(const CodeIndex& index, DWORD value, std::span<const CodeFamily> families,
                        const MessageLookup& messageOf)
{
    ValueReport report;
    std::vector<std::string> meaningMessages;
    report.Value = value;
    report.HResult = HResultPartsOf(value);
    const std::vector<const Definition*> all = index.WithValue(value);
    const bool ntStatusDefined =
        std::any_of(all.begin(), all.end(), [](const Definition* d) { return d->Family == CodeFamily::NtStatus; });
    if (ntStatusDefined || NtStatusSeverityIsSet(value))
        report.NtStatus = NtStatusPartsOf(value);
    report.Definitions = Admitted(all, families);
    report.Meanings = MeaningsOf(report, families);

    report.Win32Code = Win32CodeOfHResult(value);
    report.NtStatusCode = NtStatusOfHResult(value);
    report.HResultForm = HResultOfWin32Code(value);
    const std::optional<DWORD> counterpart = report.Win32Code      ? report.Win32Code
                                             : report.NtStatusCode ? report.NtStatusCode
                                                                   : report.HResultForm;
    if (counterpart)
        report.CounterpartDefinitions = Admitted(index.WithValue(*counterpart), families);

    if (messageOf)
        report.Message = MessagesOf(report, messageOf, meaningMessages);
    for (std::size_t i = 0; i < meaningMessages.size(); ++i)
        report.Meanings[i].Message = std::move(meaningMessages[i]);
    return report;
}

void AddLanguageMessages(ValueReport& report, std::span<const MessageLanguage> languages,
                         const LanguageMessageLookup& messageIn)
{
    for (const MessageLanguage& language : languages) {
        LanguageMessages texts{language.Tag, {}, {}};
        if (messageIn) {
            texts.Message = MessagesOf(
                report, [&](DWORD code, CodeFamily family) { return messageIn(code, family, language.Id); },
                texts.MeaningMessages);
        }
        report.Languages.push_back(std::move(texts));
    }
}
