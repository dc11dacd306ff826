// What the buttons under the order list do with the selected order: open it for changing (Ändra),
// void it (Makulera), print it (Utskrift) and start a new order from it (Kopiera).
#include "data/order_files.h"
#include "data/order_void.h"
#include "data/text_file.h"
#include "order_entry/new_order_window.h"
#include "order_register/delivery_dialog.h"
#include "order_register/order_list_window.h"
#include "order_register/order_print_preview.h"
#include "order_register/order_register_model.h"
#include "order_register/order_search_runner.h"
#include "ui/message_box.h"

#include <QTableView>
#include <algorithm>

bool frmOrderLista::readSelectedOrder(QString* number, QStringList* values, QVector<data::OrderLine>* lines)
{
    const int row = selectedEntry();
    if (row < 0)
        return false;
    *number = m_register->entries().at(row);
    QString error;
    if (!data::namesOrderFiles(*number) || !data::readOrderData(*number, values, &error)) {
        ui::MsgBox(msgEjOppnas->text().arg(data::quotedForMessage(*number),
                                           error.isEmpty() ? msgEjOrdernummer->text() : error),
                   ui::vbOKOnly + ui::vbCritical);
        return false;
    }
    // Damaged lines are told about; the whole ones still make the order.
    if (!data::readOrderBasket(*number, lines, &error))
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
    return true;
}

void frmOrderLista::Command3_Click()
{
    QString number;
    QStringList values;
    QVector<data::OrderLine> lines;
    if (readSelectedOrder(&number, &values, &lines))
        frmZelOrderNew::instance()->openSavedOrder(number, values, lines);
}

void frmOrderLista::Command4_Click()
{
    const int row = selectedEntry();
    if (row < 0)
        return;
    // Equal entries are told apart by position: this is the n-th entry with this text.
    const QStringList& all = m_register->entries();
    const QString number = all.at(row);
    const int occurrence = int(std::count(all.cbegin(), all.cbegin() + row, number));

    // The order window would go on writing lines and saves to the files a void deletes.
    const frmZelOrderNew* order = frmZelOrderNew::existing();
    if (order && order->dbOrderNr->text() == number) {
        ui::MsgBox(msgOppenIFonster->text().arg(data::quotedForMessage(number)), ui::vbOKOnly + ui::vbInformation);
        return;
    }
    if (ui::MsgBox(msgMakulera->text(), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2,
                   msgMakuleraTitel->text()) != ui::vbYes)
        return;

    data::VoidOutcome outcome;
    QString error;
    const bool voided = data::voidOrder(number, occurrence, &outcome, &error);
    const QString shownNumber = data::quotedForMessage(number);
    if (!voided && !outcome.removedFromList) {
        ui::MsgBox(msgEjMakulerad->text().arg(shownNumber, error), ui::vbOKOnly + ui::vbCritical);
        return;
    }

    m_quiet = true;
    m_register->removeEntry(row);
    List1->selectionModel()->clear();
    m_quiet = false;
    clearOrder();
    // A search still reading files counts positions in the list as it was.
    if (m_search->isRunning())
        startFullSearch();
    if (!voided)
        ui::MsgBox(msgFilerKvar->text().arg(shownNumber, error), ui::vbOKOnly + ui::vbCritical);
    else if (!outcome.removedFromList)
        ui::MsgBox(msgEjIListan->text().arg(shownNumber), ui::vbOKOnly + ui::vbInformation);
}

void frmOrderLista::Command5_Click()
{
    if (!m_shownNumber.isEmpty())
        frmLeverera::instance()->openFor(m_shownNumber);
}

void frmOrderLista::Command7_Click()
{
    QString number;
    QStringList values;
    QVector<data::OrderLine> lines;
    if (readSelectedOrder(&number, &values, &lines))
        previewOrder(this, number, values, lines);
}

void frmOrderLista::cmdKopiera_Click()
{
    QString number;
    QStringList values;
    QVector<data::OrderLine> lines;
    if (readSelectedOrder(&number, &values, &lines))
        frmZelOrderNew::instance()->startCopyOf(number, values, lines);
}
