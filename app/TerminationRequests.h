// Requests from outside the program to end it: on Linux the signals that a
// session's end, a closed terminal or `kill` send (SIGTERM, SIGHUP). The
// program answers them in its event loop, where it may do anything, never
// inside a signal handler.
#pragma once

#include <QObject>

#include <functional>
#include <memory>

// While the returned object lives, each request calls onRequest from the
// event loop; when it goes, the signals are handled as they were before.
// One watch at a time.
std::unique_ptr<QObject> WatchTerminationRequests(std::function<void()> onRequest);
