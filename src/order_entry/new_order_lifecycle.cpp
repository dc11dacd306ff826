// An order's life in the new-order window: starting a new one, opening a saved one, saving it and
// its status, and asking before one with unsaved changes is left.
#include "data/order_files.h"
#include "data/order_number.h"
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

void frmZelOrderNew::Command6_Click()
{
    dbStatus->setText(kSavedStatus);
    const QString number = dbOrderNr->text();
    QString error;
    // A reopened order is in the order list already.
    if (!data::writeOrderData(number, orderDataValues(), &error) ||
        (!m_reopened && !data::listOrderOnce(number, &error))) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    m_saved = true;
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
    return !hasUnsavedChanges() || ui::MsgBox(msg5->text(), ui::vbYesNo + ui::vbQuestion, msg6->text()) == ui::vbYes;
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
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, txtLevNr})
        box->clear();
    dbLevName->clear();
    dbStatusText->clear();
    ListView1->clearRows();
    m_saved = false;
    m_reopened = false;
    m_statusPickedSinceSave = false;
    const QString left = dbOrderNr->text();
    Form_Load();
    // The order left may have taken no file yet; the new one still gets a number of its own.
    for (QDateTime moment = QDateTime::currentDateTime(); dbOrderNr->text() == left;) {
        moment = moment.addSecs(1);
        dbOrderNr->setText(data::freeOrderNumber(moment));
    }
    return true;
}

bool frmZelOrderNew::openSavedOrder(const QStringList& values, const QVector<data::OrderLine>& lines)
{
    if (!mayLeaveOrder())
        return false;
    if (frmAdd* add = frmAdd::existing())
        add->unload();
    QLineEdit* const boxes[] = {Text1, Text2, Text3, Text4};
    for (int i = 0; i < 4; ++i)
        boxes[i]->setText(values.value(i));
    dbOrderNr->setText(values.value(4));
    dbOrderDag->setText(values.value(5));
    dbSaljare->setText(values.value(6));
    dbStatus->setText(values.value(7));
    dbStatusText->clear();
    txtLevNr->setText(values.value(8));
    dbLevName->setText(ui::shownValue(values.value(9)));
    QVector<QStringList> rows;
    rows.reserve(lines.size());
    for (const data::OrderLine& line : lines)
        rows.append(line.fields());
    ListView1->clearRows();
    ListView1->addRows(rows);
    m_saved = true;
    m_reopened = true;
    m_statusPickedSinceSave = false;
    takeBaseline();
    showForm();
    raise();
    activateWindow();
    return true;
}
