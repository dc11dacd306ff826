#pragma once

#include "ui/form.h"
#include "ui/message_box.h"

#include <QApplication>

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
