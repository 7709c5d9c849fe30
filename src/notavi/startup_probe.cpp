#include "startup_probe.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDateTime>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace notavi {

void StartupProbe::installIfRequested(QWidget* view)
{
    if (qEnvironmentVariableIsEmpty("NOTAVI_MEASURE_STARTUP") || !view)
        return;
    view->installEventFilter(new StartupProbe(view));
}

bool StartupProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && !m_reported) {
        m_reported = true;
        // After this paint has been handled, the view is on the screen.
        QTimer::singleShot(0, [] {
            std::printf("notavi-startup-shown %lld\n",
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
            QCoreApplication::quit();
        });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace notavi
