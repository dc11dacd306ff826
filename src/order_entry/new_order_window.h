#pragma once

#include "data/order_line.h"
#include "data/order_number_reservation.h"
#include "data/supplier_names.h"
#include "order_entry/remembered_fill.h"
#include "pickers/status_receiver.h"
#include "ui/form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class QAction;
class QCompleter;
class QGroupBox;
class QMenu;
class QMenuBar;
class QStatusBar;

namespace ui {
class GlyphButton;
class ReportListView;
} // namespace ui

// The main window: the order being entered, its number and date taken from the clock. "Ny order"
// starts another one in the same run; a saved order can be opened here again from the order list.
// Its members are defined in new_order_window.cpp, new_order_lines.cpp (shownLines),
// new_order_lifecycle.cpp (the saving, opening, copying, status and unsaved-changes members),
// new_order_supplier.cpp (the supplier number box), new_order_customer.cpp (customers remembered)
// and new_order_export.cpp (exportOrdersTo), as the private sections say.
class frmZelOrderNew : public ui::Form, public StatusReceiver
{
    Q_OBJECT

public:
    static frmZelOrderNew* instance();
    static frmZelOrderNew* existing();

    frmZelOrderNew();

    static inline const QString kDefaultSeller = QStringLiteral("ORDERMOTTAGARE");
    static inline const QString kSavedStatus = QStringLiteral("1, Created not printed");

    QMenuBar* menuBar;
    QMenu* mnuArkiv;
    QAction* mnuNy;
    QAction* mnuOppna;
    QAction* mnuUtskrift;
    QAction* mnuExport;
    QAction* mnuLeverantorer;
    QAction* mnuForetag;
    QMenu* mnuHjalp;
    QAction* mnuOm;
    QGroupBox* Frame1;
    QLabel* Label1[3];
    QLineEdit* Text1;
    QLineEdit* Text2;
    QLineEdit* Text3;
    QLineEdit* Text4;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* dbOrderNr;
    QLabel* dbOrderDag;
    QLabel* dbSaljare;
    QLabel* dbStatus;
    QLabel* dbStatusText;
    ui::GlyphButton* Command8;
    QPushButton* Command9;
    QGroupBox* Frame2;
    QLabel* Label6;
    QLineEdit* txtLevNr;
    ui::GlyphButton* Command1;
    QLabel* dbLevName;
    // "okänd leverantör", in red in the name's place while the number typed is no supplier's.
    QLabel* lblLevOkand;
    ui::ReportListView* ListView1;
    QPushButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command6;
    QPushButton* Command5;
    QLabel* msg1;
    QLabel* msg2;
    QLabel* msg3;
    QLabel* msg4;
    // Prompt and title of the question before an order with unsaved changes is left (msg5, msg6),
    // and of the notice after its status is saved (msg7, msg8).
    QLabel* msg5;
    QLabel* msg6;
    QLabel* msg7;
    QLabel* msg8;
    // The window's other questions, notices and status bar remarks, in words the language can replace.
    // A "%1" stands for what the message names: a number, a version, a file.
    QLabel* msgAvsluta;
    QLabel* msgAvslutaTitel;
    QLabel* msgEjSparad;
    QLabel* msgUtskriftTitel;
    QLabel* msgOkandLev;
    QLabel* msgOkandLevTitel;
    QLabel* msgOm; // version, application folder
    QLabel* msgOmTitel;
    QLabel* msgEjListad;
    QLabel* msgEjKopierad;
    QLabel* msgUtskriftNot;
    QLabel* msgOppenAnnan;
    QLabel* msgAnnatNummer;
    QLabel* msgKopia;
    QLabel* msgExportTitel;
    QLabel* msgExportFilter;
    QLabel* msgExporterar;
    QLabel* msgExportAvbryt;
    QLabel* msgExportAvbrots;
    QLabel* msgExporterad;
    QLabel* msgEnRad;
    QLabel* msgRader;
    QLabel* msgExportSkippade;
    QStatusBar* StatusBar1;

