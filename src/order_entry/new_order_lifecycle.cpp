// An order's life in the new-order window: starting a new one, opening a saved one, saving it and
// its status, and asking before one with unsaved changes is left.
#include "data/order_files.h"
#include "data/text_file.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "pickers/status_picker.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/window_helpers.h"

#include <QDateTime>

QStringList frmZelOrderNew::orderDataValues() const
{
    return {Text1->text(),      Text2->text(),     Text3->text(),    Text4->text(),    dbOrderNr->text(),
            dbOrderDag->text(), dbSaljare->text(), dbStatus->text(), txtLevNr->text(), dbLevName->text()};
}

QString frmZelOrderNew::statusForFile() const
{
    return dbStatusText->text().isEmpty() ? dbStatus->text()
                                          : dbStatus->text() + QStringLiteral(", ") + dbStatusText->text();
}

void frmZelOrderNew::Command6_Click()
{
    if (!maySaveWithSupplier())
        return;
    // A new order is "created" by its first save; after that the status the window holds (the one on
    // file, or one picked since) is kept.
    if (!m_saved) {
        dbStatus->setText(kSavedStatus);
        dbStatusText->clear();
    }
    QStringList values = orderDataValues();
    values[data::OrderDataLine::Status] = statusForFile();
    const QString number = dbOrderNr->text();
    QString error;
    if (!data::writeOrderData(number, values, &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    m_saved = true;
    if (!data::listOrderOnce(number, &error)) {
        ui::MsgBox(msgEjListad->text().arg(error, number), ui::vbOKOnly + ui::vbCritical);
        return;
    }
    m_statusPickedSinceSave = false;
    takeBaseline();
    ui::MsgBox(msg3->text(), ui::vbOKOnly + ui::vbInformation, msg4->text());
    Command5->setEnabled(true);
}

void frmZelOrderNew::Command8_Click()
{
    frmOrderStatus::open(this);
}

void frmZelOrderNew::receiveStatus(const QString& id, const QString& description)
{
    dbStatus->setText(id);
    dbStatusText->setText(description);
    m_statusPickedSinceSave = m_saved;
}

void frmZelOrderNew::Command9_Click()
{
    // Only a status picked after the order was saved is saved into it here.
    if (!m_saved || !m_statusPickedSinceSave)
        return;
    QString error;
    if (!data::writeOrderStatus(dbOrderNr->text(), dbStatus->text() + QStringLiteral(", ") + dbStatusText->text(),
                                &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    m_statusPickedSinceSave = false;
    takeBaseline();
    ui::MsgBox(msg7->text(), ui::vbOKOnly + ui::vbInformation, msg8->text());
}

QStringList frmZelOrderNew::editedValues() const
{
    return {Text1->text(),    Text2->text(),     Text3->text(),    Text4->text(),
            txtLevNr->text(), dbLevName->text(), dbStatus->text(), dbStatusText->text()};
}

void frmZelOrderNew::takeBaseline()
{
    m_baseline = editedValues();
}

bool frmZelOrderNew::hasUnsavedChanges() const
{
    return editedValues() != m_baseline || (!m_saved && ListView1->rowCount() > 0);
}

bool frmZelOrderNew::mayLeaveOrder()
{
    return !hasUnsavedChanges() ||
           ui::MsgBox(msg5->text(), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, msg6->text()) == ui::vbYes;
}

void frmZelOrderNew::mnuNy_Click()
{
    startNewOrder();
}

bool frmZelOrderNew::startNewOrder()
{
    if (!mayLeaveOrder())
        return false;
    // A line dialog still open belongs to the order being left.
    if (frmAdd* add = frmAdd::existing())
        add->unload();
    for (QLineEdit* box : {Text1, Text2, Text3, Text4})
        box->clear();
    showSupplier(QString(), QString());
    dbStatusText->clear();
    ListView1->clearRows();
    m_saved = false;
    m_statusPickedSinceSave = false;
    // The number left is held until the new one is, so the new order never gets it again.
    Form_Load();
    // The clerk goes on with the customer, not on the button last pressed.
    Text1->setFocus();
    return true;
}

bool frmZelOrderNew::openSavedOrder(const QString& number, const QStringList& values,
                                    const QVector<data::OrderLine>& lines)
{
    if (!mayLeaveOrder())
        return false;
    if (frmAdd* add = frmAdd::existing())
        add->unload();
    QLineEdit* const boxes[] = {Text1, Text2, Text3, Text4};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setText(values.value(i));
    // The list entry names the order's files; a data file copied or restored from another order may
    // name another one, and must never send the writes there.
    dbOrderNr->setText(number);
    dbOrderDag->setText(values.value(data::OrderDataLine::OrderDate));
    dbSaljare->setText(values.value(data::OrderDataLine::Seller));
    dbStatus->setText(values.value(data::OrderDataLine::Status));
    dbStatusText->clear();
    showSupplier(values.value(data::OrderDataLine::SupplierNumber),
                 ui::shownValue(values.value(data::OrderDataLine::SupplierName)));
    QVector<QStringList> rows;
    rows.reserve(lines.size());
    for (const data::OrderLine& line : lines)
        rows.append(line.fields());
    ListView1->clearRows();
    ListView1->addRows(rows);
    m_saved = true;
    m_statusPickedSinceSave = false;
    m_customerFill.forget();
    takeBaseline();
    if (!m_reservation.reserveExisting(number)) {
        m_reservation.release();
        showNote(msgOppenAnnan->text().arg(ui::shownValue(number)));
    }
    const QString written = values.value(data::OrderDataLine::OrderNumber);
    if (written != number)
        showNote(msgAnnatNummer->text().arg(data::quotedForMessage(written), number));
    showForm();
    raise();
    activateWindow();
    return true;
}

bool frmZelOrderNew::startCopyOf(const QString& number, const QStringList& values,
                                 const QVector<data::OrderLine>& lines)
{
    if (!startNewOrder())
        return false;
    QLineEdit* const boxes[] = {Text1, Text2, Text3, Text4};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setText(values.value(i));
    showSupplier(values.value(data::OrderDataLine::SupplierNumber),
                 ui::shownValue(values.value(data::OrderDataLine::SupplierName)));
    // The lines go into the new order's basket as "Lägg till" writes them; what was delivered of
    // the saved order is no part of the copy.
    const QString copy = dbOrderNr->text();
    QVector<QStringList> rows;
    QString error;
    if (data::appendOrderLines(copy, lines, &error)) {
        rows.reserve(lines.size());
        for (const data::OrderLine& line : lines)
            rows.append(line.fields());
    } else {
        ui::MsgBox(msgEjKopierad->text().arg(error, QString::number(lines.size())), ui::vbOKOnly + ui::vbCritical);
    }
    ListView1->addRows(rows);
    showNote(msgKopia->text().arg(ui::shownValue(number)));
    showForm();
    raise();
    activateWindow();
    return true;
}

void frmZelOrderNew::showNote(const QString& text)
{
    constexpr int kNoteMs = 10000;
    StatusBar1->showMessage(ui::displayText(text), kNoteMs);
}

void frmZelOrderNew::statusChangedOnFile(const QString& number, const QString& status)
{
    if (dbOrderNr->text() != number || !m_saved)
        return;
    // Only the status follows the file, over one picked and not yet saved; anything else typed since
    // stays unsaved as it was.
    dbStatus->setText(status);
    dbStatusText->clear();
    m_baseline[6] = dbStatus->text();
    m_baseline[7] = QString();
    m_statusPickedSinceSave = false;
}
