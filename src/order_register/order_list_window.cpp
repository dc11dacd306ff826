// The order list window's controls and layout, loading the list, folding out and in, and closing.
// The rest of frmOrderLista is in order_list_search.cpp, order_list_refresh.cpp,
// order_list_details.cpp and order_list_actions.cpp.
#include "order_register/order_list_window.h"

#include "data/order_files.h"
#include "order_register/order_register_model.h"
#include "order_register/order_search_runner.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/glyph_button.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QProgressBar>
#include <QShortcut>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <iterator>

namespace {
constexpr int kClientWidth = 8775;
// Title bar and borders, counted into the outer heights the window is designed with.
constexpr int kNonClientHeight = 480;
constexpr int kValueHeight = 255;
constexpr int kSupplierRow = 1620;
constexpr int kSupplierNameLeft = 2280;
// The clerk stops typing this long before the order files are searched too.
constexpr int kSearchPauseMs = 400;
// The register's columns, the last one taking what is left of the table's width.
constexpr int kColumnWidths[] = {900, 1200, 1800, 1400, 1750};

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

    // A model of plain rows of one fixed height keeps a register of a hundred thousand orders quick.
    m_register = new OrderRegisterModel(this);
    List1 = new QTableView(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setModel(m_register);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setSelectionBehavior(QAbstractItemView::SelectRows);
    List1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    List1->setDragEnabled(false);
    List1->setShowGrid(false);
    List1->setWordWrap(false);
    // Tab goes on to the next control, as from a list box, not to the next cell.
    List1->setTabKeyNavigation(false);
    List1->verticalHeader()->hide();
    List1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    List1->verticalHeader()->setDefaultSectionSize(List1->fontMetrics().height() + 4);
    QHeaderView* header = List1->horizontalHeader();
    header->setHighlightSections(false);
    for (int column = 0; column < int(std::size(kColumnWidths)); ++column)
        header->resizeSection(column, ui::twipsToPixels(kColumnWidths[column]));
    // Summa takes the rest, so the columns always fit the fixed window.
    header->setSectionResizeMode(OrderRegisterModel::Amount, QHeaderView::Stretch);
    List1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A click on a header sorts by it, a second the other way round, a third back to the file's order.
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    List1->setSortingEnabled(true);
    List1->installEventFilter(this);
    ui::place(List1, 120, 360, 8535, 1230);

    // The search field shares the caption row above the list, right-aligned with it.
    lblSok = makeLabel(this, QStringLiteral("lblSok"), QStringLiteral("Sök"), false, 4800, 120, 420);
    lblSok->setAlignment(Qt::AlignRight | Qt::AlignTop);
    txtSok = new QLineEdit(this);
    txtSok->setObjectName(QStringLiteral("txtSok"));
    txtSok->installEventFilter(this);
    ui::place(txtSok, 5280, 45, 3375, 300);
    // Between the list's caption and the search field, whose reading and bar it shares.
    chkEjLevererade = new QCheckBox(QStringLiteral("&Endast ej levererade"), this);
    chkEjLevererade->setObjectName(QStringLiteral("chkEjLevererade"));
    ui::place(chkEjLevererade, 2280, 90, 2400, 270);
    m_searchPause = new QTimer(this);
    m_searchPause->setSingleShot(true);
    m_searchPause->setInterval(kSearchPauseMs);
    m_search = new OrderSearchRunner(this);
    setUpRefresh();

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
    // Shown only for an order that has had a delivery.
    lblLeverans = makeLabel(Frame1, QStringLiteral("lblLeverans"), QStringLiteral("Levererad"), true, 120, 1200, 900);
    dbLeverans = makeLabel(Frame1, QStringLiteral("dbLeverans"), QString(), false, 1080, 1200, 3060);

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
    Command9 = ui::makeButton(Frame1, QStringLiteral("Command9"), QStringLiteral("S&para"), 7725, 1560, 690, 315);

    Command1 = ui::makeGlyphButton(this, QStringLiteral("Command1"), QStringLiteral("6"), 120, 3840, 375, 375);
    Command2 = ui::makeGlyphButton(this, QStringLiteral("Command2"), QStringLiteral("5"), 120, 3840, 375, 375);
    Command2->setVisible(false);
    Command3 = ui::makeButton(this, QStringLiteral("Command3"), QStringLiteral("Ä&ndra"), 615, 3840, 1095);
    Command4 = ui::makeButton(this, QStringLiteral("Command4"), QStringLiteral("&Makulera"), 1770, 3840, 1095);
    Command5 = ui::makeButton(this, QStringLiteral("Command5"), QStringLiteral("&Leverera"), 2925, 3840, 1095);
    Command7 = ui::makeButton(this, QStringLiteral("Command7"), QStringLiteral("&Utskrift"), 4080, 3840, 1095);
    cmdKopiera = ui::makeButton(this, QStringLiteral("cmdKopiera"), QStringLiteral("&Kopiera"), 5235, 3840, 1095);
    Command6 = ui::makeButton(this, QStringLiteral("Command6"), QStringLiteral("S&täng"), 7560, 3840, 1095);

    ListView1 = new ui::ReportListView(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ui::place(ListView1, 120, 4320, 8535, 2055);
    ListView1->addColumn(QStringLiteral("Artikelnr"), 1440);
    ListView1->addColumn(QStringLiteral("Benämning"), 3300);
    ListView1->addColumn(QStringLiteral("á-pris"), 800);
    ListView1->addColumn(QStringLiteral("Antal"), 800);
    ListView1->addColumn(QStringLiteral("Enhet"), 600);
    // What has arrived and what is still to come, for an order that has deliveries.
    ListView1->addColumn(QStringLiteral("Levererat"), 800);
    ListView1->addColumn(QStringLiteral("Rest"), 800);
    showDeliveries(false, QString());

    // Collapsed, the status bar lies over the top of the line list.
    StatusBar1 = ui::addStatusBar(this);
    StatusBar1->setAutoFillBackground(true);
    prgSok = new QProgressBar(StatusBar1);
    prgSok->setObjectName(QStringLiteral("prgSok"));
    prgSok->setTextVisible(true);
    prgSok->setVisible(false);
    StatusBar1->addPermanentWidget(prgSok, 1);

    const auto message = [this](const char* name, const QString& text) {
        return ui::makeMessage(this, QString::fromLatin1(name), text);
    };
    msgMakulera = message("msgMakulera", QStringLiteral("Vill du makulera markerad beställning?\r\n\r\n"
                                                        "Följande information kommer att raderas:\r\n\r\n"
                                                        "- Kundinformation\r\n- Orderinformation\r\n"
                                                        "- Beställningsunderlag\r\n\r\n"
                                                        "VARNING! Denna aktivitet går ej att ångra!"));
    msgMakuleraTitel = message("msgMakuleraTitel", QStringLiteral("Makulera betällning"));
    msgEjOppnas = message("msgEjOppnas", QStringLiteral("Ordern %1 kan inte öppnas.\r\n\r\n%2"));
    msgEjOrdernummer = message("msgEjOrdernummer", QStringLiteral("Raden i orderlistan är inget ordernummer."));
    msgOppenIFonster = message("msgOppenIFonster",
                               QStringLiteral("Ordern %1 är öppen i orderfönstret och kan inte makuleras nu.\r\n\r\n"
                                              "Börja en annan order med Ny order, eller avsluta programmet, och "
                                              "makulera den sedan."));
    msgEjMakulerad = message("msgEjMakulerad", QStringLiteral("Ordern %1 makulerades inte.\r\n\r\n%2"));
    msgFilerKvar = message("msgFilerKvar", QStringLiteral("Ordern %1 är borttagen ur orderlistan, men alla dess filer "
                                                          "kunde inte tas bort.\r\n\r\n%2"));
    msgEjIListan = message("msgEjIListan", QStringLiteral("Ordern %1 är makulerad. Orderlistan på disken nämnde den "
                                                          "inte längre och har lämnats som den var."));
    msgTomRad =
        message("msgTomRad", QStringLiteral("Den markerade raden i orderlistan är tom och namnger ingen order."));
    msgRadEjNummer = message("msgRadEjNummer",
                             QStringLiteral("Raden \"%1\" i orderlistan är inget ordernummer; ingen order kan visas."));
    msgEjVisas = message("msgEjVisas", QStringLiteral("Ordern %1 kan inte visas.\r\n\r\n%2"));
    msgSoker = message("msgSoker", QStringLiteral("Söker… %1 av %2"));

    nameControls();

    const QList<QWidget*> tabOrder{List1,    txtSok,   chkEjLevererade, Command1, Command2,  Command3, Command4,
                                   Command5, Command7, cmdKopiera,      Command6, ListView1, Command8, Command9};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));

