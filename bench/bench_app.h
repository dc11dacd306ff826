#pragma once

#include "ui/form.h"
#include "ui/message_box.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

// Benchmarks run offscreen unless they are given a platform or a display to show on.
inline void runHeadlessUnlessDisplayed()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// Closing the last window or a message box must not end or block a benchmark run.
inline void keepFormsFromStopping()
{
    QApplication::setQuitOnLastWindowClosed(false);
    ui::setEndHandler([] {});
    ui::MessageBoxScript::start();
}

inline double median(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

// One figure against its limit, in the column layout every benchmark prints.
inline void report(const char* what, double ms, double limit)
{
    std::printf("%-52s %8.2f ms  (limit %4.0f ms) %s\n", what, ms, limit, ms < limit ? "ok" : "TOO SLOW");
}

// Stops a benchmark whose set-up failed, with the reason.
inline void check(bool ok, const QString& error)
{
    if (!ok)
        qFatal("%s", qPrintable(error));
}

// Times a stretch of work and the longest gap between two ticks of a 10 ms timer meanwhile, which is
// the longest a keystroke would wait for the window.
class WindowWaits
{
public:
    WindowWaits()
    {
        m_clock.start();
        m_ticks.setInterval(10);
        QObject::connect(&m_ticks, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_lastTick);
            m_lastTick = now;
        });
        m_ticks.start();
    }
    // The waits counted start here; the time still counts from the start.
    void countWaitsFromNow() { m_lastTick = m_clock.nsecsElapsed(); }
    double elapsedMs() const { return m_clock.nsecsElapsed() / 1e6; }
    qint64 elapsedWholeMs() const { return m_clock.elapsed(); }
    double longestWaitMs() const { return std::max(m_longest, m_clock.nsecsElapsed() - m_lastTick) / 1e6; }

private:
    QElapsedTimer m_clock;
    QTimer m_ticks;
    qint64 m_lastTick = 0;
    qint64 m_longest = 0;
};
