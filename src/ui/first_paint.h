#pragma once

#include <functional>

class QWidget;

namespace ui {

// Runs `then` once, on the event loop's next pass after the first window that `isAwaited` accepts
// has painted: work that no window needs yet waits until the clerk sees the window.
void afterFirstPaint(std::function<bool(const QWidget*)> isAwaited, std::function<void()> then);

} // namespace ui