    connect(List1->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmOrderLista::onSelectionChanged);
    // Enter or a double-click on an order opens it for changing, as "Ändra" does.
    connect(List1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid() && m_register->entryAt(index.row()) == selectedEntry())
            Command3_Click();
    });
    // The chosen order stays in sight when the rows are sorted.
    connect(header, &QHeaderView::sortIndicatorChanged, this, [this] {
        const int row = m_register->rowOf(selectedEntry());
        if (row >= 0)
            List1->scrollTo(m_register->index(row, 0));
    });
    connect(Command1, &QPushButton::clicked, this, &frmOrderLista::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOrderLista::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmOrderLista::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmOrderLista::Command4_Click);
    connect(Command6, &QPushButton::clicked, this, &frmOrderLista::Command6_Click);
    connect(Command5, &QPushButton::clicked, this, &frmOrderLista::Command5_Click);
    connect(Command7, &QPushButton::clicked, this, &frmOrderLista::Command7_Click);
    connect(cmdKopiera, &QPushButton::clicked, this, &frmOrderLista::cmdKopiera_Click);
    // Esc in the search field clears the search; elsewhere it is "Stäng". Ctrl+P is "Utskrift".
    closeOnEscape(Command6);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_P), this), &QShortcut::activated, Command7,
            &QAbstractButton::click);
    connect(Command8, &QPushButton::clicked, this, &frmOrderLista::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &frmOrderLista::Command9_Click);
    connect(txtSok, &QLineEdit::textChanged, this, &frmOrderLista::searchTextChanged);
    connect(m_searchPause, &QTimer::timeout, this, &frmOrderLista::startFullSearch);
    connect(m_search, &OrderSearchRunner::progress, this, &frmOrderLista::searchProgress);
    connect(m_search, &OrderSearchRunner::finished, this, &frmOrderLista::searchFinished);
    connect(chkEjLevererade, &QCheckBox::toggled, this, &frmOrderLista::onlyUndeliveredToggled);
    connect(m_register, &QAbstractItemModel::layoutChanged, this, &frmOrderLista::rowsRearranged);

    ui::centreOnScreen(this);
}

