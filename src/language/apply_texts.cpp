#include "language/apply_texts.h"

#include "language/language_table.h"
#include "ui/accessible_names.h"
#include "ui/keyboard.h"
#include "ui/report_list_view.h"
#include "ui/window_helpers.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>

using Module2::LangText;

namespace language {

namespace {
bool skipped(int number, Entry entry)
{
    return entry == Entry::Optional && !given(number);
}
} // namespace

QString shown(int number)
{
    return ui::displayText(LangText(number));
}

bool given(int number)
{
    return !LangText(number).isEmpty();
}

void takeWords(std::initializer_list<QString*> words, int first)
{
    int number = first;
    for (QString* word : words) {
        if (given(number))
            *word = LangText(number);
        ++number;
    }
}

void setTitle(QWidget* window, int number, Entry entry)
{
    if (!skipped(number, entry))
        window->setWindowTitle(shown(number));
}

void setCaption(QLabel* label, int number, Entry entry)
{
    if (!skipped(number, entry))
        label->setText(shown(number));
}

void setCaption(QAbstractButton* button, int number, Entry entry)
{
    if (skipped(number, entry))
        return;
    button->setText(ui::carryMnemonic(button->text(), shown(number), ui::mnemonicsTaken(button->window(), button)));
    ui::nameAfterCaption(button);
}

void setCaption(QGroupBox* frame, int number, Entry entry)
{
    if (!skipped(number, entry))
        frame->setTitle(shown(number));
}

void setCaption(QAction* item, const QWidget* menu, int number)
{
    if (given(number))
        item->setText(ui::carryMnemonic(item->text(), shown(number), ui::mnemonicsTaken(menu, item)));
}

void setCaption(QMenu* menu, const QWidget* window, int number)
{
    QAction* title = menu->menuAction();
    if (given(number))
        menu->setTitle(ui::carryMnemonic(title->text(), shown(number), ui::mnemonicsTaken(window, title)));
}

void setHeader(ui::ReportListView* list, int position, int number, Entry entry)
{
    if (!skipped(number, entry))
        list->setColumnHeaderText(position, shown(number));
}

void setMessage(QLabel* label, int number, Entry entry)
{
    if (!skipped(number, entry))
        label->setText(LangText(number));
}

} // namespace language
