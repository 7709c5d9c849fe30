#pragma once

// SIGTERM (logout, kill), SIGINT (Ctrl+C in the terminal) and SIGHUP (the terminal closed) would end
// the program on the spot, without the main window's close handling that stores its settings. They
// are turned into a normal close instead: the handler only writes a byte to a socket pair, and the
// event loop, woken by it, runs the close.

#include <functional>

#include <QObject>

class QSocketNotifier;

namespace notavi::gui {

class TerminationSignals final : public QObject
{
  public:
    // `close` runs on the GUI thread once per signal that arrives (the window closes normally).
    // Only one instance may exist at a time.
    explicit TerminationSignals(std::function<void()> close, QObject* parent = nullptr);
    ~TerminationSignals() override;

    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // Whether the handlers are installed; false when the socket pair could not be made.
    bool installed() const { return m_notifier != nullptr; }

  private:
    void receive();

    std::function<void()> m_close;
    QSocketNotifier* m_notifier = nullptr;
};

// Closes every top-level window of the application normally, as the user's close would.
void closeAllTopLevelWindows();

} // namespace notavi::gui
