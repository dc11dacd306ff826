#pragma once

#include <QString>
#include <functional>

class QAbstractButton;
class QAbstractItemView;
class QComboBox;
class QObject;
class QWidget;

namespace ui {

// Keys that act on one control, and the Alt letters of captions.

// `key` (Enter counts with either Enter key) pressed while `control` has the focus runs `action`
// instead of reaching the control.
void onKey(QWidget* control, int key, std::function<void()> action);

// Enter on `list` and a double-click on one of its rows press `button`: the list's choose button.
void chooseWith(QAbstractItemView* list, QAbstractButton* button);
// The same for a drop-down list: Enter while it is closed, a double-click on it or on an entry.
void chooseWith(QComboBox* list, QAbstractButton* button);

// The letter a caption's "&" marks, lower-cased; a null QChar when it marks none ("&&" is a plain "&").
QChar mnemonicLetter(const QString& caption);

// New words for a caption keep its Alt letter: the "&" goes before the same letter when the words
// have it, else before the first letter or digit not in `taken`. Words that bring an "&" of their
// own keep it, and a caption that had no Alt letter gets none.
QString carryMnemonic(const QString& oldCaption, const QString& newCaption, const QString& taken);

// The Alt letters already answered to within `scope`: by its buttons and menu titles, or, for a
// menu, by its items. `except` is left out.
QString mnemonicsTaken(const QWidget* scope, const QObject* except = nullptr);

} // namespace ui
