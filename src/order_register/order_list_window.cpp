#include "order_register/order_list_window.h"

#include "data/order_files.h"
#include "data/order_search.h"
#include "data/order_total.h"
#include "data/order_void.h"
#include "data/text_file.h"
#include "order_entry/new_order_window.h"
#include "order_register/order_document.h"
#include "order_register/order_search_runner.h"
#include "pickers/status_picker.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/glyph_button.h"
#include "ui/list_box_model.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QLocale>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QStatusBar>
#include <QStringListModel>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int kClientWidth = 8775;
// Title bar and borders, counted into the outer heights the window is designed with.
constexpr int kNonClientHeight = 480;
constexpr int kValueHeight = 255;
constexpr int kSupplierRow = 1620;
constexpr int kSupplierNameLeft = 2280;
// The clerk stops typing this long before the order files are searched too.
constexpr int kSearchPauseMs = 400;

const QString kVoidQuestion = QStringLiteral("Vill du makulera markerad beställning?\r\n"
                                             "\r\n"
                                             "Följande information kommer att raderas:\r\n"
                                             "\r\n"
                                             "- Kundinformation\r\n"
                                             "- Orderinformation\r\n"
                                             "- Beställningsunderlag\r\n"
                                             "\r\n"
                                             "VARNING! Denna aktivitet går ej att ångra!");
const QString kVoidTitle = QStringLiteral("Makulera betällning");

QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, bool bold, int left, int top, int width)
{
    QLabel* label = ui::makeLabel(parent, name, caption, left, top, width, kValueHeight);
    if (bold)
        ui::setBold(label);
    return label;
}
} // namespace

frmOrderLista* frmOrderLista::instance()
{
    return ui::FormInstance<frmOrderLista>::get();
}

frmOrderLista* frmOrderLista::existing()
{
    return ui::FormInstance<frmOrderLista>::existing();
}

