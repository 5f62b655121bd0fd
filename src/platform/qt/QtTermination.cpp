#include "platform/qt/QtTermination.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace sonnavet {

namespace {

int pipeFds[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// Only async-signal-safe work here: one byte into the pipe.
void OnSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const auto written = write(pipeFds[1], &byte, 1);
    errno = saved;
}

}  // namespace

QtTermination::QtTermination(std::function<void()> callback) : onRequest(std::move(callback))
{
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier = std::make_unique<QSocketNotifier>(pipeFds[0], QSocketNotifier::Read);
    QObject::connect(notifier.get(), &QSocketNotifier::activated, [this] { Drain(); });

    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : kSignals) sigaction(signal, &action, nullptr);

    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        QObject::connect(app, &QGuiApplication::commitDataRequest, notifier.get(),
                         [this](QSessionManager&) { onRequest(); });
    }
}

QtTermination::~QtTermination()
{
    if (!notifier) return;
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int signal : kSignals) sigaction(signal, &action, nullptr);
    notifier.reset();
    close(pipeFds[0]);
    close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

void QtTermination::Drain()
{
    char bytes[16];
    bool requested = false;
    while (read(pipeFds[0], bytes, sizeof bytes) > 0) requested = true;
    if (requested) onRequest();
}

}  // namespace sonnavet
