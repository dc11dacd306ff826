// The order's lines in the new-order window: adding, changing and removing them, and their total.
#include "data/order_files.h"
#include "data/order_total.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/window_helpers.h"

void frmZelOrderNew::Command2_Click()
{
    frmAdd* add = frmAdd::instance();
    add->startAdding();
    add->showForm();
}

void frmZelOrderNew::Command3_Click()
{
    const int row = ListView1->selectedRow();
    if (row < 0)
        return;
    frmAdd::instance()->changeLine(row, shownLines().at(row));
}

void frmZelOrderNew::Command4_Click()
{
    const int answer = ui::MsgBox(msg1->text(), ui::vbYesNo + ui::vbQuestion + ui::vbDefaultButton2, msg2->text());
    const int row = ListView1->selectedRow();
    if (answer != ui::vbYes || row < 0)
        return;
    QString error;
    if (!data::removeOrderLine(dbOrderNr->text(), row, shownLines().at(row), &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    ListView1->removeRow(row);
}

QVector<data::OrderLine> frmZelOrderNew::shownLines() const
{
    QVector<data::OrderLine> lines;
    lines.reserve(ListView1->rowCount());
    for (int row = 0; row < ListView1->rowCount(); ++row)
        lines.append({ListView1->itemText(row), ListView1->subItem(row, 1), ListView1->subItem(row, 2),
                      ListView1->subItem(row, 3), ListView1->subItem(row, 4)});
    return lines;
}

void frmZelOrderNew::updateTotal()
{
    ui::setStatusText(StatusBar1, data::totalText(data::orderTotal(shownLines())));
}
