#include "data/text_codec.h"
#include "language/language_table.h"
#include "language/language_window.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_register/order_list_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_list_window.h"
#include "pickers/supplier_picker.h"
#include "test_support.h"
#include "ui/glyph_button.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace {
using testsupport::Window;

QWidget* open(Window window)
{
    return testsupport::openWindow(window);
}

// The controls a user can tab to, hidden ones included, without the parts inside a combo box or list.
QList<QWidget*> controls(QWidget* window)
{
    QList<QWidget*> found;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        if (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget) &&
            !qobject_cast<QAbstractItemView*>(widget) && !qobject_cast<QAbstractButton*>(widget))
            continue;
        bool part = false;
        for (QWidget* outer = widget->parentWidget(); outer != window; outer = outer->parentWidget())
            part = part || qobject_cast<QComboBox*>(outer) || qobject_cast<QAbstractItemView*>(outer);
        if (!part)
            found << widget;
    }
    return found;
}

QAccessibleInterface* spoken(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

QByteArray languageFile(const QMap<int, QString>& texts)
{
    QString file = QStringLiteral("000 LANGUAGE FILE Svenska\r\n");
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        file += QStringLiteral("%1 %2\r\n").arg(it.key()).arg(it.value());
    return data::encodeWindows1252(file);
}

// Whether one line of text centred on a strip `height` pixels tall, as rows and labels centre it,
// keeps the marks over "Å", "Ä", "Ö" and "É" and the tails under "g" and "p" inside the strip.
bool lettersWhole(const QFont& font, int height)
{
    const QFontMetrics metrics(font);
    const QRect ink = metrics.boundingRect(QStringLiteral("ÅÄÖÉÖresunds gp"));
    const int baseline = (height - metrics.height()) / 2 + metrics.ascent();
    return height >= ink.height() && baseline + ink.top() >= 0 && baseline + ink.bottom() < height;
}

// Alt letters shared within one scope (a window's buttons and menu titles, or one menu's items),
// and captions without one. A glyph, or a caption the language left empty, has no letter.
QStringList altLetterFaults(QWidget* window)
{
    QList<QList<QString>> scopes{{}};
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (!qobject_cast<ui::GlyphButton*>(button) && !button->text().isEmpty())
            scopes[0] << button->text();
    }
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* title : bar->actions())
            scopes[0] << title->text();
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        scopes << QList<QString>();
        for (QAction* item : menu->actions())
            scopes.last() << item->text();
    }
    QStringList faults;
    for (const QList<QString>& captions : scopes) {
        QSet<QKeySequence> taken;
        for (const QString& caption : captions) {
            const QKeySequence keys = QKeySequence::mnemonic(caption);
            if (keys.isEmpty() || taken.contains(keys))
                faults << caption;
            taken.insert(keys);
        }
    }
    return faults;
}

void nameRow(const char* tag, Window window, const char* control, const char* name, const char* description = "")
{
    QTest::newRow(tag) << window << QString::fromUtf8(control) << QString::fromUtf8(name)
                       << QString::fromUtf8(description);
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void everyControlIsNamedOnce_data();
    void everyControlIsNamedOnce();
    void names_data();
    void names();
    void swedishLettersWhole_data();
    void swedishLettersWhole();
    void namesFollowTheLanguage_data();
    void namesFollowTheLanguage();

private:
    std::unique_ptr<testsupport::AppFolder> m_folder;
};

void TestAccessibility::init()
{
    m_folder = std::make_unique<testsupport::AppFolder>();
    m_folder->write(QStringLiteral("System/Leverantorer.log"),
                    "\"Ahlsell AB\",\"1001\"\r\n\"\xc5kessons Tr\xe4 & Bygg\",1008\r\n\xd6resunds Pl\xe5t AB,1009\r\n");
    m_folder->write(QStringLiteral("System/Orderstatus.log"), "\"0\",\"Ny\"\r\n");
    testsupport::resetForms();
    Module2::languageTable().clear();
    ui::Form::setAfterLoadHook({});
}

void TestAccessibility::cleanup()
{
    testsupport::resetForms();
    ui::Form::setAfterLoadHook({});
    m_folder.reset();
}

void TestAccessibility::everyControlIsNamedOnce_data()
{
    QTest::addColumn<Window>("window");
    QTest::newRow("language") << Window::Language;
    QTest::newRow("new order") << Window::NewOrder;
    QTest::newRow("add line") << Window::AddLine;
    QTest::newRow("suppliers") << Window::Suppliers;
    QTest::newRow("statuses") << Window::Statuses;
    QTest::newRow("order list") << Window::OrderList;
    QTest::newRow("supplier list kept") << Window::SupplierList;
}

void TestAccessibility::everyControlIsNamedOnce()
{
    QFETCH(Window, window);
    const QList<QWidget*> found = controls(open(window));
    QVERIFY(found.size() >= 3);
    QStringList unnamed;
    QStringList alike;
    QSet<QString> heard;
    for (QWidget* control : found) {
        if (control->accessibleName().isEmpty())
            unnamed << control->objectName();
        // Two controls that sound the same, role, name and description, cannot be told apart.
        QAccessibleInterface* face = spoken(control);
        const QString sound = QStringLiteral("%1|%2|%3")
                                  .arg(int(face->role()))
                                  .arg(face->text(QAccessible::Name), face->text(QAccessible::Description));
        if (heard.contains(sound))
            alike << control->objectName();
        heard.insert(sound);
    }
    QCOMPARE(unnamed, QStringList());
    QCOMPARE(alike, QStringList());
    QCOMPARE(altLetterFaults(open(window)).join("; "), QString());
}

