// The new-order window's menu, controls and layout, what a screen reader calls them, and closing.
// The rest of frmZelOrderNew is in new_order_lines.cpp, new_order_lifecycle.cpp and
// new_order_export.cpp.
#include "order_entry/new_order_window.h"

#include "data/app_folder.h"
#include "data/order_files.h"
#include "data/order_number.h"
#include "order_register/order_list_window.h"
#include "order_register/order_print_preview.h"
#include "pickers/company_details_window.h"
#include "pickers/supplier_list_window.h"
#include "pickers/supplier_picker.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/field_validator.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/glyph_button.h"
#include "ui/keyboard.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QGroupBox>
#include <QMenuBar>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int kClientWidth = 8775;
constexpr int kClientHeight = 5565;

QLabel* makeValueLabel(QWidget* parent, const QString& name, int left, int top, int width)
{
    QLabel* label = ui::makeLabel(parent, name, QString(), left, top, width);
    ui::setBold(label);
    return label;
}

} // namespace

frmZelOrderNew* frmZelOrderNew::instance()
{
    return ui::FormInstance<frmZelOrderNew>::get();
}

frmZelOrderNew* frmZelOrderNew::existing()
{
    return ui::FormInstance<frmZelOrderNew>::existing();
}

frmZelOrderNew::frmZelOrderNew()
{
    setObjectName(QStringLiteral("frmZelOrderNew"));
    setWindowTitle(QStringLiteral("ZEL Beställning"));
    ui::setFixedDialogFrame(this);
    setFont(ui::formFont());

    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    mnuArkiv = menuBar->addMenu(QStringLiteral("&Arkiv"));
    mnuArkiv->setObjectName(QStringLiteral("mnuArkiv"));
    QMenu* arkiv = mnuArkiv;
    mnuNy = arkiv->addAction(QStringLiteral("&Ny order"));
    mnuNy->setObjectName(QStringLiteral("mnuNy"));
    mnuNy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuNy->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuNy);
    mnuOppna = arkiv->addAction(QStringLiteral("Ö&ppna"));
    mnuOppna->setObjectName(QStringLiteral("mnuOppna"));
    mnuOppna->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuOppna->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuOppna);
    mnuUtskrift = arkiv->addAction(QStringLiteral("&Utskrift…"));
    mnuUtskrift->setObjectName(QStringLiteral("mnuUtskrift"));
    mnuUtskrift->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuUtskrift->setShortcutContext(Qt::WindowShortcut);
    addAction(mnuUtskrift);
    mnuExport = arkiv->addAction(QStringLiteral("&Exportera…"));
    mnuExport->setObjectName(QStringLiteral("mnuExport"));
    mnuLeverantorer = arkiv->addAction(QStringLiteral("&Leverantörer…"));
    mnuLeverantorer->setObjectName(QStringLiteral("mnuLeverantorer"));
    mnuForetag = arkiv->addAction(QStringLiteral("&Företagsuppgifter…"));
    mnuForetag->setObjectName(QStringLiteral("mnuForetag"));
    mnuHjalp = menuBar->addMenu(QStringLiteral("&Hjälp"));
    mnuHjalp->setObjectName(QStringLiteral("mnuHjalp"));
    mnuOm = mnuHjalp->addAction(QStringLiteral("&Om ZEL2007"));
    mnuOm->setObjectName(QStringLiteral("mnuOm"));

    // The client area is a fixed canvas under the menu bar, laid out in twips.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    ui::setClientSize(client, kClientWidth, kClientHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(client);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Frame1 = new QGroupBox(QStringLiteral("Beställare"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::place(Frame1, 120, 60, 4455, 1575);
    const QStringList customerCaptions{QStringLiteral("Kund nr"), QStringLiteral("Namn"), QStringLiteral("Telefon")};
    for (int i = 0; i < 3; ++i)
        Label1[i] =
            ui::makeLabel(Frame1, QStringLiteral("Label1(%1)").arg(i), customerCaptions.at(i), 120, 330 + 390 * i, 900);
    Text1 = ui::makeTextBox(Frame1, QStringLiteral("Text1"), 1080, 300, 1455);
    Text2 = ui::makeTextBox(Frame1, QStringLiteral("Text2"), 1080, 690, 3255);
    Text3 = ui::makeTextBox(Frame1, QStringLiteral("Text3"), 1080, 1080, 615, 285, 4);
    Text4 = ui::makeTextBox(Frame1, QStringLiteral("Text4"), 1755, 1080, 1575, 285, 11);
    setUpCustomerMemory();

    Label2 = ui::makeLabel(client, QStringLiteral("Label2"), QStringLiteral("Ordernr"), 4800, 180, 1000);
    Label3 = ui::makeLabel(client, QStringLiteral("Label3"), QStringLiteral("Orderdatum"), 4800, 480, 1000);
    Label4 = ui::makeLabel(client, QStringLiteral("Label4"), QStringLiteral("Säljare"), 4800, 780, 1000);
    Label5 = ui::makeLabel(client, QStringLiteral("Label5"), QStringLiteral("Status"), 4800, 1080, 1000);
    dbOrderNr = makeValueLabel(client, QStringLiteral("dbOrderNr"), 5820, 180, 2835);
    dbOrderDag = makeValueLabel(client, QStringLiteral("dbOrderDag"), 5820, 480, 2835);
    dbSaljare = makeValueLabel(client, QStringLiteral("dbSaljare"), 5820, 780, 2835);
    dbStatus = makeValueLabel(client, QStringLiteral("dbStatus"), 5820, 1080, 1770);
    dbStatusText = ui::makeLabel(client, QStringLiteral("dbStatusText"), QString(), 5820, 1380, 1770);
    dbStatusText->setVisible(false);
    Command8 = ui::makeGlyphButton(client, QStringLiteral("Command8"), QStringLiteral("4"), 7620, 1050, 300, 285);
    Command9 = ui::makeButton(client, QStringLiteral("Command9"), QStringLiteral("S&para"), 7965, 1050, 690, 285);

    Frame2 = new QGroupBox(client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    ui::place(Frame2, 120, 1680, 8535, 615);
    Label6 = ui::makeLabel(Frame2, QStringLiteral("Label6"), QStringLiteral("Leverantör"), 120, 225, 900);
    txtLevNr = ui::makeTextBox(Frame2, QStringLiteral("txtLevNr"), 1080, 195, 1215);
    ui::setColour(txtLevNr, QPalette::Base, txtLevNr->palette().color(QPalette::Window));
    Command1 = ui::makeGlyphButton(Frame2, QStringLiteral("Command1"), QStringLiteral("4"), 2340, 195, 300, 285);
    dbLevName = makeValueLabel(Frame2, QStringLiteral("dbLevName"), 2760, 225, 5655);
    ui::setColour(dbLevName, QPalette::WindowText, QColor(0x00, 0x80, 0x00));
    lblLevOkand = makeValueLabel(Frame2, QStringLiteral("lblLevOkand"), 2760, 225, 5655);
    lblLevOkand->setText(QStringLiteral("okänd leverantör"));
    ui::setColour(lblLevOkand, QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    lblLevOkand->setVisible(false);
    connect(txtLevNr, &QLineEdit::textEdited, this, &frmZelOrderNew::txtLevNr_Change);
    // The list is read again once each time the clerk comes to the box, never on a keystroke.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == txtLevNr)
            m_supplierNames.forget();
    });

    // The message labels lie under the line list and are never seen; their captions are the
    // prompts and titles of the "Ta bort" question and the save notice.
    msg1 = ui::makeLabel(client, QStringLiteral("msg1"), QString(), 240, 2520, 1000);
    msg2 = ui::makeLabel(client, QStringLiteral("msg2"), QString(), 240, 2820, 1000);
    msg3 = ui::makeLabel(client, QStringLiteral("msg3"), QString(), 240, 3120, 1000);
    msg4 = ui::makeLabel(client, QStringLiteral("msg4"), QString(), 240, 3420, 1000);
    // These four have words of their own for a run without a language file.
    msg5 = ui::makeLabel(client, QStringLiteral("msg5"),
                         QStringLiteral("Ordern har ändringar som inte är sparade.\rVill du lämna den ändå ?"), 240,
                         3720, 1000);
    msg6 = ui::makeLabel(client, QStringLiteral("msg6"), QStringLiteral("Lämna ordern"), 240, 4020, 1000);
    msg7 = ui::makeLabel(client, QStringLiteral("msg7"), QStringLiteral("Orderns status är sparad."), 1300, 2520, 1000);
    msg8 = ui::makeLabel(client, QStringLiteral("msg8"), QStringLiteral("Spara status"), 1300, 2820, 1000);
    for (QLabel* label : {msg1, msg2, msg3, msg4, msg5, msg6, msg7, msg8})
        label->setVisible(false);
    const auto message = [client](const char* name, const QString& text) {
        return ui::makeMessage(client, QString::fromLatin1(name), text);
    };
    msgAvsluta = message("msgAvsluta", QStringLiteral("Vill du avsluta ?"));
    msgAvslutaTitel = message("msgAvslutaTitel", QStringLiteral("Avsluta"));
    msgEjSparad =
        message("msgEjSparad", QStringLiteral("Ordern är inte sparad. Spara den först, så kan den skrivas ut."));
    msgUtskriftTitel = message("msgUtskriftTitel", QStringLiteral("Utskrift"));
    msgOkandLev = message("msgOkandLev", QStringLiteral("Leverantörsnummer \"%1\" finns inte i leverantörslistan.\r\n"
                                                        "Vill du spara ordern ändå ?"));
    msgOkandLevTitel = message("msgOkandLevTitel", QStringLiteral("Okänd leverantör"));
    msgOm = message("msgOm", QStringLiteral("ZEL2007 Beställningar\r\nVersion %1\r\nProgrammapp: %2"));
    msgOmTitel = message("msgOmTitel", QStringLiteral("Om ZEL2007"));
    msgEjListad =
        message("msgEjListad", QStringLiteral("%1\r\n\r\nOrdern %2 är sparad men står inte i orderlistan, "
                                              "så den syns inte i registret. Spara igen när felet är åtgärdat."));
    msgEjKopierad = message("msgEjKopierad", QStringLiteral("%1\r\n\r\nIngen av de %2 raderna kopierades."));
    msgUtskriftNot =
        message("msgUtskriftNot",
                QStringLiteral("Utskriften visar ordern som den sparades senast, utan ändringarna sedan dess."));
    msgOppenAnnan = message(
        "msgOppenAnnan", QStringLiteral("Ordern %1 är öppen i ett annat program också; det som sparas sist gäller."));
    msgAnnatNummer = message("msgAnnatNummer",
                             QStringLiteral("Orderfilen angav ordernummer \"%1\"; ordern visas och sparas som %2."));
    msgKopia = message("msgKopia", QStringLiteral("Kopia av order %1. Den sparas som en ny order med Spara."));
    msgExportTitel = message("msgExportTitel", QStringLiteral("Exportera order"));
    msgExportFilter = message("msgExportFilter", QStringLiteral("Semikolonavgränsad text (*.csv)"));
    msgExporterar = message("msgExporterar", QStringLiteral("Exporterar order…"));
    msgExportAvbryt = message("msgExportAvbryt", QStringLiteral("Avbryt"));
    msgExportAvbrots = message("msgExportAvbrots", QStringLiteral("Exporten avbröts. Ingen fil skrevs."));
    msgExporterad = message("msgExporterad", QStringLiteral("%1 order med %2 exporterades till %3."));
    msgEnRad = message("msgEnRad", QStringLiteral("1 rad"));
    msgRader = message("msgRader", QStringLiteral("%1 rader"));
    msgExportSkippade = message("msgExportSkippade", QStringLiteral("%1 order kunde inte läsas och är inte med: %2"));

    ListView1 = new ui::ReportListView(client);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ui::place(ListView1, 120, 2400, 8535, 2295);
    ListView1->addColumn(QStringLiteral("Artikelnr"), 1440);
    ListView1->addColumn(QStringLiteral("Benämning"), 3300);
    ListView1->addColumn(QStringLiteral("á-pris"), 800);
    ListView1->addColumn(QStringLiteral("Antal"), 800);
    ListView1->addColumn(QStringLiteral("Enhet"), 600);

    Command2 = ui::makeButton(client, QStringLiteral("Command2"), QStringLiteral("&Lägg till"), 120, 4770, 1095);
    Command3 = ui::makeButton(client, QStringLiteral("Command3"), QStringLiteral("Ä&ndra"), 1275, 4770, 1095);
    Command4 = ui::makeButton(client, QStringLiteral("Command4"), QStringLiteral("Ta &bort"), 2430, 4770, 1095);
    Command6 = ui::makeButton(client, QStringLiteral("Command6"), QStringLiteral("&Spara"), 6405, 4770, 1095);
    Command5 = ui::makeButton(client, QStringLiteral("Command5"), QStringLiteral("S&täng"), 7560, 4770, 1095);
    Command5->setEnabled(false);

    StatusBar1 = ui::addStatusBar(client);

    // The glyphs and the list have no caption to read; two buttons both showing "Spara" are told apart.
    ui::speak(Command8, QStringLiteral("Välj status"));
    ui::speak(Command1, QStringLiteral("Välj leverantör"));
    ui::speak(Command9, QString(), QStringLiteral("Sparar orderns status"));
    ui::speak(Command6, QString(), QStringLiteral("Sparar ordern"));
    ui::speak(ListView1, QStringLiteral("Orderrader"));
    nameControls();

    const QList<QWidget*> tabOrder{Text1,    Text2,    Text3,    Text4,    ListView1, Command2, Command3,
                                   Command4, Command5, Command1, txtLevNr, Command6,  Command9, Command8};
    for (int i = 0; i + 1 < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i), tabOrder.at(i + 1));

    connect(Command1, &QPushButton::clicked, this, &frmZelOrderNew::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmZelOrderNew::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &frmZelOrderNew::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &frmZelOrderNew::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &frmZelOrderNew::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &frmZelOrderNew::Command6_Click);
    connect(Command8, &QPushButton::clicked, this, &frmZelOrderNew::Command8_Click);
    connect(Command9, &QPushButton::clicked, this, &frmZelOrderNew::Command9_Click);
    for (QLineEdit* box : {Text1, Text2, Text3, Text4, txtLevNr}) {
        if (const auto* validator = qobject_cast<const ui::FieldValidator*>(box->validator()))
            connect(validator, &ui::FieldValidator::charactersDropped, this,
                    [this] { showNote(ui::droppedCharactersNote(QStringLiteral("\r\n"))); });
    }
    // A window that goes lets go of its number, so that an order never saved leaves nothing behind.
    connect(this, &ui::Form::unloaded, this, [this] { m_reservation.release(); });
    connect(mnuNy, &QAction::triggered, this, &frmZelOrderNew::mnuNy_Click);
    connect(mnuOppna, &QAction::triggered, this, &frmZelOrderNew::mnuOppna_Click);
    connect(mnuUtskrift, &QAction::triggered, this, &frmZelOrderNew::mnuUtskrift_Click);
    connect(mnuOm, &QAction::triggered, this, &frmZelOrderNew::mnuOm_Click);
    // Ctrl+S is "Spara" wherever the focus is; Delete on a line is "Ta bort".
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, Command6,
            &QAbstractButton::click);
    ui::onKey(ListView1, Qt::Key_Delete, [this] {
        if (ListView1->selectedRow() >= 0)
            Command4->click();
    });
    connect(mnuExport, &QAction::triggered, this, &frmZelOrderNew::mnuExport_Click);
    connect(mnuLeverantorer, &QAction::triggered, this, [] { frmLeverantorLista::open(); });
    connect(mnuForetag, &QAction::triggered, this, [] { frmForetag::open(); });
    connect(ListView1, &QAbstractItemView::doubleClicked, this, &frmZelOrderNew::Command3_Click);
    // The total follows the line list, whoever changes it.
    QAbstractItemModel* lines = ListView1->model();
    connect(lines, &QAbstractItemModel::rowsInserted, this, &frmZelOrderNew::updateTotal);
    connect(lines, &QAbstractItemModel::rowsRemoved, this, &frmZelOrderNew::updateTotal);
    connect(lines, &QAbstractItemModel::dataChanged, this, &frmZelOrderNew::updateTotal);
    connect(lines, &QAbstractItemModel::modelReset, this, &frmZelOrderNew::updateTotal);

    adjustSize();
    ui::centreOnScreen(this);
}

