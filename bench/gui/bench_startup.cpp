// Start-up as the user sees it: from starting the vantrel program to its
// main window mapped on the X server, timed here with the X server's own
// MapNotify event rather than by polling for the window. The program runs
// from a copy in a fresh folder, so it starts from the default settings,
// and is killed once its window is up. Needs DISPLAY (bench/run starts an
// Xvfb of its own). child_cpu is the program's processor time.
#include <benchmark/benchmark.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPatience = std::chrono::seconds(20);

std::string Program()
{
    if (const char* path = std::getenv("VANTREL_PROGRAM"))
        return path;
    return VANTREL_BINARY;
}

// The program's copy in a folder of its own, removed at the end.
class ProgramCopy {
public:
    ProgramCopy()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantrel-start-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            return;
        folder = pattern;
        std::error_code error;
        std::filesystem::copy_file(Program(), folder / "vantrel", error);
        if (!error)
            path = (folder / "vantrel").string();
    }
    ~ProgramCopy()
    {
        std::error_code ignored;
        if (!folder.empty())
            std::filesystem::remove_all(folder, ignored);
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;

    std::string path;

private:
    std::filesystem::path folder;
};

double Seconds(const timeval& t)
{
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
}

bool OwnedBy(Display* display, Window window, pid_t pid)
{
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long items = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    bool owned = false;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after, &data)
            == Success
        && data != nullptr) {
        owned = format == 32 && items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data)) == pid;
    }
    if (data != nullptr)
        XFree(data);
    return owned;
}

// Waits for a top-level window of pid to map; false after kPatience.
bool WaitForMappedWindow(Display* display, pid_t pid)
{
    const auto deadline = Clock::now() + kPatience;
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && OwnedBy(display, event.xmap.window, pid))
                return true;
        }
        pollfd connection{ConnectionNumber(display), POLLIN, 0};
        poll(&connection, 1, 100);
    }
    return false;
}

void StartupToFirstWindow(benchmark::State& state)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        state.SkipWithError("no X display (set DISPLAY, e.g. to an Xvfb)");
        return;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const ProgramCopy program;
    if (program.path.empty()) {
        XCloseDisplay(display);
        state.SkipWithError(("cannot copy " + Program()).c_str());
        return;
    }
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::string_view(*entry).rfind("QT_QPA_PLATFORM=", 0) != 0)
            environment.emplace_back(*entry);
    }
    environment.emplace_back("QT_QPA_PLATFORM=xcb");
    std::vector<char*> envp;
    for (std::string& entry : environment)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.path.c_str()), nullptr};

    double childCpu = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, argv[0], nullptr, nullptr, argv, envp.data()) != 0) {
            state.SkipWithError("cannot start the program");
            break;
        }
        const bool shown = WaitForMappedWindow(display, child);
        const auto elapsed = Clock::now() - start;
        kill(child, SIGKILL);
        rusage usage{};
        wait4(child, nullptr, 0, &usage);
        childCpu += Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
        if (!shown) {
            state.SkipWithError("the main window did not appear");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(elapsed).count());
    }
    // Up to the kill, a little past the window's mapping.
    state.counters["child_cpu"] = benchmark::Counter(childCpu, benchmark::Counter::kAvgIterations);
    XCloseDisplay(display);
}

} // namespace

// A fixed count: repetitions whose counts differ, as a skipped one's would,
// stop the benchmark library when it sums them up.
BENCHMARK(StartupToFirstWindow)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
