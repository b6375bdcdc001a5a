#include "app/TerminationRequests.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <utility>

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 2> WatchedSignals = {SIGTERM, SIGHUP};

// The end of the socket pair that the handler writes to; -1 while no watch
// runs.
volatile std::sig_atomic_t signalWriteEnd = -1;

// Only write() here: one byte tells the loop that a request came.
extern "C" void OnTerminationSignal(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    [[maybe_unused]] const ssize_t written = ::write(signalWriteEnd, &byte, 1);
    errno = savedErrno;
}

class SignalWatch : public QObject {
public:
    SignalWatch(const std::array<int, 2>& ends, std::function<void()> onRequest) : ends_(ends)
    {
        auto* notifier = new QSocketNotifier(ends_[1], QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, onRequest = std::move(onRequest)] {
            // Signals that came together are one request.
            unsigned char bytes[16];
            while (::read(ends_[1], bytes, sizeof bytes) > 0) {}
            onRequest();
        });
        signalWriteEnd = ends_[0];
        struct sigaction action = {};
        action.sa_handler = OnTerminationSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < WatchedSignals.size(); ++i)
            ::sigaction(WatchedSignals[i], &action, &previous_[i]);
    }

    ~SignalWatch() override
    {
        for (std::size_t i = 0; i < WatchedSignals.size(); ++i)
            ::sigaction(WatchedSignals[i], &previous_[i], nullptr);
        signalWriteEnd = -1;
        ::close(ends_[0]);
        ::close(ends_[1]);
    }

    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

private:
    std::array<int, 2> ends_; // [0] written by the handler, [1] read by the loop
    std::array<struct sigaction, WatchedSignals.size()> previous_ = {};
};

} // namespace

std::unique_ptr<QObject> WatchTerminationRequests(std::function<void()> onRequest)
{
    // The handler's end never blocks: a full socket already holds a request.
    std::array<int, 2> ends = {-1, -1};
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends.data()) != 0)
        return nullptr;
    return std::make_unique<SignalWatch>(ends, std::move(onRequest));
}
