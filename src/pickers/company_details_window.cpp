#include "pickers/company_details_window.h"

#include "data/company_details.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/message_box.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

namespace {
constexpr int kClientWidth = 6600;
constexpr int kRowTop = 150;
constexpr int kRowStep = 390;
} // namespace

frmForetag* frmForetag::instance()
{
    return ui::FormInstance<frmForetag>::get();
}

frmForetag* frmForetag::existing()
{
    return ui::FormInstance<frmForetag>::existing();
}

void frmForetag::open()
{
    data::CompanyDetails details;
    QString error;
    if (!data::readCompanyDetails(&details, &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical, instance()->windowTitle());
        instance()->unload();
        return;
    }
    frmForetag* window = instance();
    const QStringList lines = details.lines();
    for (int i = 0; i < kFields; ++i)
        window->txtFalt[i]->setText(lines.at(i));
    window->chkExklMoms->setChecked(details.pricesExcludeVat);
    window->showForm();
    window->raise();
}

frmForetag::frmForetag()
{
    setObjectName(QStringLiteral("frmForetag"));
    setWindowTitle(QStringLiteral("Företagsuppgifter"));
    ui::setFixedDialogFrame(this);
    setFont(ui::formFont());
    const QStringList captions{QStringLiteral("Företagsnamn"),   QStringLiteral("Postadress"),
                               QStringLiteral("Postnr och ort"), QStringLiteral("Organisationsnr"),
                               QStringLiteral("Momsreg.nr"),     QStringLiteral("Telefon"),
                               QStringLiteral("E-post"),         QStringLiteral("Leveransadress")};
    for (int i = 0; i < kFields; ++i) {
        const int top = kRowTop + kRowStep * i;
        lblFalt[i] = ui::makeLabel(this, QStringLiteral("lblFalt(%1)").arg(i), captions.at(i), 120, top + 30, 1500);
        txtFalt[i] = ui::makeTextBox(this, QStringLiteral("txtFalt(%1)").arg(i), 1680, top, 4800);
        ui::nameAfter(txtFalt[i], lblFalt[i]);
    }
    const int bottom = kRowTop + kRowStep * kFields;
    chkExklMoms = new QCheckBox(QStringLiteral("Priserna är e&xkl. moms"), this);
    chkExklMoms->setObjectName(QStringLiteral("chkExklMoms"));
    ui::place(chkExklMoms, 1680, bottom, 4800, 285);
    cmdSpara = ui::makeButton(this, QStringLiteral("cmdSpara"), QStringLiteral("&Spara"), 4230, bottom + 420, 1095);
    cmdAvbryt = ui::makeButton(this, QStringLiteral("cmdAvbryt"), QStringLiteral("&Avbryt"), 5385, bottom + 420, 1095);
    ui::setClientSize(this, kClientWidth, bottom + 420 + 375 + 150);

    connect(cmdSpara, &QPushButton::clicked, this, &frmForetag::cmdSpara_Click);
    connect(cmdAvbryt, &QPushButton::clicked, this, [this] { unload(); });
    closeOnEscape(cmdAvbryt);
    ui::centreOnScreen(this);
}

void frmForetag::cmdSpara_Click()
{
    QStringList lines;
    for (QLineEdit* box : txtFalt)
        lines << box->text();
    lines << (chkExklMoms->isChecked() ? data::kPricesExcludingVat : data::kPricesIncludingVat);
    QString error;
    if (!data::writeCompanyDetails(data::CompanyDetails::fromLines(lines), &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical, windowTitle());
        return;
    }
    unload();
}
