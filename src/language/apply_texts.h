#pragma once

#include <initializer_list>

class QAbstractButton;
class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QString;
class QWidget;

namespace ui {
class ReportListView;
}

namespace language {

// How a window's control takes one text of the language table. The first language files had
// an entry for every text their windows read, and an empty one stands for an empty caption;
// the texts that came later are given only when the file has them, so an older file leaves
// those controls with the window's own words.
enum class Entry { Required, Optional };

// The text as the user sees it: a carriage return as a line break.
QString shown(int number);
bool given(int number);

// Words kept outside a control (a box's prompt, the printout's labels): each takes the entry
// numbered from `first` on, exactly as stored, when the file gives it, and keeps its own otherwise.
void takeWords(std::initializer_list<QString*> words, int first);

void setTitle(QWidget* window, int number, Entry entry = Entry::Optional);
void setCaption(QLabel* label, int number, Entry entry = Entry::Optional);
// Buttons and check boxes keep their Alt letter, or get a free one, and are called what they show.
void setCaption(QAbstractButton* button, int number, Entry entry = Entry::Optional);
void setCaption(QGroupBox* frame, int number, Entry entry = Entry::Optional);
// A menu item keeps its Alt letter among the other items of its menu.
void setCaption(QAction* item, const QWidget* menu, int number);
// A menu's title keeps its Alt letter among the titles and buttons of its window.
void setCaption(QMenu* menu, const QWidget* window, int number);
void setHeader(ui::ReportListView* list, int position, int number, Entry entry = Entry::Optional);
// Message labels are read back as prompt and title of a message box, which does its own line
// breaking, so they keep the text exactly as stored.
void setMessage(QLabel* label, int number, Entry entry = Entry::Optional);

} // namespace language
