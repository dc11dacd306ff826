#pragma once

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace ui {

// What a screen reader announces for a control. None of this changes what the window shows.

// A caption as it is read aloud: the "&" that marks a mnemonic dropped ("&&" reads as "&"),
// line breaks read as spaces, and a trailing colon left off.
QString spokenCaption(const QString& caption);

// Gives a control its accessible name and, when given, a description that tells it apart from a
// control that looks alike. An empty name keeps the name the control had, so a language file that
// leaves a caption empty does not leave the control without a name.
void speak(QWidget* control, const QString& name, const QString& description = QString());

// Names an input after the caption label beside it; part tells apart two inputs under one caption
// ("Telefon, riktnummer").
void nameAfter(QWidget* control, const QLabel* caption, const QString& part = QString());

// A value label keeps its value as its name, which the toolkit announces and updates by itself,
// and reads the caption beside it as its description.
void describeAfter(QLabel* value, const QLabel* caption, const QString& part = QString());

// A button with a caption is called what it shows.
void nameAfterCaption(QAbstractButton* button);

} // namespace ui