frmOrderLista::frmOrderLista()
{
    setObjectName(QStringLiteral("frmOrderLista"));
    setWindowTitle(QStringLiteral("Orderlista"));
    ui::setFixedDialogFrame(this);
    setFont(ui::formFont());
    ui::setClientSize(this, kClientWidth, kCollapsedHeight - kNonClientHeight);

    Label1 = makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Ordernummer"), false, 120, 120, 2000);

    // A plain string model and uniform rows keep a list of a hundred thousand orders quick.
    m_entries = new ui::ListBoxModel(this);
    List1 = new QListView(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setModel(m_entries);
    List1->setUniformItemSizes(true);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setDragEnabled(false);
    List1->installEventFilter(this);
    ui::place(List1, 120, 360, 8535, 1230);

    // The search field shares the caption row above the list, right-aligned with it.
    lblSok = makeLabel(this, QStringLiteral("lblSok"), QStringLiteral("Sök"), false, 4800, 120, 420);
    lblSok->setAlignment(Qt::AlignRight | Qt::AlignTop);
    txtSok = new QLineEdit(this);
    txtSok->setObjectName(QStringLiteral("txtSok"));
    txtSok->installEventFilter(this);
    ui::place(txtSok, 5280, 45, 3375, 300);
    m_searchPause = new QTimer(this);
    m_searchPause->setSingleShot(true);
    m_searchPause->setInterval(kSearchPauseMs);
    m_search = new OrderSearchRunner(this);

    Frame1 = new QGroupBox(QStringLiteral("Orderdetaljer"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::place(Frame1, 120, 1680, 8535, 2055);

    const QStringList customerCaptions{QStringLiteral("Kund nr"), QStringLiteral("Namn"), QStringLiteral("Telefon")};
    for (int i = 0; i < 3; ++i) {
        const int top = 300 + 300 * i;
        lblKundData[i] =
            makeLabel(Frame1, QStringLiteral("lblKundData(%1)").arg(i), customerCaptions.at(i), true, 120, top, 900);
        dbKund[i] = makeLabel(Frame1, QStringLiteral("dbKund(%1)").arg(i), QString(), false, 1080, top, 3060);
    }

    const QStringList orderCaptions{QStringLiteral("Leverantör"), QStringLiteral("Order nr"),
                                    QStringLiteral("Orderdatum"), QStringLiteral("Säljare"), QStringLiteral("Status")};
    lblOrderData[0] =
        makeLabel(Frame1, QStringLiteral("lblOrderData(0)"), orderCaptions.at(0), true, 120, kSupplierRow, 900);
    for (int i = 1; i <= 4; ++i) {
        const int top = 300 + 300 * (i - 1);
        lblOrderData[i] =
            makeLabel(Frame1, QStringLiteral("lblOrderData(%1)").arg(i), orderCaptions.at(i), true, 4320, top, 1080);
        dbOrder[i] = makeLabel(Frame1, QStringLiteral("dbOrder(%1)").arg(i), QString(), false, 5460, top, 2580);
    }
    QPalette darkRed = palette();
    darkRed.setColor(QPalette::WindowText, QColor(192, 0, 0));
    dbOrder[0] = makeLabel(Frame1, QStringLiteral("dbOrder(0)"), QString(), true, 1080, kSupplierRow, 0);
    dbOrder[5] = makeLabel(Frame1, QStringLiteral("dbOrder(5)"), QString(), true, kSupplierNameLeft, kSupplierRow, 0);
    for (QLabel* label : {dbOrder[0], dbOrder[5]})
        label->setPalette(darkRed);

    Command8 = ui::makeGlyphButton(Frame1, QStringLiteral("Command8"), QStringLiteral("4"), 8115, 1185, 300, 285);
    Command9 = ui::makeButton(Frame1, QStringLiteral("Command9"), QStringLiteral("Spara"), 7725, 1560, 690, 315);

    Command1 = ui::makeGlyphButton(this, QStringLiteral("Command1"), QStringLiteral("6"), 120, 3840, 375, 375);
    Command2 = ui::makeGlyphButton(this, QStringLiteral("Command2"), QStringLiteral("5"), 120, 3840, 375, 375);
    Command2->setVisible(false);
    Command3 = ui::makeButton(this, QStringLiteral("Command3"), QStringLiteral("Ändra"), 615, 3840, 1095);
    Command4 = ui::makeButton(this, QStringLiteral("Command4"), QStringLiteral("Makulera"), 1770, 3840, 1095);
    Command5 = ui::makeButton(this, QStringLiteral("Command5"), QStringLiteral("Leverera"), 2925, 3840, 1095);
    Command7 = ui::makeButton(this, QStringLiteral("Command7"), QStringLiteral("Utskrift"), 4080, 3840, 1095);
    Command6 = ui::makeButton(this, QStringLiteral("Command6"), QStringLiteral("Stäng"), 7560, 3840, 1095);

    ListView1 = new ui::ReportListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ui::place(ListView1, 120, 4320, 8535, 2055);
    ListView1->addColumn(QStringLiteral("Artikelnr"), 1440);
    ListView1->addColumn(QStringLiteral("Benämning"), 3300);
    ListView1->addColumn(QStringLiteral("á-pris"), 800);
    ListView1->addColumn(QStringLiteral("Antal"), 800);
    ListView1->addColumn(QStringLiteral("Enhet"), 600);

    // Collapsed, the status bar lies over the top of the line list.
    StatusBar1 = ui::addStatusBar(this);
    StatusBar1->setAutoFillBackground(true);
    prgSok = new QProgressBar(StatusBar1);
    prgSok->setObjectName(QStringLiteral("prgSok"));
    prgSok->setTextVisible(true);
    prgSok->setVisible(false);
    StatusBar1->addPermanentWidget(prgSok, 1);

    nameControls();

    const QList<QWidget*> tabOrder{List1,    txtSok,   Command1, Command2,  Command3, Command4,
                                   Command5, Command7, Command6, ListView1, Command8, Command9};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));

    connect(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmOrderLista::onSelectionChanged);
    connect(Command1, &QPushButton::clicked, this, &frmOrderLista::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOrderLista::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOrderLista::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmOrderLista::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &frmOrderLista::Command6_Click);
    connect(Command7, &QPushButton::clicked, this, &frmOrderLista::Command7_Click);
    connect(Command8, &QPushButton::clicked, this, &frmOrderLista::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &frmOrderLista::Command9_Click);
    connect(txtSok, &QLineEdit::textChanged, this, &frmOrderLista::searchTextChanged);
    connect(m_searchPause, &QTimer::timeout, this, &frmOrderLista::startFullSearch);
    connect(m_search, &OrderSearchRunner::progress, this, &frmOrderLista::searchProgress);
    connect(m_search, &OrderSearchRunner::finished, this, &frmOrderLista::searchFinished);

    ui::centreOnScreen(this);
}

void frmOrderLista::nameControls()
{
    ui::speak(List1, QStringLiteral("Orderlista"), ui::spokenCaption(Label1->text()));
    ui::speak(ListView1, QStringLiteral("Orderrader"));
    ui::nameAfter(txtSok, lblSok);
    ui::speak(prgSok, QStringLiteral("Sökning"));
    ui::speak(Command8, QStringLiteral("Välj status"));
    ui::speak(Command9, QString(), QStringLiteral("Sparar orderns status"));
    ui::speak(Command1, QStringLiteral("Visa orderrader"));
    ui::speak(Command2, QStringLiteral("Dölj orderrader"));
    for (int i = 0; i < 3; ++i)
        ui::describeAfter(dbKund[i], lblKundData[i]);
    for (int i = 0; i < 5; ++i)
        ui::describeAfter(dbOrder[i], lblOrderData[i]);
    ui::describeAfter(dbOrder[5], lblOrderData[0], QStringLiteral("namn"));
}

int frmOrderLista::outerHeightTwips() const
{
    return ui::pixelsToTwips(height()) + kNonClientHeight;
}

QStringList frmOrderLista::entries() const
{
    return m_all;
}

int frmOrderLista::selectedEntry() const
{
    const QModelIndexList rows = List1->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return -1;
    const int row = rows.first().row();
    return m_filtered ? m_rows.value(row, -1) : row;
}

int frmOrderLista::shownRowOf(int entry) const
{
    if (!m_filtered)
        return entry;
    const auto it = std::lower_bound(m_rows.cbegin(), m_rows.cend(), entry);
    return it != m_rows.cend() && *it == entry ? int(it - m_rows.cbegin()) : -1;
}

void frmOrderLista::Form_Load()
{
    QStringList lines;
    QString error;
    if (!data::readOrderList(&lines, &error))
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
    m_all = lines;
    clearSearch();
}

bool frmOrderLista::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtSok && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            clearSearch();
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            startFullSearch();
            return true;
        }
    }
    // Focus puts the cursor on the first entry without selecting it; like a list box, the first
    // arrow key then selects that entry instead of skipping past it.
    if (watched == List1 && event->type() == QEvent::KeyPress && selectedEntry() < 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const QModelIndex current = List1->currentIndex();
        if ((key == Qt::Key_Down || key == Qt::Key_Up) && current.isValid()) {
            List1->selectionModel()->select(current, QItemSelectionModel::ClearAndSelect);
            return true;
        }
    }
    return ui::Form::eventFilter(watched, event);
}