void frmOrderLista::nameControls()
{
    ui::speak(List1, QStringLiteral("Orderlista"), ui::spokenCaption(Label1->text()));
    ui::speak(ListView1, QStringLiteral("Orderrader"));
    ui::describeAfter(dbLeverans, lblLeverans);
    ui::nameAfter(txtSok, lblSok);
    ui::speak(prgSok, QStringLiteral("Sökning"));
    ui::nameAfterCaption(chkEjLevererade);
    ui::speak(Command8, QStringLiteral("Välj status"));
    ui::speak(Command9, QString(), QStringLiteral("Sparar orderns status"));
    ui::speak(Command1, QStringLiteral("Visa orderrader"));
    ui::speak(Command2, QStringLiteral("Dölj orderrader"));
    ui::speak(cmdKopiera, QString(), QStringLiteral("Ny order med samma kund, leverantör och rader"));
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

void frmOrderLista::Form_Load()
{
    QStringList lines;
    QString error;
    if (!data::readOrderList(&lines, &error))
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
    m_register->setEntries(lines);
    clearSearch();
    readChangedOrders();
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

void frmOrderLista::setOuterHeight(int twips)
{
    // The window grows and shrinks at the bottom; its top edge stays where it is.
    const QPoint topLeft = pos();
    ui::setClientSize(this, kClientWidth, twips - kNonClientHeight);
    if (pos() != topLeft)
        move(topLeft);
    ui::dockStatusBar(this, StatusBar1);
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

void frmOrderLista::Command6_Click()
{
    unload();
}
