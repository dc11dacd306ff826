// The selected order shown in the order list window: its customer and order values, its lines and
// total, and a new status picked for it and saved.
#include "data/file_stamp.h"
#include "data/order_delivery.h"
#include "data/order_files.h"
#include "data/order_total.h"
#include "data/order_void.h"
#include "data/text_file.h"
#include "order_register/order_list_window.h"
#include "order_register/order_register_model.h"
#include "pickers/status_picker.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/window_helpers.h"

void frmOrderLista::List1_Click()
{
    const int row = selectedEntry();
    if (row >= 0)
        showOrder(m_register->entries().at(row), true);
}

void frmOrderLista::showOrder(const QString& number, bool tell)
{
    m_shownNumber.clear();
    m_pendingStatus.clear();

    if (!data::namesOrderFiles(number)) {
        clearOrder();
        if (tell)
            ui::MsgBox(number.isEmpty() ? msgTomRad->text()
                                        : msgRadEjNummer->text().arg(data::quotedForMessage(number)),
                       ui::vbOKOnly + ui::vbInformation);
        return;
    }

    // Taken before reading, so that a change while reading shows as one afterwards.
    m_shownStamps = {data::stampFile(data::orderDataPath(number)), data::stampFile(data::orderBasketPath(number))};
    QStringList values;
    QString error;
    if (!data::readOrderData(number, &values, &error)) {
        // The entry stays, so that an order whose files are gone can still be voided.
        clearOrder();
        if (tell)
            ui::MsgBox(msgEjVisas->text().arg(data::quotedForMessage(number), error), ui::vbOKOnly + ui::vbInformation);
        return;
    }
    using Line = data::OrderDataLine;
    dbKund[0]->setText(ui::shownValue(values.at(Line::CustomerNumber)));
    dbKund[1]->setText(ui::shownValue(values.at(Line::CustomerName)));
    dbKund[2]->setText(ui::shownValue(values.at(Line::AreaCode) + QLatin1Char('-') + values.at(Line::Telephone)));
    // The order goes by its list entry, whatever line 5 of a copied or restored data file says.
    dbOrder[1]->setText(ui::shownValue(number));
    dbOrder[2]->setText(ui::shownValue(values.at(Line::OrderDate)));
    dbOrder[3]->setText(ui::shownValue(values.at(Line::Seller)));
    dbOrder[4]->setText(ui::shownValue(values.at(Line::Status)));
    dbOrder[0]->setText(ui::shownValue(values.at(Line::SupplierNumber)));
    dbOrder[5]->setText(ui::shownValue(values.at(Line::SupplierName)));
    placeSupplier();

    const qintptr style = ListView1->sendMessage(ui::kLvmGetExtendedListViewStyle, 0, 0);
    ListView1->sendMessage(ui::kLvmSetExtendedListViewStyle, 0, style | ui::kLvsExFullRowSelect);

    ListView1->clearRows();
    QVector<data::OrderLine> lines;
    bool basketRead = data::readOrderBasket(number, &lines, &error);
    QVector<data::DeliveryRecord> deliveries;
    QString deliveryError;
    if (!data::readDeliveries(number, &deliveries, &deliveryError) && basketRead) {
        basketRead = false;
        error = deliveryError;
    }
    const QVector<data::LineDelivery> standing = data::lineDeliveries(lines, deliveries);
    QVector<QStringList> rows;
    rows.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i)
        rows.append(lines.at(i).fields() << standing.at(i).receivedText() << standing.at(i).restText());
    ListView1->addRows(rows);
    showDeliveries(!deliveries.isEmpty(), data::lastDeliveryDate(deliveries));
    m_shownNumber = number;
    ui::setStatusText(StatusBar1, data::totalText(data::orderTotal(lines)));
    if (!basketRead && tell)
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
}

void frmOrderLista::clearOrder()
{
    m_shownNumber.clear();
    m_pendingStatus.clear();
    ui::setStatusText(StatusBar1, QString());
    for (QLabel* label : dbKund)
        label->clear();
    for (QLabel* label : dbOrder)
        label->clear();
    placeSupplier();
    ListView1->clearRows();
    showDeliveries(false, QString());
}

void frmOrderLista::showDeliveries(bool any, const QString& lastDate)
{
    constexpr int kReceivedColumn = 5;
    for (int column = kReceivedColumn; column < kReceivedColumn + 2; ++column)
        ListView1->setColumnHidden(column, !any);
    lblLeverans->setVisible(any);
    dbLeverans->setVisible(any);
    dbLeverans->setText(any ? ui::shownValue(lastDate) : QString());
}

void frmOrderLista::Command8_Click()
{
    if (!m_shownNumber.isEmpty())
        frmOrderStatus::open(this);
}

void frmOrderLista::receiveStatus(const QString& id, const QString& description)
{
    if (m_shownNumber.isEmpty())
        return;
    m_pendingStatus = id + QStringLiteral(", ") + description;
    dbOrder[4]->setText(ui::shownValue(m_pendingStatus));
}

void frmOrderLista::Command9_Click()
{
    if (m_shownNumber.isEmpty() || m_pendingStatus.isEmpty())
        return;
    QString error;
    QStringList values;
    if (!data::writeOrderStatus(m_shownNumber, m_pendingStatus, &error) ||
        !data::readOrderData(m_shownNumber, &values, &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    m_pendingStatus.clear();
    dbOrder[4]->setText(ui::shownValue(values.at(data::OrderDataLine::Status)));
}
