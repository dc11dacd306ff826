#include "pickers/supplier_picker.h"

#include "data/reference_list.h"
#include "order_entry/new_order_window.h"
#include "ui/form_instance.h"

namespace {
PickerDesign supplierDesign()
{
    PickerDesign design;
    design.name = QStringLiteral("frmLeverantor");
    design.title = QStringLiteral("Leverantörer");
    design.clientWidthTwips = 5400;
    design.listPath = data::kSupplierListPath;
    design.firstHeader = QStringLiteral("Leverantör");
    design.firstWidthTwips = 3000;
    design.secondHeader = QStringLiteral("Lev Nr");
    design.secondWidthTwips = 1500;
    design.confirmationHeading = QStringLiteral("Du har valt följande leverantör");
    design.cancelBeforeChoose = false;
    return design;
}
} // namespace

frmLeverantor* frmLeverantor::instance()
{
    return ui::FormInstance<frmLeverantor>::get();
}

frmLeverantor* frmLeverantor::existing()
{
    return ui::FormInstance<frmLeverantor>::existing();
}

void frmLeverantor::open()
{
    showOrReport(instance());
}

frmLeverantor::frmLeverantor() : PickerWindow(supplierDesign()) {}

// A row holds the name, then the number; the question names the number first.
QString frmLeverantor::confirmationPrompt(const QString& text, const QString& subItem) const
{
    return confirmation(subItem, text);
}

void frmLeverantor::writeChoice(const QString& text, const QString& subItem)
{
    frmZelOrderNew::instance()->showSupplier(subItem, text);
}
