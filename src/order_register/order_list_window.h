#pragma once

#include "data/order_line.h"
#include "pickers/status_receiver.h"
#include "ui/form.h"

#include <QLabel>
#include <QPushButton>
#include <QVector>

class OrderSearchRunner;
class QGroupBox;
class QItemSelection;
class QLineEdit;
class QListView;
class QProgressBar;
class QStatusBar;
class QStringListModel;
class QTimer;

namespace ui {
class GlyphButton;
class ReportListView;
} // namespace ui

// The register of saved orders: lists the order list file, shows the selected order's header and
// lines, folds out to show the lines, and voids an order. The shown order can be opened for
// changing, printed, and given a new status.
// Its members are defined in order_list_window.cpp, order_list_search.cpp (entries, selectedEntry),
// order_list_details.cpp (receiveStatus) and order_list_actions.cpp, as the private sections say.
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

    QLabel* Label1;
    QListView* List1;
    QLabel* lblSok;
    QLineEdit* txtSok;
    QProgressBar* prgSok;
    QGroupBox* Frame1;
    QLabel* lblKundData[3];
    QLabel* dbKund[3];
    QLabel* lblOrderData[5];
    QLabel* dbOrder[6];
    ui::GlyphButton* Command8;
    QPushButton* Command9;
    ui::GlyphButton* Command1;
    ui::GlyphButton* Command2;
    QPushButton* Command3;
    QPushButton* Command4;
    QPushButton* Command5;
    QPushButton* Command7;
    QPushButton* Command6;
    ui::ReportListView* ListView1;
    QStatusBar* StatusBar1;

    void receiveStatus(const QString& id, const QString& description) override;

    // The files of `number` were changed by this program elsewhere; the shown order follows.
    void orderChanged(const QString& number);

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
    // Shows the given entries of m_all (all of them when not filtered); the selection stays on
    // its entry when that is still shown.
    void showRows(bool filtered, const QVector<int>& rows);
    // The row of List1 that shows the entry at `entry` in m_all, or -1.
    int shownRowOf(int entry) const;

    // order_list_details.cpp: the selected order shown, and its status.
    void List1_Click();
    void clearOrder();
    void Command8_Click();
    void Command9_Click();

    // order_list_actions.cpp: Ändra, Makulera and Utskrift on the selected order.
    void Command3_Click();
    void Command4_Click();
    void Command7_Click();
    // The selected entry's order read whole, or false after telling the clerk why it cannot be.
    bool readSelectedOrder(QString* number, QStringList* values, QVector<data::OrderLine>* lines);

    // What List1 shows; m_all keeps every entry and m_rows the position in it of each shown row.
    QStringListModel* m_entries;
    QStringList m_all;
    QVector<int> m_rows;
    bool m_filtered = false;
    QTimer* m_searchPause;
    OrderSearchRunner* m_search;
    // Set while the window itself changes the selection, so List1_Click does not run for it.
    bool m_quiet = false;
    // The order shown, and a status picked for it but not yet saved.
    QString m_shownNumber;
    QString m_pendingStatus;
};
