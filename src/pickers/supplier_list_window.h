#pragma once

#include "ui/form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVector>

namespace ui {
class ReportListView;
}

// Keeps the supplier list: the clerk adds, changes and removes a supplier's name and number here
// instead of editing System\Leverantorer.log by hand.
class frmLeverantorLista : public ui::Form
{
    Q_OBJECT

public:
    static frmLeverantorLista* instance();
    static frmLeverantorLista* existing();
    // Shows the single instance, or says why the list cannot be read.
    static void open();

    frmLeverantorLista();

    ui::ReportListView* ListView1;
    QLabel* lblNamn;
    QLineEdit* txtNamn;
    QLabel* lblNummer;
    QLineEdit* txtNummer;
    QPushButton* cmdLaggTill;
    QPushButton* cmdAndra;
    QPushButton* cmdTaBort;
    QPushButton* cmdStang;
    QLabel* msgValjAndra;
    QLabel* msgValjTaBort;
    QLabel* msgTaBort; // number, name
    QLabel* msgTaBortTitel;

protected:
    void Form_Load() override;

private:
    void cmdLaggTill_Click();
    void cmdAndra_Click();
    void cmdTaBort_Click();
    void showRow(int row);
    // Reads the list again and selects `row` when it is there.
    bool reload(int row);
    int chosenRow() const;

    QVector<QStringList> m_records; // exactly as read, for telling whether the file changed since
    QString m_loadError;
};