void frmZelOrderNew::Form_Load()
{
    QString error;
    dbOrderNr->setText(m_reservation.reserveFree(QDateTime::currentDateTime(), &error));
    if (!error.isEmpty())
        showNote(error);
    dbOrderDag->setText(data::formatOrderDate(QDate::currentDate()));
    dbSaljare->setText(kDefaultSeller);
    dbStatus->setText(QStringLiteral("0"));
    m_customerFill.forget();
    takeBaseline();
    updateTotal();
}

void frmZelOrderNew::nameControls()
{
    ui::nameAfter(Text1, Label1[0]);
    ui::nameAfter(Text2, Label1[1]);
    ui::nameAfter(Text3, Label1[2], QStringLiteral("riktnummer"));
    ui::nameAfter(Text4, Label1[2], QStringLiteral("nummer"));
    ui::nameAfter(txtLevNr, Label6);
    ui::describeAfter(dbOrderNr, Label2);
    ui::describeAfter(dbOrderDag, Label3);
    ui::describeAfter(dbSaljare, Label4);
    ui::describeAfter(dbStatus, Label5);
    ui::describeAfter(dbLevName, Label6, QStringLiteral("namn"));
}

void frmZelOrderNew::closeEvent(QCloseEvent* event)
{
    // The close box and Alt+F4 end the run like "Stäng" answered Ja, but typed work is not thrown
    // away unasked: they ask what "Ny order" asks.
    if (!mayLeaveOrder()) {
        event->ignore();
        return;
    }
    event->accept();
    ui::endProgram();
}