    // Names the inputs and value labels after the captions beside them, as they read now; the
    // language runs it again once it has changed the captions.
    void nameControls();

    // The values the order data file holds, in file order.
    QStringList orderDataValues() const;

    // The order's lines as the line list shows them.
    QVector<data::OrderLine> shownLines() const;

    // Whether leaving the order now would lose something: text typed or a supplier or status picked
    // since its last save, or, for an order never saved, any line.
    bool hasUnsavedChanges() const;

    // Starts a fresh order: a new number, today's date, empty fields, status "0", no lines. Asks
    // first when the current order has unsaved changes; false when the clerk keeps it.
    bool startNewOrder();

    // Shows the saved order listed as `number` (the ten values of its data file and its lines) for
    // changing, asking first as startNewOrder() does. It is written under `number` whatever line 5 of
    // its data file says. Saving it again replaces its data file and adds no list entry.
    bool openSavedOrder(const QString& number, const QStringList& values, const QVector<data::OrderLine>& lines);

    // Starts a new order as startNewOrder() does (asking first the same way) with the customer and
    // supplier of the saved order `number`, whose data file holds `values`, and its `lines` written to
    // the new order's basket one by one. Nothing of the saved order changes; the copy is saved with
    // "Spara" like any new order.
    bool startCopyOf(const QString& number, const QStringList& values, const QVector<data::OrderLine>& lines);

    // The status of `number` was written by another path (a delivery, a printout): the window that
    // holds that order shows it and keeps it, so its next save does not write the old one back.
    void statusChangedOnFile(const QString& number, const QString& status);

    // A passing remark in the status bar; the total comes back after a while.
    void showNote(const QString& text);

    void receiveStatus(const QString& id, const QString& description) override;

    // Shows a supplier as a whole, number and name, as the supplier picker chooses it or a saved
    // order holds it; the number is unknown only when it comes without a name and no supplier has it.
    void showSupplier(const QString& number, const QString& name);

    // Writes every order of the register to a CSV file at path for the bookkeeper, with a progress
    // window that can cancel when there are many, and says how it went. False when nothing was written.
    bool exportOrdersTo(const QString& path);

protected:
    void Form_Load() override;
    void closeEvent(QCloseEvent* event) override;

private:
    // new_order_window.cpp: the supplier picker, the order list, printing, closing.
    void Command1_Click();
    void Command5_Click();
    void mnuOppna_Click();
    void mnuUtskrift_Click();
    void mnuOm_Click();

    // new_order_lines.cpp: Lägg till, Ändra and Ta bort on the line list, and its total.
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void updateTotal();

    // new_order_lifecycle.cpp: saving, the status, a new or reopened order, unsaved changes.
    void Command6_Click();
    void Command8_Click();
    void Command9_Click();
    void mnuNy_Click();
    bool mayLeaveOrder();
    QStringList editedValues() const;
    void takeBaseline();

    // new_order_export.cpp.
    void mnuExport_Click();

    // new_order_supplier.cpp: the name follows the number typed; an unknown one is marked and asked about.
    void txtLevNr_Change();
    bool supplierUnknown();
    void markUnknownSupplier();
    bool maySaveWithSupplier();

    // new_order_customer.cpp: earlier customers offered in "Kund nr", and their name and telephone
    // filled in once one is chosen or typed in full.
    void setUpCustomerMemory();
    void suggestCustomers(const QString& typed);
    void fillCustomer(const QString& number);

    // The status as the order data file takes it: "id, description" once one is picked.
    QString statusForFile() const;

    QStringList m_baseline; // editedValues() as last saved or loaded
    bool m_saved = false;   // this order has a data file (it was saved, or opened saved)
    bool m_statusPickedSinceSave = false;
    // No other window, here or in another program, forms or voids this order's number meanwhile.
    data::OrderNumberReservation m_reservation;
    data::SupplierNames m_supplierNames;
    QCompleter* m_customerSuggestions;
    RememberedFill m_customerFill;
};
