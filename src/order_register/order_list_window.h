#pragma once

#include "data/order_line.h"
#include "data/order_summary.h"
#include "pickers/status_receiver.h"
#include "ui/form.h"

#include <QLabel>
#include <QPushButton>
#include <QVector>
#include <functional>

class OrderRegisterModel;
class OrderSearchRunner;
class OrderSummaryLoader;
class QCheckBox;
class QFileSystemWatcher;
class QGroupBox;
class QItemSelection;
class QLineEdit;
class QProgressBar;
class QStatusBar;
class QTableView;
class QTimer;

namespace ui {
class GlyphButton;
class ReportListView;
} // namespace ui

// The register of saved orders: a table of the order list file's entries with each order's date,
// customer, supplier, status and amount, kept current while it is open; it shows the selected
// order's header and lines, folds out to show the lines, and voids an order. The shown order can be
// opened for changing, copied into a new order, printed, received, and given a new status. The table
// can be narrowed by a search and to the orders still to be delivered.
// Its members are defined in order_list_window.cpp, order_list_search.cpp (entries, selectedEntry),
// order_list_refresh.cpp (refresh), order_list_details.cpp (receiveStatus) and
// order_list_actions.cpp, as the private sections say.
class frmOrderLista : public ui::Form, public StatusReceiver
{
    Q_OBJECT

public:
    static frmOrderLista* instance();
    static frmOrderLista* existing();

    frmOrderLista();

    static constexpr int kCollapsedHeight = 5175;
    static constexpr int kExpandedHeight = 7365;

    // The outer height in twips, title bar and borders included.
    int outerHeightTwips() const;

    // All entries of the order list, first to last, also those a search hides, and the position
    // among them of the selected one (-1 for none).
    QStringList entries() const;
    int selectedEntry() const;

    // Reads the order list again and every order whose files changed since they were read.
    void refresh();

    QLabel* Label1;
    QTableView* List1;
    QLabel* lblSok;
    QLineEdit* txtSok;
    QProgressBar* prgSok;
    QCheckBox* chkEjLevererade;
    QGroupBox* Frame1;
    QLabel* lblKundData[3];
    QLabel* dbKund[3];
    QLabel* lblOrderData[5];
    QLabel* dbOrder[6];
    QLabel* lblLeverans; // the last delivery's date
    QLabel* dbLeverans;
    ui::GlyphButton* Command8;
    QPushButton* Command9;
    ui::GlyphButton* Command1;
    ui::GlyphButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command7;
    QPushButton* cmdKopiera;
    QPushButton* Command6;
    ui::ReportListView* ListView1;
    QStatusBar* StatusBar1;
    // The window's questions and notices and the search's progress, in words the language can
    // replace; a "%1" stands for the order number, "%2" for the reason.
    QLabel* msgMakulera;
    QLabel* msgMakuleraTitel;
    QLabel* msgEjOppnas;
    QLabel* msgEjOrdernummer;
    QLabel* msgOppenIFonster;
    QLabel* msgEjMakulerad;
    QLabel* msgFilerKvar;
    QLabel* msgEjIListan;
    QLabel* msgTomRad;
    QLabel* msgRadEjNummer;
    QLabel* msgEjVisas;
    QLabel* msgSoker; // done, total

    void receiveStatus(const QString& id, const QString& description) override;

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // order_list_window.cpp: layout, folding out and in, closing.
    // What a screen reader calls the lists, the glyph buttons and the order's values.
    void nameControls();
    void setOuterHeight(int twips);
    void placeSupplier();
    void Command1_Click();
    void Command2_Click();
    void Command6_Click();

    // order_list_search.cpp: the list's entries and the search.
    void onSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    // Typing filters by order number at once; the order data files are searched after a pause.
    void searchTextChanged();
    void startFullSearch();
    void searchProgress(int done, int total);
    void searchFinished(const QVector<int>& rows);
    void clearSearch();
    // Shows the entries at the given positions (all of them when not filtered); the selection stays on
    // its entry when that is still shown.
    void showRows(bool filtered, const QVector<int>& rows);
    // "Endast ej levererade": only the orders still to be delivered, of those the search shows.
    void onlyUndeliveredToggled(bool only);
    // Runs `change` on the rows shown, keeping the selection on its entry when that is still shown.
    void changeRows(const std::function<void()>& change);
    // An order whose row went away as the orders were read anew is no longer shown either.
    void rowsRearranged();
    // While only undelivered orders are shown and not all orders are read yet, the search's bar
    // tells how far the reading has come; a running search tells its own.
    void showReading();
    // Selects the row of the entry at `position` without showing the order again; false when the
    // entry is not shown.
    bool reselect(int position);

    // order_list_refresh.cpp: the table kept current.
    void setUpRefresh();
    void watchFolder();
    void folderChanged();
    // Takes the order list file again, keeping the selection and the search on their entries.
    void reloadList();
    // Reads on the loader's threads the orders whose files changed since they were read.
    void readChangedOrders();
    void ordersAnnounced();
    // Reads again the orders in sight whose files changed: a program that rewrites a file in place
    // changes nothing in the folder itself.
    void checkShownOrders();
    void summariesRead(const QVector<data::OrderSummary>& summaries);

    // order_list_details.cpp: the selected order shown, and its status.
    void List1_Click();
    // Shows the order whose files are named by `number`; `tell` says in a message box why it cannot be.
    void showOrder(const QString& number, bool tell);
    void clearOrder();
    // The line list's Levererat and Rest columns and the last delivery's date, for an order that has any.
    void showDeliveries(bool any, const QString& lastDate);
    void Command8_Click();
    void Command9_Click();

    // order_list_actions.cpp: Ändra, Makulera, Leverera, Utskrift and Kopiera on the selected order.
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command7_Click();
    void cmdKopiera_Click();
    // The selected entry's order read whole, or false after telling the clerk why it cannot be.
    bool readSelectedOrder(QString* number, QStringList* values, QVector<data::OrderLine>* lines);

    // What List1 shows: every entry, or those a search found, in the file's order or sorted.
    OrderRegisterModel* m_register;
    OrderSummaryLoader* m_loader;
    QFileSystemWatcher* m_watcher;
    // Another program writes a file in several steps; the register reads after they are done.
    QTimer* m_settle;
    QTimer* m_look;
    QStringList m_announced;
    QTimer* m_searchPause;
    OrderSearchRunner* m_search;
    // Set while the window itself changes the selection, so List1_Click does not run for it.
    bool m_quiet = false;
    // The order shown, and a status picked for it but not yet saved.
    QString m_shownNumber;
    data::OrderStamps m_shownStamps;
    QString m_pendingStatus;
};
