#pragma once

#include <functional>

class QWidget;

namespace ui {

// Runs `then` once, `delayMs` after the first window that `isAwaited` accepts has painted on the
// screen (on the event loop's next pass for 0): work that no window needs yet waits until the clerk
// sees the window.
void afterFirstPaint(std::function<bool(const QWidget*)> isAwaited, std::function<void()> then, int delayMs = 0);

// The same for one window; nothing runs when the window goes first.
void afterFirstPaint(QWidget* window, std::function<void()> then);

} // namespace ui
