#include "language/apply_order_entry.h"

#include "language/apply_texts.h"
#include "language/language_table.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "ui/report_list_view.h"

#include <QMenu>

namespace language {

namespace {
constexpr Entry kFirst = Entry::Required;

void applyMenuTexts(frmZelOrderNew* form)
{
    // 224 came before the other menu texts, and an empty one already kept the window's words.
    setCaption(form->mnuArkiv, form, 229);
    setCaption(form->mnuNy, form->mnuArkiv, 224);
    setCaption(form->mnuOppna, form->mnuArkiv, 230);
    setCaption(form->mnuUtskrift, form->mnuArkiv, 231);
    setCaption(form->mnuExport, form->mnuArkiv, 232);
    setCaption(form->mnuLeverantorer, form->mnuArkiv, 233);
    setCaption(form->mnuForetag, form->mnuArkiv, 234);
    setCaption(form->mnuHjalp, form, 235);
    setCaption(form->mnuOm, form->mnuHjalp, 236);
}

void applyLaterMessages(frmZelOrderNew* form)
{
    QLabel* const messages[] = {form->msg5,
                                form->msg6,
                                form->msg7,
                                form->msg8,
                                form->msgAvsluta,
                                form->msgAvslutaTitel,
                                form->msgEjSparad,
                                form->msgUtskriftTitel,
                                form->msgOkandLev,
                                form->msgOkandLevTitel,
                                form->msgOm,
                                form->msgOmTitel,
                                form->msgEjListad,
                                form->msgEjKopierad,
                                form->msgUtskriftNot,
                                form->msgOppenAnnan,
                                form->msgAnnatNummer,
                                form->msgKopia,
                                form->msgExportTitel,
                                form->msgExportFilter,
                                form->msgExporterar,
                                form->msgExportAvbryt,
                                form->msgExportAvbrots,
                                form->msgExporterad,
                                form->msgEnRad,
                                form->msgRader,
                                form->msgExportSkippade};
    // 225 to 228 for the first four; the rest follow the window's captions from 239 on.
    int number = 225;
    for (QLabel* message : messages) {
        setMessage(message, number);
        number = number == 228 ? 239 : number + 1;
    }
}
} // namespace

void applyTexts(frmSplash* form)
{
    setTitle(form, 100, kFirst);
    setCaption(form->Label2, 101);
    if (given(102))
        form->showRights(Module2::LangText(102));
}

void applyTexts(frmZelOrderNew* form)
{
    setTitle(form, 200, kFirst);
    setCaption(form->Frame1, 201, kFirst);
    for (int i = 0; i < 3; ++i)
        setCaption(form->Label1[i], 202 + i, kFirst);
    setCaption(form->Label2, 205, kFirst);
    setCaption(form->Label3, 206, kFirst);
    setCaption(form->Label4, 207, kFirst);
    setCaption(form->Label5, 208, kFirst);
    setCaption(form->Label6, 209, kFirst);
    for (int position = 1; position <= 5; ++position)
        setHeader(form->ListView1, position, 209 + position, kFirst);
    setCaption(form->Command2, 215, kFirst);
    setCaption(form->Command3, 216, kFirst);
    setCaption(form->Command4, 217, kFirst);
    setCaption(form->Command5, 218, kFirst);
    setCaption(form->Command6, 219, kFirst);
    setMessage(form->msg1, 220, kFirst);
    setMessage(form->msg2, 221, kFirst);
    setMessage(form->msg3, 222, kFirst);
    setMessage(form->msg4, 223, kFirst);
    applyMenuTexts(form);
    setCaption(form->Command9, 237);
    setCaption(form->lblLevOkand, 238);
    applyLaterMessages(form);
    form->nameControls();
}

void applyTexts(frmAdd* form)
{
    setTitle(form, 400, kFirst);
    setCaption(form->Label1, 401, kFirst);
    setCaption(form->Label2, 402, kFirst);
    setCaption(form->Label3, 403, kFirst);
    setCaption(form->Label4, 404, kFirst);
    setCaption(form->Label5, 405, kFirst);
    setCaption(form->Command1, 406, kFirst);
    setCaption(form->Command2, 407, kFirst);
    setMessage(form->msg1, 408, kFirst);
    setMessage(form->msg2, 409, kFirst);
    setMessage(form->msg3, 410);
    setMessage(form->msg4, 411);
    setMessage(form->msg5, 412);
    form->nameControls();
}

} // namespace language
