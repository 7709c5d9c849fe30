#include "gui/platform/termination_signals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

namespace notavi::gui {
namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read by the notifier. A signal handler may touch nothing else.
int g_sockets[2] = {-1, -1};

extern "C" void onTerminationSignal(int)
{
    const int savedErrno = errno;
    const char byte = 1;
    // Non-blocking: with the pair full, the close is already on its way.
    [[maybe_unused]] const ssize_t written = ::write(g_sockets[0], &byte, 1);
    errno = savedErrno;
}

bool makeSocketPair()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_sockets) != 0) {
        g_sockets[0] = g_sockets[1] = -1;
        return false;
    }
    return true;
}

void setHandler(void (*handler)(int))
{
    struct sigaction action = {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        ::sigaction(signal, &action, nullptr);
}

} // namespace

TerminationSignals::TerminationSignals(std::function<void()> close, QObject* parent)
    : QObject(parent), m_close(std::move(close))
{
    if (!makeSocketPair())
        return;
    m_notifier = new QSocketNotifier(g_sockets[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationSignals::receive);
    setHandler(onTerminationSignal);
}

TerminationSignals::~TerminationSignals()
{
    if (!m_notifier)
        return;
    setHandler(SIG_DFL);
    delete m_notifier;
    ::close(g_sockets[0]);
    ::close(g_sockets[1]);
    g_sockets[0] = g_sockets[1] = -1;
}

void TerminationSignals::receive()
{
    char bytes[16];
    bool any = false;
    while (::read(g_sockets[1], bytes, sizeof bytes) > 0)
        any = true;
    if (any && m_close)
        m_close();
}

namespace {

// Each modal dialog is closed (as Cancel) and its own event loop ends before the next step: closing
// the main window from inside a dialog's loop would leave the command that opened it running on a
// closed window. A dialog that refuses to close does not keep the program alive.
void closeStep(int attemptsLeft)
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || attemptsLeft == 0) {
        QApplication::closeAllWindows();
        return;
    }
    modal->close();
    QTimer::singleShot(0, qApp, [attemptsLeft] { closeStep(attemptsLeft - 1); });
}

} // namespace

void closeAllTopLevelWindows()
{
    constexpr int kModalAttempts = 16;
    closeStep(kModalAttempts);
}

} // namespace notavi::gui