void TestAccessibility::names_data()
{
    QTest::addColumn<Window>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const Window order = Window::NewOrder;
    nameRow("customer number", order, "Text1", "Kund nr");
    nameRow("customer name", order, "Text2", "Namn");
    nameRow("area code", order, "Text3", "Telefon, riktnummer");
    nameRow("phone number", order, "Text4", "Telefon, nummer");
    nameRow("supplier number", order, "txtLevNr", "Leverantör");
    nameRow("supplier glyph", order, "Command1", "Välj leverantör");
    nameRow("status glyph", order, "Command8", "Välj status");
    nameRow("small Spara", order, "Command9", "Spara", "Sparar orderns status");
    nameRow("Spara", order, "Command6", "Spara", "Sparar ordern");
    nameRow("Lägg till, its Alt letter unheard", order, "Command2", "Lägg till");
    nameRow("Välj, its Alt letter unheard", Window::Statuses, "Command1", "Välj");
    nameRow("lines", order, "ListView1", "Orderrader");
    nameRow("order number value", order, "dbOrderNr", "", "Ordernr");
    nameRow("supplier name value", order, "dbLevName", "", "Leverantör, namn");
    nameRow("unit", Window::AddLine, "Combo1", "Enhet", "Enhet");
    nameRow("supplier list", Window::Suppliers, "ListView1", "Leverantörer");
    nameRow("language list", Window::Language, "Combo1", "Välj språk");
    const Window list = Window::OrderList;
    nameRow("order list", list, "List1", "Orderlista", "Ordernummer");
    nameRow("unfold", list, "Command1", "Visa orderrader");
    nameRow("fold", list, "Command2", "Dölj orderrader");
    nameRow("register status glyph", list, "Command8", "Välj status");
    nameRow("register phone value", list, "dbKund(2)", "", "Telefon");
}

void TestAccessibility::names()
{
    QFETCH(Window, window);
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QWidget* widget = open(window)->findChild<QWidget*>(control);
    QVERIFY(widget);
    QCOMPARE(widget->accessibleName(), name);
    QCOMPARE(widget->accessibleDescription(), description);
}

void TestAccessibility::swedishLettersWhole_data()
{
    everyControlIsNamedOnce_data();
}

void TestAccessibility::swedishLettersWhole()
{
    QFETCH(Window, window);
    m_folder->write(QStringLiteral("Order/Lista.log"), "\xc5kessons\r\n");
    QWidget* form = open(window);
    form->show();
    for (auto* list : form->findChildren<ui::ReportListView*>()) {
        if (list->rowCount() == 0)
            list->addRow(QStringLiteral("Öresunds Plåt AB"), {QStringLiteral("ÅÄÖÉ")});
    }
    QStringList cut;
    for (QAbstractItemView* view : form->findChildren<QAbstractItemView*>()) {
        if (view->model()->rowCount() == 0)
            continue;
        // A list that is folded away shows its rows as tall as they will be once it unfolds.
        int row = view->isVisible() ? view->visualRect(view->model()->index(0, 0)).height() : view->sizeHintForRow(0);
        if (auto* header = qobject_cast<QHeaderView*>(view))
            row = header->sizeHint().height();
        if (!lettersWhole(view->font(), row))
            cut << QStringLiteral("%1 row %2").arg(view->objectName()).arg(row);
    }
    for (QLabel* label : form->findChildren<QLabel*>()) {
        if (label->isVisibleTo(form) && !lettersWhole(label->font(), label->contentsRect().height()))
            cut << QStringLiteral("%1 %2").arg(label->objectName()).arg(label->contentsRect().height());
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral(", "))));
}

void TestAccessibility::namesFollowTheLanguage_data()
{
    QTest::addColumn<QByteArray>("file");
    // New order: Text1, Text3, Command6, dbOrderNr's description; supplier list; add line: Text1;
    // new order: Command2.
    QTest::addColumn<QStringList>("names");

    const QMap<int, QString> texts{{202, "Customer_no"}, {204, "Phone"},     {205, "R&&D nr:"}, {215, "Add && more"},
                                   {219, "&Save"},       {300, "Suppliers"}, {401, "Article:"}};
    QTest::newRow("captions") << languageFile(texts)
                              << QStringList{"Customer no", "Phone, riktnummer", "Save",      "R&D nr",
                                             "Suppliers",   "Article",           "Add & more"};
    // A language that leaves the captions empty does not leave the controls without a name.
    QTest::newRow("empty captions") << languageFile({})
                                    << QStringList{"Kund nr",      "Telefon, riktnummer", "Spara",    "Ordernr",
                                                   "Leverantörer", "Artikelnr",           "Lägg till"};
}

void TestAccessibility::namesFollowTheLanguage()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, names);
    m_folder->write(QStringLiteral("System/Language/Svenska.lng"), file);
    frmSetLanguage::instance()->showForm();
    QTest::mouseClick(frmSetLanguage::existing()->Command1, Qt::LeftButton);
    QCOMPARE(ui::MessageBoxScript::shown().size(), 0);

    // Each window is created once the language is in force, and is named after its words then.
    frmZelOrderNew* order = frmZelOrderNew::instance();
    QCOMPARE(
        (QStringList{order->Text1->accessibleName(), order->Text3->accessibleName(), order->Command6->accessibleName(),
                     order->dbOrderNr->accessibleDescription(), frmLeverantor::instance()->ListView1->accessibleName(),
                     frmAdd::instance()->Text1->accessibleName(), order->Command2->accessibleName()}),
        names);
    // The language's words keep the buttons answering to Alt letters of their own.
    if (!order->Command2->text().isEmpty())
        QCOMPARE(order->Command2->text(), QStringLiteral("A&dd && more"));
    QCOMPARE(altLetterFaults(order).join("; "), QString());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
