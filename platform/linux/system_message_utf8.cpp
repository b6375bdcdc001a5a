#include "platform/system_message_utf8.h"

#include "mapped_file.h"
#include "message_system_tables.h"
#include "platform/message_image.h"
#include "platform/message_table_set.h"

#include <optional>

namespace {

// The first DLL on the search path with a usable table, mapped for the
// whole run: the command line may look up a hundred thousand messages, and
// reads the file and indexes its table once.
struct SystemImage {
    std::optional<MappedFile> file;
    std::optional<MessageImage> image;

    SystemImage()
    {
        for (const char* path : SystemMessageDllPaths()) {
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

} // namespace

std::string SystemMessageUtf8(DWORD messageId)
{
    static SystemImage system;
    return system.image ? MessageUtf8FromImage(*system.image, messageId) : std::string();
}
