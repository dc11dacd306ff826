#include "order_register/delivery_dialog.h"

#include "data/order_files.h"
#include "data/order_number.h"
#include "data/text_file.h"
#include "order_entry/new_order_window.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/message_box.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QDate>
#include <QHeaderView>
#include <QTableWidget>

namespace {
constexpr int kClientWidth = 8775;
constexpr int kClientHeight = 4500;
enum Column { kArticle, kDescription, kOrdered, kReceived, kRest, kNow, kColumns };

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(ui::shownValue(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}
} // namespace

frmLeverera* frmLeverera::instance()
{
    return ui::FormInstance<frmLeverera>::get();
}

frmLeverera* frmLeverera::existing()
{
    return ui::FormInstance<frmLeverera>::existing();
}

frmLeverera::frmLeverera()
{
    setObjectName(QStringLiteral("frmLeverera"));
    setWindowTitle(QStringLiteral("Leverera"));
    ui::setFixedDialogFrame(this);
    setFont(ui::formFont());
    ui::setClientSize(this, kClientWidth, kClientHeight);

    lblDatum = ui::makeLabel(this, QStringLiteral("lblDatum"), QStringLiteral("Leveransdatum"), 120, 150, 1300);
    txtDatum = ui::makeTextBox(this, QStringLiteral("txtDatum"), 1440, 120, 1300, 285, 10);

    tblRader = new QTableWidget(0, kColumns, this);
    tblRader->setObjectName(QStringLiteral("tblRader"));
    tblRader->setHorizontalHeaderLabels({QStringLiteral("Artikelnr"), QStringLiteral("Benämning"),
                                         QStringLiteral("Beställt"), QStringLiteral("Levererat"),
                                         QStringLiteral("Rest"), QStringLiteral("Levereras nu")});
    tblRader->verticalHeader()->setVisible(false);
    // Tall enough for the marks of Å, Ä and Ö.
    tblRader->verticalHeader()->setDefaultSectionSize(QFontMetrics(font()).height() + 8);
    tblRader->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRader->setEditTriggers(QAbstractItemView::AllEditTriggers);
    ui::place(tblRader, 120, 540, 8535, 3240);
    const int widths[] = {1300, 3000, 900, 1000, 900, 1300};
    for (int column = 0; column < kColumns; ++column)
        tblRader->setColumnWidth(column, ui::twipsToPixels(widths[column]));

    Command3 = ui::makeButton(this, QStringLiteral("Command3"), QStringLiteral("Avsluta &rest"), 120, 3960, 1400);
    Command1 = ui::makeButton(this, QStringLiteral("Command1"), QStringLiteral("&OK"), 6405, 3960, 1095);
    Command2 = ui::makeButton(this, QStringLiteral("Command2"), QStringLiteral("&Avbryt"), 7560, 3960, 1095);

    msgTitel = ui::makeMessage(this, QStringLiteral("msgTitel"), windowTitle());
    msgLevererad = ui::makeMessage(this, QStringLiteral("msgLevererad"), QStringLiteral("Levererad"));
    msgMerAnRest =
        ui::makeMessage(this, QStringLiteral("msgMerAnRest"),
                        QStringLiteral("Rad %1 (%2 %3): %4 är mer än resten %5.\r\nVill du ta emot %4 ändå ?"));
    msgIngentingNu = ui::makeMessage(this, QStringLiteral("msgIngentingNu"),
                                     QStringLiteral("Ingenting levereras nu: alla rader står på 0."));
    msgIngetKvar = ui::makeMessage(this, QStringLiteral("msgIngetKvar"),
                                   QStringLiteral("Ingenting återstår att leverera på ordern."));
    msgAvslutaRest = ui::makeMessage(this, QStringLiteral("msgAvslutaRest"),
                                     QStringLiteral("Vill du avsluta resten av ordern ?\r\nDet som inte har levererats "
                                                    "kommer inte, och raderna räknas som klara."));
    msgAvslutaRestTitel = ui::makeMessage(this, QStringLiteral("msgAvslutaRestTitel"), QStringLiteral("Avsluta rest"));
    msgEjSparad = ui::makeMessage(this, QStringLiteral("msgEjSparad"),
                                  QStringLiteral("Leveransen sparades inte; ingen fil ändrades.\r\n\r\n%1"));
    msgStatusKvar =
        ui::makeMessage(this, QStringLiteral("msgStatusKvar"),
                        QStringLiteral("Leveransen är sparad, men orderns status kunde inte ändras.\r\n\r\n%1"));

    ui::nameAfter(txtDatum, lblDatum);
    ui::speak(tblRader, QStringLiteral("Orderrader att leverera"));

    connect(Command1, &QPushButton::clicked, this, &frmLeverera::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmLeverera::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmLeverera::Command3_Click);
    closeOnEscape(Command2);
    ui::centreOnScreen(this);
}

bool frmLeverera::openFor(const QString& orderNumber)
{
    QVector<data::DeliveryRecord> records;
    QString error;
    if (!data::readOrderBasket(orderNumber, &m_lines, &error) || !data::readDeliveries(orderNumber, &records, &error))
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical); // what could be read still counts
    m_number = orderNumber;
    m_standing = data::lineDeliveries(m_lines, records);
    setWindowTitle(msgTitel->text() + QStringLiteral(" – ") + ui::shownValue(orderNumber));
    txtDatum->setText(data::formatOrderDate(QDate::currentDate()));
    tblRader->setRowCount(int(m_lines.size()));
    for (int row = 0; row < m_lines.size(); ++row) {
        const data::OrderLine& line = m_lines.at(row);
        const data::LineDelivery& standing = m_standing.at(row);
        tblRader->setItem(row, kArticle, readOnlyItem(line.articleNumber));
        tblRader->setItem(row, kDescription, readOnlyItem(line.description));
        tblRader->setItem(row, kOrdered, readOnlyItem(line.quantity));
        tblRader->setItem(row, kReceived, readOnlyItem(standing.receivedText()));
        tblRader->setItem(row, kRest, readOnlyItem(standing.restText()));
        // A line whose quantity is text arrives whole: a check box, "Levererad".
        auto* now = new QTableWidgetItem;
        if (standing.numeric) {
            now->setText(standing.rest().toString());
            now->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
        } else {
            now->setText(msgLevererad->text());
            now->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            now->setCheckState(standing.done() ? Qt::Unchecked : Qt::Checked);
            if (standing.done())
                now->setFlags(Qt::ItemIsSelectable);
        }
        tblRader->setItem(row, kNow, now);
    }
    showForm();
    raise();
    return true;
}

