#pragma once

#include "ui/form.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// "Företagsuppgifter": the buyer's own details that every printed purchase order carries, kept in
// System\Foretag.log instead of being typed on each order.
class frmForetag : public ui::Form
{
    Q_OBJECT

public:
    static frmForetag* instance();
    static frmForetag* existing();
    // Shows the single instance with the details on file, or says why they cannot be read.
    static void open();

    frmForetag();

    static constexpr int kFields = 8;
    QLabel* lblFalt[kFields];
    QLineEdit* txtFalt[kFields]; // name, street, postal code and town, org. no., VAT no., phone, e-mail, delivery
    QCheckBox* chkExklMoms;
    QPushButton* cmdSpara;
    QPushButton* cmdAvbryt;

private:
    void cmdSpara_Click();
};
