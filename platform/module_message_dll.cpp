#include "platform/module_message_utf8.h"

const char* MessageModuleDll(MessageModule module)
{
    switch (module) {
    case MessageModule::System: return "kernelbase.dll";
    case MessageModule::WinInet: return "wininet.dll";
    case MessageModule::MediaFoundation: return "mferror.dll"; // mfplat.dll has the code, not the texts
    case MessageModule::NtDll: return "ntdll.dll";
    }
    return "";
}
