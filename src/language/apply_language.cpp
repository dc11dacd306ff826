#include "language/apply_language.h"

#include "language/language_table.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "order_register/order_list_window.h"
#include "pickers/supplier_picker.h"
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

namespace {

// What the user sees shows a carriage return as a line break.
QString shown(int number)
{
    return ui::displayText(LangText(number));
}

void setTitle(QWidget* window, int number)
{
    window->setWindowTitle(shown(number));
}

void setCaption(QLabel* label, int number)
{
    label->setText(shown(number));
}

// The language gives the words; the button keeps its Alt letter, or gets a free one.
void setCaption(QAbstractButton* button, int number)
{
    button->setText(ui::carryMnemonic(button->text(), shown(number), ui::mnemonicsTaken(button->window(), button)));
    ui::nameAfterCaption(button);
}

void setCaption(QGroupBox* frame, int number)
{
    frame->setTitle(shown(number));
}

void setHeader(ui::ReportListView* list, int position, int number)
{
    list->setColumnHeaderText(position, shown(number));
}

// Message labels are read back as prompt and title of a message box, which does its own
// line breaking, so they keep the text exactly as stored.
void setMessage(QLabel* label, int number)
{
    label->setText(LangText(number));
}

// Texts that came after the first language files: a file without them keeps the window's own words.
void setMessageIfAny(QLabel* label, int number)
{
    if (!LangText(number).isEmpty())
        setMessage(label, number);
}

void applySplashTexts(frmSplash* form)
{
    setTitle(form, 100);
}

void applyNewOrderTexts(frmZelOrderNew* form)
{
    setTitle(form, 200);
    setCaption(form->Frame1, 201);
    for (int i = 0; i < 3; ++i)
        setCaption(form->Label1[i], 202 + i);
    setCaption(form->Label2, 205);
    setCaption(form->Label3, 206);
    setCaption(form->Label4, 207);
    setCaption(form->Label5, 208);
    setCaption(form->Label6, 209);
    for (int position = 1; position <= 5; ++position)
        setHeader(form->ListView1, position, 209 + position);
    setCaption(form->Command2, 215);
    setCaption(form->Command3, 216);
    setCaption(form->Command4, 217);
    setCaption(form->Command5, 218);
    setCaption(form->Command6, 219);
    setMessage(form->msg1, 220);
    setMessage(form->msg2, 221);
    setMessage(form->msg3, 222);
    setMessage(form->msg4, 223);
    if (!LangText(224).isEmpty()) {
        const QWidget* menu = form->findChild<QMenu*>(QStringLiteral("mnuArkiv"));
        form->mnuNy->setText(ui::carryMnemonic(form->mnuNy->text(), shown(224), ui::mnemonicsTaken(menu, form->mnuNy)));
    }
    setMessageIfAny(form->msg5, 225);
    setMessageIfAny(form->msg6, 226);
    setMessageIfAny(form->msg7, 227);
    setMessageIfAny(form->msg8, 228);
    form->nameControls();
}

void applySupplierPickerTexts(frmLeverantor* form)
{
    setTitle(form, 300);
    setHeader(form->ListView1, 1, 301);
    setHeader(form->ListView1, 2, 302);
    setCaption(form->Command1, 303);
    setCaption(form->Command2, 304);
    form->nameControls();
}

void applyAddLineTexts(frmAdd* form)
{
    setTitle(form, 400);
    setCaption(form->Label1, 401);
    setCaption(form->Label2, 402);
    setCaption(form->Label3, 403);
    setCaption(form->Label4, 404);
    setCaption(form->Label5, 405);
    setCaption(form->Command1, 406);
    setCaption(form->Command2, 407);
    setMessage(form->msg1, 408);
    setMessage(form->msg2, 409);
    setMessageIfAny(form->msg3, 410);
    form->nameControls();
}

// The order list window keeps its own words but for the buttons that came after them.
void applyOrderListTexts(frmOrderLista* form)
{
    if (!LangText(501).isEmpty())
        setCaption(form->cmdKopiera, 501);
}

// The covered windows that close during a run get their texts again at every creation,
// right after their load handler and before they are shown.
void applyOnCreation(ui::Form* form)
{
    if (auto* add = qobject_cast<frmAdd*>(form))
        applyAddLineTexts(add);
    else if (auto* picker = qobject_cast<frmLeverantor*>(form))
        applySupplierPickerTexts(picker);
    else if (auto* list = qobject_cast<frmOrderLista*>(form))
        applyOrderListTexts(list);
}

} // namespace

namespace Module2 {

void ApplyLanguage()
{
    applySplashTexts(frmSplash::instance());
    applyNewOrderTexts(frmZelOrderNew::instance());
    // A picker whose supplier list cannot be read does not come into being; the windows after
    // it still get their texts, or the add-line question would stay without words all run.
    frmLeverantor* picker = frmLeverantor::instance();
    if (picker->loadFailed())
        picker->unload();
    else
        applySupplierPickerTexts(picker);
    applyAddLineTexts(frmAdd::instance());
    if (frmOrderLista* list = frmOrderLista::existing())
        applyOrderListTexts(list);
    ui::Form::setAfterLoadHook(applyOnCreation);
}

} // namespace Module2
