#include "language/apply_order_register.h"

#include "language/apply_texts.h"
#include "language/language_table.h"
#include "order_register/delivery_dialog.h"
#include "order_register/order_list_window.h"
#include "order_register/order_print_preview.h"
#include "order_register/order_printout.h"
#include "ui/report_list_view.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QTableView>
#include <QTableWidget>

namespace language {

namespace {
void setColumnCaption(QAbstractItemModel* model, int column, int number)
{
    if (given(number))
        model->setHeaderData(column, Qt::Horizontal, shown(number));
}

void applyOrderListCaptions(frmOrderLista* form)
{
    setTitle(form, 500);
    // 501 came first: an older file with only "Kopiera" still gives the button its word.
    setCaption(form->cmdKopiera, 501);
    setCaption(form->Label1, 502);
    setCaption(form->lblSok, 503);
    setCaption(form->chkEjLevererade, 504);
    setCaption(form->Frame1, 505);
    for (int i = 0; i < 3; ++i)
        setCaption(form->lblKundData[i], 506 + i);
    setCaption(form->lblLeverans, 509);
    for (int i = 0; i < 5; ++i)
        setCaption(form->lblOrderData[i], 510 + i);
    setCaption(form->Command9, 515);
    setCaption(form->Command3, 516);
    setCaption(form->Command4, 517);
    setCaption(form->Command5, 518);
    setCaption(form->Command7, 519);
    setCaption(form->Command6, 520);
    for (int position = 1; position <= 7; ++position)
        setHeader(form->ListView1, position, 520 + position);
    for (int column = 0; column < 6; ++column)
        setColumnCaption(form->List1->model(), column, 528 + column);
}
} // namespace

void applyTexts(frmOrderLista* form)
{
    applyOrderListCaptions(form);
    QLabel* const messages[] = {form->msgSoker,       form->msgMakulera,      form->msgMakuleraTitel,
                                form->msgEjOppnas,    form->msgEjOrdernummer, form->msgOppenIFonster,
                                form->msgEjMakulerad, form->msgFilerKvar,     form->msgEjIListan,
                                form->msgTomRad,      form->msgRadEjNummer,   form->msgEjVisas};
    int number = 534;
    for (QLabel* message : messages)
        setMessage(message, number++);
}

void applyTexts(frmLeverera* form)
{
    setTitle(form, 600);
    setMessage(form->msgTitel, 600);
    setCaption(form->lblDatum, 601);
    for (int column = 0; column < 6; ++column)
        setColumnCaption(form->tblRader->model(), column, 602 + column);
    setCaption(form->Command3, 608);
    setCaption(form->Command1, 609);
    setCaption(form->Command2, 610);
    QLabel* const messages[] = {form->msgLevererad, form->msgMerAnRest,   form->msgIngentingNu,
                                form->msgIngetKvar, form->msgAvslutaRest, form->msgAvslutaRestTitel,
                                form->msgEjSparad,  form->msgStatusKvar};
    int number = 611;
    for (QLabel* message : messages)
        setMessage(message, number++);
}

void applyPreviewTexts()
{
    PreviewTexts& texts = previewTexts();
    texts = PreviewTexts{};
    takeWords({&texts.title, &texts.statusNotChanged, &texts.noCompanyDetails, &texts.noPrintSupport}, 960);

    // The printout's words, 964-988, in the order they are printed.
    PrintoutWords& words = printoutWords();
    words = PrintoutWords{};
    takeWords({&words.title,       &words.orderNumber,      &words.orderDate,          &words.page,
               &words.buyer,       &words.supplier,         &words.organisationNumber, &words.vatNumber,
               &words.telephone,   &words.supplierNumber,   &words.deliveryAddress,    &words.ourReference,
               &words.customer,    &words.pricesExcludeVat, &words.pricesIncludeVat,   &words.headings[0],
               &words.headings[1], &words.headings[2],      &words.headings[3],        &words.headings[4],
               &words.headings[5], &words.totalExcludeVat,  &words.totalIncludeVat,    &words.oneLineLeftOut,
               &words.linesLeftOut},
              964);
}

} // namespace language
