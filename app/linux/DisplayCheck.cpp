#include "app/DisplayCheck.h"

#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

#ifdef VANTREL_HAVE_X11
#include <X11/Xlib.h>
#endif

namespace {

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The platforms Qt tries in turn, without their ":options". Unless the user
// names them, Qt takes X11, or Wayland in a Wayland session; either may serve.
std::vector<std::string> PlatformsTried()
{
    const std::string list = Environment("QT_QPA_PLATFORM");
    if (list.empty())
        return {"xcb", "wayland"};
    std::vector<std::string> platforms;
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::string_view entry = rest.substr(0, rest.find(';'));
        platforms.emplace_back(entry.substr(0, entry.find(':')));
        rest.remove_prefix(entry.size() < rest.size() ? entry.size() + 1 : rest.size());
    }
    return platforms;
}

bool XDisplayOpens()
{
#ifdef VANTREL_HAVE_X11
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    XCloseDisplay(display);
#endif
    return true;
}

// Where the Wayland client library looks for the compositor.
bool WaylandSocketThere()
{
    if (!Environment("WAYLAND_SOCKET").empty())
        return true;
    std::string socket = Environment("WAYLAND_DISPLAY");
    if (socket.empty())
        socket = "wayland-0";
    if (socket.front() != '/') {
        const std::string runtimeFolder = Environment("XDG_RUNTIME_DIR");
        if (runtimeFolder.empty())
            return false;
        socket = runtimeFolder + '/' + socket;
    }
    struct stat info {};
    return ::stat(socket.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

bool PlatformReachable(std::string_view platform)
{
    if (platform == "xcb")
        return XDisplayOpens();
    if (platform.starts_with("wayland"))
        return WaylandSocketThere();
    return true;
}

} // namespace

bool DisplayReachable(std::ostream& err)
{
    for (const std::string& platform : PlatformsTried()) {
        if (PlatformReachable(platform))
            return true;
    }
    const char* display = std::getenv("DISPLAY");
    err << "vantrel: no display could be opened";
    if (display != nullptr && *display != '\0')
        err << " (DISPLAY=" << display << ")\n";
    else
        err << " (DISPLAY is not set)\n";
    return false;
}
