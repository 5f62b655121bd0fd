#pragma once

#include <functional>
#include <memory>

class QSocketNotifier;

namespace sonnavet {

// Turns SIGTERM, SIGINT and SIGHUP (a shutdown, a kill, Ctrl+C in the terminal,
// the terminal closing) and the desktop session's logout into one call on the
// user-interface thread, so the program can end as if its window was closed
// and keep the player's settings and practice time. One instance at a time.
class QtTermination {
public:
    explicit QtTermination(std::function<void()> onRequest);
    ~QtTermination();

    QtTermination(const QtTermination&) = delete;
    QtTermination& operator=(const QtTermination&) = delete;

private:
    void Drain();

    std::function<void()> onRequest;
    std::unique_ptr<QSocketNotifier> notifier;
};

}  // namespace sonnavet