void frmOrderLista::onSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    if (m_quiet)
        return;
    if (selected.isEmpty()) {
        // A list box always keeps its one selected entry; Ctrl+click does not take it away.
        const QModelIndexList previous = deselected.indexes();
        if (!previous.isEmpty() && previous.first().isValid()) {
            m_quiet = true;
            List1->selectionModel()->select(previous.first(), QItemSelectionModel::Select);
            m_quiet = false;
        }
        return;
    }
    List1_Click();
}

void frmOrderLista::List1_Click()
{
    const int row = selectedEntry();
    if (row < 0)
        return;
    const QString number = m_all.at(row);
    m_shownNumber.clear();
    m_pendingStatus.clear();

    if (!data::namesOrderFiles(number)) {
        clearOrder();
        ui::MsgBox(number.isEmpty()
                       ? QStringLiteral("Den markerade raden i orderlistan är tom och namnger ingen order.")
                       : QStringLiteral("Raden \"%1\" i orderlistan är inget ordernummer; ingen order kan visas.")
                             .arg(data::quotedForMessage(number)),
                   ui::vbOKOnly + ui::vbInformation);
        return;
    }

    QStringList values;
    QString error;
    if (!data::readOrderData(number, &values, &error)) {
        // The entry stays, so that an order whose files are gone can still be voided.
        clearOrder();
        ui::MsgBox(QStringLiteral("Ordern %1 kan inte visas.\r\n\r\n%2").arg(data::quotedForMessage(number), error),
                   ui::vbOKOnly + ui::vbInformation);
        return;
    }
    dbKund[0]->setText(ui::shownValue(values.at(0)));
    dbKund[1]->setText(ui::shownValue(values.at(1)));
    dbKund[2]->setText(ui::shownValue(values.at(2) + QLatin1Char('-') + values.at(3)));
    dbOrder[1]->setText(ui::shownValue(values.at(4)));
    dbOrder[2]->setText(ui::shownValue(values.at(5)));
    dbOrder[3]->setText(ui::shownValue(values.at(6)));
    dbOrder[4]->setText(ui::shownValue(values.at(7)));
    dbOrder[0]->setText(ui::shownValue(values.at(8)));
    dbOrder[5]->setText(ui::shownValue(values.at(9)));
    placeSupplier();

    const qintptr style = ListView1->sendMessage(ui::kLvmGetExtendedListViewStyle, 0, 0);
    ListView1->sendMessage(ui::kLvmSetExtendedListViewStyle, 0, style | ui::kLvsExFullRowSelect);

    ListView1->clearRows();
    QVector<data::OrderLine> lines;
    const bool basketRead = data::readOrderBasket(number, &lines, &error);
    QVector<QStringList> rows;
    rows.reserve(lines.size());
    for (const data::OrderLine& line : lines)
        rows.append(line.fields());
    ListView1->addRows(rows);
    m_shownNumber = number;
    ui::setStatusText(StatusBar1, data::totalText(data::orderTotal(lines)));
    if (!basketRead)
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
}

