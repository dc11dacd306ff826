#pragma once

#include <QStatusBar>
#include <QWidget>

namespace ui {

// A status bar docked at the bottom edge with one empty panel; nothing writes to it.
QStatusBar* addStatusBar(QWidget* window, const QString& objectName = QStringLiteral("StatusBar1"));

// Writes into the status bar's one panel.
void setStatusText(QStatusBar* bar, const QString& text);

// Keeps the status bar along the bottom edge after the window changed height.
void dockStatusBar(QWidget* window, QStatusBar* bar);

// Centres a window on the screen it will show on.
void centreOnScreen(QWidget* window);

// Paints a hidden window once off the screen, in strips so that no picture of its whole size is
// kept: its fonts' glyphs and the style's pieces are then ready when it is shown.
void rehearsePaint(QWidget* window);

// Gives one colour of a control's palette, as a form's ForeColor or BackColor does. A palette, not a
// style sheet: one style sheet anywhere brings the toolkit's whole style sheet engine into memory.
void setColour(QWidget* control, QPalette::ColorRole role, const QColor& colour);

// A caption may hold CR (from the language file) or CR LF; the toolkit breaks lines on LF.
QString displayText(QString caption);

// A value from a file as a control shows it: one longer than any window can show is cut short,
// since laying out megabytes of text would freeze the window. The file keeps the whole value.
constexpr int kLongestShownText = 1000;
QString shownValue(const QString& value);

} // namespace ui
