#pragma once

#include "ui/form.h"
#include "ui/message_box.h"

#include <QApplication>
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
