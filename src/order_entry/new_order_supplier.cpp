// The supplier number box of the new-order window: a number typed there brings its supplier's name
// from the supplier list, and one that no supplier has is marked and asked about before saving.
#include "data/text_file.h"
#include "order_entry/new_order_window.h"
#include "ui/message_box.h"
#include "ui/window_helpers.h"

void frmZelOrderNew::txtLevNr_Change()
{
    const std::optional<QString> name = m_supplierNames.nameOf(txtLevNr->text());
    dbLevName->setText(name ? ui::shownValue(*name) : QString());
    markUnknownSupplier();
}

void frmZelOrderNew::showSupplier(const QString& number, const QString& name)
{
    txtLevNr->setText(number);
    dbLevName->setText(name);
    markUnknownSupplier();
}

bool frmZelOrderNew::supplierUnknown()
{
    // An empty number names no supplier at all, and a number with its name is known to the order.
    const QString number = txtLevNr->text();
    return !number.isEmpty() && dbLevName->text().isEmpty() && !m_supplierNames.nameOf(number);
}

void frmZelOrderNew::markUnknownSupplier()
{
    // The mark only takes the name's place: the name itself stays empty, and so does its line in the file.
    lblLevOkand->setVisible(supplierUnknown());
}

bool frmZelOrderNew::maySaveWithSupplier()
{
    if (!supplierUnknown())
        return true;
    const QString prompt = msgOkandLev->text().arg(data::quotedForMessage(txtLevNr->text()));
    return ui::MsgBox(prompt, ui::vbYesNo + ui::vbQuestion, msgOkandLevTitel->text()) == ui::vbYes;
}
