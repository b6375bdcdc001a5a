#include "platform/module_message_utf8.h"

#include "mapped_file.h"
#include "message_system_tables.h"
#include "platform/message_format.h"
#include "platform/message_image.h"
#include "platform/message_language.h"
#include "platform/message_table_set.h"
#include "platform/system_message_utf8.h"

#include <optional>

namespace {

// The first file on Wine's search path with a usable table, mapped for the
// whole run: the command line may look up a hundred thousand messages, and
// reads the file and indexes its table once.
struct ModuleImage {
    std::optional<MappedFile> file;
    std::optional<MessageImage> image;

    explicit ModuleImage(MessageModule module)
    {
        for (const std::string& path : WineDllPaths(MessageModuleDll(module))) {
            std::optional<MappedFile> candidate = MappedFile::Open(path, kLargestMessageDll);
            if (!candidate)
                continue;
            file.emplace(std::move(*candidate));
            if (std::optional<MessageImage> opened = MessageImage::Open(file->Bytes())) {
                image.emplace(std::move(*opened));
                return;
            }
            file.reset();
        }
    }
};

// Each module is read on its first lookup; a function-local static is
// initialised exactly once even when several threads arrive together.
template <MessageModule Module> MessageImage* ImageOf()
{
    static ModuleImage module(Module);
    return module.image ? &*module.image : nullptr;
}

MessageImage* ImageOf(MessageModule module)
{
    switch (module) {
    case MessageModule::System: return ImageOf<MessageModule::System>();
    case MessageModule::WinInet: return ImageOf<MessageModule::WinInet>();
    case MessageModule::MediaFoundation: return ImageOf<MessageModule::MediaFoundation>();
    case MessageModule::NtDll:
        // Wine's ntdll carries no message table, so its file is not read;
        // an NTSTATUS borrows the text of the Win32 code it maps to.
        break;
    }
    return nullptr;
}

} // namespace

std::string SystemMessageUtf8(DWORD messageId)
{
    MessageImage* image = ImageOf(MessageModule::System);
    return image ? MessageUtf8FromImage(*image, messageId) : std::string();
}

std::string ModuleMessageUtf8(MessageModule module, DWORD id)
{
    if (module == MessageModule::System)
        return SystemMessageUtf8(id);
    MessageImage* image = ImageOf(module);
    const std::optional<std::u16string> text =
        image ? image->Find(UserLanguageFromEnvironment(), id, HResultFolding::None) : std::nullopt;
    return text ? FormatMessageTextUtf8(*text, true).text : std::string();
}

std::string ModuleMessageUtf8InLanguage(MessageModule module, DWORD id, std::uint16_t language)
{
    MessageImage* image = ImageOf(module);
    const bool system = module == MessageModule::System;
    const std::optional<std::u16string> text =
        image ? image->FindInLanguage(language, id, system ? HResultFolding::Win32Codes : HResultFolding::None)
              : std::nullopt;
    return text ? FormatMessageTextUtf8(*text, !system).text : std::string();
}
