#include "language/apply_language.h"

#include "data/data_texts.h"
#include "data/order_total.h"
#include "language/apply_order_entry.h"
#include "language/apply_order_register.h"
#include "language/apply_pickers.h"
#include "language/apply_texts.h"
#include "language/language_table.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "order_register/delivery_dialog.h"
#include "order_register/order_list_window.h"
#include "pickers/company_details_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_list_window.h"
#include "pickers/supplier_picker.h"
#include "ui/message_box.h"

namespace {

// Every window gets its texts at each creation, right after its load handler and before it is shown.
void applyOnCreation(ui::Form* form)
{
    using language::applyTexts;
    if (auto* splash = qobject_cast<frmSplash*>(form))
        applyTexts(splash);
    else if (auto* order = qobject_cast<frmZelOrderNew*>(form))
        applyTexts(order);
    else if (auto* add = qobject_cast<frmAdd*>(form))
        applyTexts(add);
    else if (auto* suppliers = qobject_cast<frmLeverantor*>(form))
        applyTexts(suppliers);
    else if (auto* statuses = qobject_cast<frmOrderStatus*>(form))
        applyTexts(statuses);
    else if (auto* list = qobject_cast<frmOrderLista*>(form))
        applyTexts(list);
    else if (auto* delivery = qobject_cast<frmLeverera*>(form))
        applyTexts(delivery);
    else if (auto* supplierList = qobject_cast<frmLeverantorLista*>(form))
        applyTexts(supplierList);
    else if (auto* company = qobject_cast<frmForetag*>(form))
        applyTexts(company);
}

// The buttons of every question: Ja and Nej.
void applyAnswerWords()
{
    ui::setAnswerWords(language::given(950) ? Module2::LangText(950) : QStringLiteral("Ja"),
                       language::given(951) ? Module2::LangText(951) : QStringLiteral("Nej"));
}

// The total under an order's lines, in the new-order window and the order list.
void applyTotalWords()
{
    data::TotalWords& words = data::totalWords();
    words = data::TotalWords{};
    language::takeWords({&words.sum, &words.oneLeftOut, &words.leftOut}, 952);
}

// The reasons and notes the data layer composes (001-099). An entry the file lacks keeps the
// Swedish words, and nothing of a language chosen before stays behind.
void applyDataTexts()
{
    data::resetDataTexts();
    for (int number = data::firstDataTextNumber(); number <= data::lastDataTextNumber(); ++number) {
        if (language::given(number))
            data::setDataText(number, language::shown(number));
    }
}

} // namespace

namespace Module2 {

void ApplyLanguage()
{
    applyAnswerWords();
    applyTotalWords();
    applyDataTexts();
    language::applyPreviewTexts();
    // Nothing is created for the texts' sake: a window takes them when it comes into being, so
    // start-up builds only what it shows. One already open takes them now.
    ui::Form::setAfterLoadHook(applyOnCreation);
    for (ui::Form* form : ui::loadedForms())
        applyOnCreation(form);
}

} // namespace Module2
