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

namespace {
const QString kVoidQuestion = QStringLiteral("Vill du makulera markerad beställning?\r\n"
                                             "\r\n"
                                             "Följande information kommer att raderas:\r\n"
                                             "\r\n"
                                             "- Kundinformation\r\n"
                                             "- Orderinformation\r\n"
                                             "- Beställningsunderlag\r\n"
                                             "\r\n"
                                             "VARNING! Denna aktivitet går ej att ångra!");
const QString kVoidTitle = QStringLiteral("Makulera betällning");
} // namespace

bool frmOrderLista::readSelectedOrder(QString* number, QStringList* values, QVector<data::OrderLine>* lines)
{
    const int row = selectedEntry();
    if (row < 0)
        return false;
    *number = m_register->entries().at(row);
    QString error;
    if (!data::namesOrderFiles(*number) || !data::readOrderData(*number, values, &error)) {
        ui::MsgBox(QStringLiteral("Ordern %1 kan inte öppnas.\r\n\r\n%2")
                       .arg(data::quotedForMessage(*number),
                            error.isEmpty() ? QStringLiteral("Raden i orderlistan är inget ordernummer.") : error),
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
        ui::MsgBox(QStringLiteral("Ordern %1 är öppen i orderfönstret och kan inte makuleras nu.\r\n\r\nBörja en "
                                  "annan order med Ny order, eller avsluta programmet, och makulera den sedan.")
                       .arg(data::quotedForMessage(number)),
                   ui::vbOKOnly + ui::vbInformation);
        return;
    }
    if (ui::MsgBox(kVoidQuestion, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, kVoidTitle) != ui::vbYes)
        return;

    data::VoidOutcome outcome;
    QString error;
    const bool voided = data::voidOrder(number, occurrence, &outcome, &error);
    const QString shownNumber = data::quotedForMessage(number);
    if (!voided && !outcome.removedFromList) {
        ui::MsgBox(QStringLiteral("Ordern %1 makulerades inte.\r\n\r\n%2").arg(shownNumber, error),
                   ui::vbOKOnly + ui::vbCritical);
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
        ui::MsgBox(QStringLiteral("Ordern %1 är borttagen ur orderlistan, men alla dess filer kunde inte tas bort."
                                  "\r\n\r\n%2")
                       .arg(shownNumber, error),
                   ui::vbOKOnly + ui::vbCritical);
    else if (!outcome.removedFromList)
        ui::MsgBox(QStringLiteral("Ordern %1 är makulerad. Orderlistan på disken nämnde den inte längre "
                                  "och har lämnats som den var.")
                       .arg(shownNumber),
                   ui::vbOKOnly + ui::vbInformation);
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