void frmOrderLista::Command1_Click()
{
    setOuterHeight(kExpandedHeight);
    Command2->setVisible(true);
    Command1->setVisible(false);
}

void frmOrderLista::Command2_Click()
{
    setOuterHeight(kCollapsedHeight);
    Command1->setVisible(true);
    Command2->setVisible(false);
}

void frmOrderLista::Command4_Click()
{
    const int row = selectedEntry();
    if (row < 0)
        return;
    QString number;
    // Equal entries are told apart by position: this is the n-th entry with this text.
    int occurrence = 0;
    number = m_all.at(row);
    for (int i = 0; i < row; ++i) {
        if (m_all.at(i) == number)
            ++occurrence;
    }

    if (ui::MsgBox(kVoidQuestion, ui::vbYesNo + ui::vbQuestion, kVoidTitle) != ui::vbYes)
        return;

    data::VoidOutcome outcome;
    QString error;
    const bool voided = data::voidOrder(number, occurrence, &outcome, &error);
    const QString shownNumber = data::quotedForMessage(number);
    if (!voided && !outcome.removedFromList) {
        ui::MsgBox(QStringLiteral("Ordern %1 makulerades inte.\r\n\r\n%2").arg(shownNumber, error),
                   ui::vbOKOnly + ui::vbCritical);
        return;
    }

    const int shownRow = shownRowOf(row);
    m_all.removeAt(row);
    if (m_filtered) {
        m_rows.remove(shownRow);
        for (int i = shownRow; i < m_rows.size(); ++i)
            --m_rows[i];
    }
    m_quiet = true;
    m_entries->removeRows(shownRow, 1);
    List1->selectionModel()->clear();
    m_quiet = false;
    clearOrder();
    // A search still reading files counts positions in the list as it was.
    if (m_search->isRunning())
        startFullSearch();
    if (!voided)
        ui::MsgBox(QStringLiteral("Ordern %1 är borttagen ur orderlistan, men alla dess filer kunde inte tas bort."
                                  "\r\n\r\n%2")
                       .arg(shownNumber, error),
                   ui::vbOKOnly + ui::vbCritical);
    else if (!outcome.removedFromList)
        ui::MsgBox(QStringLiteral("Ordern %1 är makulerad. Orderlistan på disken nämnde den inte längre "
                                  "och har lämnats som den var.")
                       .arg(shownNumber),
                   ui::vbOKOnly + ui::vbInformation);
}

