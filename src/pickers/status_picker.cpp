#include "pickers/status_picker.h"

#include "data/reference_list.h"
#include "pickers/status_receiver.h"
#include "ui/form_instance.h"

namespace {
PickerDesign statusDesign()
{
    PickerDesign design;
    design.name = QStringLiteral("frmOrderStatus");
    design.title = QStringLiteral("Orderstatus");
    design.clientWidthTwips = 5415;
    design.listPath = data::kOrderStatusListPath;
    design.firstHeader = QStringLiteral("Id");
    design.firstWidthTwips = 500;
    design.secondHeader = QStringLiteral("Beskrivning");
    design.secondWidthTwips = 3000;
    design.confirmationHeading = QStringLiteral("Du har valt följande orderstatus");
    design.cancelBeforeChoose = true;
    return design;
}
} // namespace

frmOrderStatus* frmOrderStatus::instance()
{
    return ui::FormInstance<frmOrderStatus>::get();
}

frmOrderStatus* frmOrderStatus::existing()
{
    return ui::FormInstance<frmOrderStatus>::existing();
}

void frmOrderStatus::open(StatusReceiver* receiver)
{
    frmOrderStatus* picker = instance();
    picker->m_receiver = receiver;
    picker->m_receiverWindow = dynamic_cast<QObject*>(receiver);
    showOrReport(picker);
}

frmOrderStatus::frmOrderStatus() : PickerWindow(statusDesign()) {}

QString frmOrderStatus::confirmationPrompt(const QString& text, const QString& subItem) const
{
    return confirmation(text, subItem);
}

void frmOrderStatus::writeChoice(const QString& text, const QString& subItem)
{
    if (m_receiver && m_receiverWindow)
        m_receiver->receiveStatus(text, subItem);
}
