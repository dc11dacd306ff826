#include "language/apply_pickers.h"

#include "language/apply_texts.h"
#include "pickers/company_details_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_list_window.h"
#include "pickers/supplier_picker.h"
#include "ui/accessible_names.h"
#include "ui/report_list_view.h"

namespace language {

namespace {
// Both pickers have the same controls, numbered alike from the start of their range.
void applyPickerTexts(PickerWindow* form, int first, Entry entry)
{
    setTitle(form, first, entry);
    setHeader(form->ListView1, 1, first + 1, entry);
    setHeader(form->ListView1, 2, first + 2, entry);
    setCaption(form->Command1, first + 3, entry);
    setCaption(form->Command2, first + 4, entry);
    setMessage(form->msgRubrik, first + 5);
    setMessage(form->msgFraga, first + 6);
    setMessage(form->msgTitel, first + 7);
    form->nameControls();
}
} // namespace

void applyTexts(frmLeverantor* form)
{
    applyPickerTexts(form, 300, Entry::Required);
}

void applyTexts(frmOrderStatus* form)
{
    applyPickerTexts(form, 900, Entry::Optional);
}

void applyTexts(frmLeverantorLista* form)
{
    setTitle(form, 700);
    setHeader(form->ListView1, 1, 701);
    setHeader(form->ListView1, 2, 702);
    setCaption(form->lblNamn, 703);
    setCaption(form->lblNummer, 704);
    setCaption(form->cmdLaggTill, 705);
    setCaption(form->cmdAndra, 706);
    setCaption(form->cmdTaBort, 707);
    setCaption(form->cmdStang, 708);
    setMessage(form->msgValjAndra, 709);
    setMessage(form->msgValjTaBort, 710);
    setMessage(form->msgTaBort, 711);
    setMessage(form->msgTaBortTitel, 712);
    // The list has no caption of its own and reads as the window's title.
    ui::speak(form->ListView1, form->windowTitle());
    ui::nameAfter(form->txtNamn, form->lblNamn);
    ui::nameAfter(form->txtNummer, form->lblNummer);
}

void applyTexts(frmForetag* form)
{
    setTitle(form, 800);
    for (int i = 0; i < frmForetag::kFields; ++i) {
        setCaption(form->lblFalt[i], 801 + i);
        ui::nameAfter(form->txtFalt[i], form->lblFalt[i]);
    }
    setCaption(form->chkExklMoms, 809);
    setCaption(form->cmdSpara, 810);
    setCaption(form->cmdAvbryt, 811);
}

} // namespace language