void frmOrderLista::Command6_Click()
{
    unload();
}

bool frmOrderLista::readSelectedOrder(QString* number, QStringList* values, QVector<data::OrderLine>* lines)
{
    const int row = selectedEntry();
    if (row < 0)
        return false;
    *number = m_all.at(row);
    QString error;
    if (!data::namesOrderFiles(*number) || !data::readOrderData(*number, values, &error)) {
        ui::MsgBox(QStringLiteral("Ordern %1 kan inte öppnas.\r\n\r\n%2")
                       .arg(data::quotedForMessage(*number),
                            error.isEmpty() ? QStringLiteral("Raden i orderlistan är inget ordernummer.") : error),
                   ui::vbOKOnly + ui::vbCritical);
        return false;
    }
    // Damaged lines are told about; the whole ones still make the order.
    if (!data::readOrderBasket(*number, lines, &error))
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
    return true;
}

void frmOrderLista::Command3_Click()
{
    QString number;
    QStringList values;
    QVector<data::OrderLine> lines;
    if (readSelectedOrder(&number, &values, &lines))
        frmZelOrderNew::instance()->openSavedOrder(values, lines);
}

void frmOrderLista::Command7_Click()
{
    QString number;
    QStringList values;
    QVector<data::OrderLine> lines;
    if (!readSelectedOrder(&number, &values, &lines))
        return;
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    printer->setDocName(QStringLiteral("Inköpsorder %1").arg(number));
    auto* preview = new QPrintPreviewDialog(printer, this);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setWindowTitle(QStringLiteral("Inköpsorder %1").arg(data::quotedForMessage(number)));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    auto* document = new QTextDocument(preview);
    document->setHtml(orderDocumentHtml(values, lines));
    connect(preview, &QPrintPreviewDialog::paintRequested, document,
            [document](QPrinter* target) { document->print(target); });
    connect(preview, &QObject::destroyed, preview, [printer] { delete printer; });
    preview->resize(900, 1000);
    preview->open();
}

void frmOrderLista::Command8_Click()
{
    if (!m_shownNumber.isEmpty())
        frmOrderStatus::open(this);
}

void frmOrderLista::receiveStatus(const QString& id, const QString& description)
{
    if (m_shownNumber.isEmpty())
        return;
    m_pendingStatus = id + QStringLiteral(", ") + description;
    dbOrder[4]->setText(ui::shownValue(m_pendingStatus));
}

