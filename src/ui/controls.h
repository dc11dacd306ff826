#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace ui {

class GlyphButton;

// Controls placed by their left, top, width and height in twips, named as the window designs them.

// A caption or value label; labels never take the focus.
QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                  int height = 255);

// A hidden label whose text a message box reads back as its prompt or title, so that the
// language can give the window's questions and notices their words as it gives its captions.
QLabel* makeMessage(QWidget* parent, const QString& name, const QString& text);

// A text box that takes one line only: every value becomes one line of a file, and a pasted line
// break would shift the lines after it.
QLineEdit* makeTextBox(QWidget* parent, const QString& name, int left, int top, int width, int height = 285,
                       int maxLength = 32767);

// A command button; Enter presses it while it has the focus. It is called what its caption says.
QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, int left, int top, int width,
                        int height = 375);

// A glyph says nothing to a screen reader: the window names the button for what it does.
GlyphButton* makeGlyphButton(QWidget* parent, const QString& name, const QString& letter, int left, int top, int width,
                             int height, qreal pointSize = 9.75);

void setBold(QWidget* widget);

// A fixed dialog border with the close box and without minimise and maximise boxes.
void setFixedDialogFrame(QWidget* window);

} // namespace ui