void frmZelOrderNew::Command1_Click()
{
    frmLeverantor::open();
}

void frmZelOrderNew::mnuOppna_Click()
{
    frmOrderLista::instance()->showForm();
}

void frmZelOrderNew::mnuUtskrift_Click()
{
    // What is printed is the order as saved, read back as the register prints it.
    const QString number = dbOrderNr->text();
    if (!m_saved) {
        ui::MsgBox(msgEjSparad->text(), ui::vbOKOnly + ui::vbInformation, msgUtskriftTitel->text());
        return;
    }
    QStringList values;
    QVector<data::OrderLine> lines;
    QString error;
    if (!data::readOrderData(number, &values, &error)) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return;
    }
    // Damaged lines are told about; the whole ones are printed.
    if (!data::readOrderBasket(number, &lines, &error))
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
    if (hasUnsavedChanges())
        showNote(msgUtskriftNot->text());
    previewOrder(this, number, values, lines);
}

void frmZelOrderNew::Command5_Click()
{
    if (ui::MsgBox(msgAvsluta->text(), ui::vbYesNo + ui::vbQuestion, msgAvslutaTitel->text()) == ui::vbYes)
        ui::endProgram();
}

void frmZelOrderNew::mnuOm_Click()
{
    ui::MsgBox(
        msgOm->text().arg(QApplication::applicationVersion(), QDir::toNativeSeparators(data::applicationFolder())),
        ui::vbOKOnly + ui::vbInformation, msgOmTitel->text());
}