void frmOrderLista::Command9_Click()
{
    if (m_shownNumber.isEmpty() || m_pendingStatus.isEmpty())
        return;
    QString error;
    QStringList values;
    if (!data::writeOrderStatus(m_shownNumber, m_pendingStatus, &error) ||
        !data::readOrderData(m_shownNumber, &values, &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    m_pendingStatus.clear();
    dbOrder[4]->setText(ui::shownValue(values.at(7)));
}

void frmOrderLista::setOuterHeight(int twips)
{
    // The window grows and shrinks at the bottom; its top edge stays where it is.
    const QPoint topLeft = pos();
    ui::setClientSize(this, kClientWidth, twips - kNonClientHeight);
    if (pos() != topLeft)
        move(topLeft);
    ui::dockStatusBar(this, StatusBar1);
}

void frmOrderLista::clearOrder()
{
    m_shownNumber.clear();
    m_pendingStatus.clear();
    ui::setStatusText(StatusBar1, QString());
    for (QLabel* label : dbKund)
        label->clear();
    for (QLabel* label : dbOrder)
        label->clear();
    placeSupplier();
    ListView1->clearRows();
}

void frmOrderLista::placeSupplier()
{
    // The supplier number and name are as wide as their text, the name just right of the number.
    const int height = ui::twipsToPixels(kValueHeight);
    dbOrder[0]->resize(dbOrder[0]->sizeHint().width(), height);
    const int gap = ui::twipsToPixels(120);
    const int left = std::max(ui::twipsToPixels(kSupplierNameLeft), dbOrder[0]->geometry().right() + gap);
    dbOrder[5]->setGeometry(left, dbOrder[5]->y(), dbOrder[5]->sizeHint().width(), height);
}

void frmOrderLista::searchTextChanged()
{
    m_search->cancel();
    prgSok->setVisible(false);
    const QString term = data::searchTerm(txtSok->text());
    if (term.isEmpty()) {
        m_searchPause->stop();
        showRows(false, {});
        return;
    }
    QVector<int> rows;
    for (int i = 0; i < m_all.size(); ++i) {
        if (data::numberMatches(m_all.at(i), term))
            rows.append(i);
    }
    showRows(true, rows);
    m_searchPause->start();
}

void frmOrderLista::startFullSearch()
{
    m_searchPause->stop();
    const QString term = data::searchTerm(txtSok->text());
    if (term.isEmpty())
        return;
    searchProgress(0, m_all.size());
    prgSok->setVisible(true);
    m_search->start(m_all, term);
}

void frmOrderLista::searchProgress(int done, int total)
{
    const QLocale swedish(QLocale::Swedish, QLocale::Sweden);
    prgSok->setRange(0, std::max(total, 1));
    prgSok->setValue(done);
    prgSok->setFormat(QStringLiteral("Söker… %1 av %2").arg(swedish.toString(done), swedish.toString(total)));
}

void frmOrderLista::searchFinished(const QVector<int>& rows)
{
    prgSok->setVisible(false);
    showRows(true, rows);
}

void frmOrderLista::clearSearch()
{
    m_searchPause->stop();
    m_search->cancel();
    prgSok->setVisible(false);
    const QSignalBlocker quiet(txtSok);
    txtSok->clear();
    showRows(false, {});
}

void frmOrderLista::showRows(bool filtered, const QVector<int>& rows)
{
    const int selected = selectedEntry();
    m_filtered = filtered;
    m_rows = filtered ? rows : QVector<int>();
    QStringList shown;
    if (filtered) {
        shown.reserve(rows.size());
        for (int row : rows)
            shown.append(m_all.at(row));
    } else {
        shown = m_all;
    }
    m_quiet = true;
    m_entries->setStringList(shown);
    const int row = selected >= 0 ? shownRowOf(selected) : -1;
    if (row >= 0) {
        const QModelIndex index = m_entries->index(row);
        List1->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        List1->scrollTo(index);
    }
    m_quiet = false;
    // An order no longer in the list is no longer shown either.
    if (selected >= 0 && row < 0)
        clearOrder();
}