void frmLeverera::Command1_Click()
{
    QVector<data::ArrivingNow> now;
    for (int row = 0; row < tblRader->rowCount(); ++row) {
        const QTableWidgetItem* item = tblRader->item(row, kNow);
        now.append({item->text(), item->checkState() == Qt::Checked});
    }
    QVector<data::DeliveryRecord> records;
    QVector<int> over;
    QString error;
    if (!data::planDelivery(m_lines, m_standing, now, txtDatum->text().trimmed(), &records, &over, &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical, msgTitel->text());
        return;
    }
    // More than is still to come is taken only when the clerk says so, line by line.
    for (int row : over) {
        const data::OrderLine& line = m_lines.at(row);
        const QString quantity = data::ExactDecimal::parse(now.at(row).quantity)->toString();
        const QString question = msgMerAnRest->text().arg(
            QString::number(row + 1), data::quotedForMessage(line.articleNumber),
            data::quotedForMessage(line.description), quantity, m_standing.at(row).rest().toString());
        if (ui::MsgBox(question, ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, msgTitel->text()) != ui::vbYes)
            return;
    }
    if (records.isEmpty()) {
        ui::MsgBox(msgIngentingNu->text(), ui::vbOKOnly + ui::vbInformation, msgTitel->text());
        return;
    }
    record(records);
}

void frmLeverera::Command2_Click()
{
    unload();
}

void frmLeverera::Command3_Click()
{
    const QVector<data::DeliveryRecord> records =
        data::closingRecords(m_lines, m_standing, data::formatOrderDate(QDate::currentDate()));
    if (records.isEmpty()) {
        ui::MsgBox(msgIngetKvar->text(), ui::vbOKOnly + ui::vbInformation, msgTitel->text());
        return;
    }
    if (ui::MsgBox(msgAvslutaRest->text(), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2,
                   msgAvslutaRestTitel->text()) != ui::vbYes)
        return;
    record(records);
}

void frmLeverera::record(const QVector<data::DeliveryRecord>& records)
{
    QString status, note, error;
    if (!data::recordDelivery(m_number, records, &status, &note, &error)) {
        ui::MsgBox(msgEjSparad->text().arg(error), ui::vbOKOnly + ui::vbCritical, msgTitel->text());
        return;
    }
    if (!note.isEmpty())
        ui::MsgBox(msgStatusKvar->text().arg(note), ui::vbOKOnly + ui::vbCritical, msgTitel->text());
    // The order window holding this order takes its new status over, so its next save keeps it.
    if (frmZelOrderNew* order = frmZelOrderNew::existing(); order && !status.isEmpty())
        order->statusChangedOnFile(m_number, status);
    const QString number = m_number;
    unload();
    Q_EMIT recorded(number);
}
