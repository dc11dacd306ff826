#include "data/data_texts.h"
#include "data/text_codec.h"
#include "language/language_loader.h"
#include "language/language_table.h"
#include "language/language_window.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "order_register/order_list_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_picker.h"
#include "test_support.h"
#include "ui/first_paint.h"
#include "ui/form.h"
#include "ui/glyph_button.h"
#include "ui/message_box.h"
#include "ui/report_list_view.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QStyle>
#include <QTest>

using Texts = QMap<int, QString>;

namespace {
const QString kLanguageFile = QStringLiteral("System/Language/Svenska.lng");

// The texts the covered windows are built with.
Texts builtInTexts()
{
    return {{100, "Form1"},      {200, "ZEL Beställning"},
            {201, "Beställare"}, {202, "Kund nr"},
            {203, "Namn"},       {204, "Telefon"},
            {205, "Ordernr"},    {206, "Orderdatum"},
            {207, "Säljare"},    {208, "Status"},
            {209, "Leverantör"}, {210, "Artikelnr"},
            {211, "Benämning"},  {212, "á-pris"},
            {213, "Antal"},      {214, "Enhet"},
            {215, "Lägg till"},  {216, "Ändra"},
            {217, "Ta bort"},    {218, "Stäng"},
            {219, "Spara"},      {220, ""},
            {221, ""},           {222, ""},
            {223, ""},           {300, "Leverantörer"},
            {301, "Leverantör"}, {302, "Lev Nr"},
            {303, "Välj"},       {304, "Avbryt"},
            {400, "Lägg till"},  {401, "Artikelnr"},
            {402, "Benämning"},  {403, "A-pris"},
            {404, "Antal"},      {405, "Enhet"},
            {406, "OK"},         {407, "Avbryt"},
            {408, ""},           {409, ""}};
}

// The built-in texts as the windows show them: a button underlines its Alt letter.
Texts builtInTextsShown()
{
    Texts texts = builtInTexts();
    texts[215] = QStringLiteral("&Lägg till");
    texts[216] = QStringLiteral("Ä&ndra");
    texts[217] = QStringLiteral("Ta &bort");
    texts[218] = QStringLiteral("S&täng");
    texts[219] = QStringLiteral("&Spara");
    texts[303] = QStringLiteral("&Välj");
    texts[304] = QStringLiteral("&Avbryt");
    texts[406] = QStringLiteral("&OK");
    texts[407] = QStringLiteral("&Avbryt");
    return texts;
}

// Texts unlike the built-in ones, some with a carriage return, as a file writes them with "_".
Texts foreignTexts()
{
    Texts texts = builtInTexts();
    for (auto it = texts.begin(); it != texts.end(); ++it)
        it.value() = QStringLiteral("T%1 ©").arg(it.key());
    texts[202] = QStringLiteral("Customer\rno");
    texts[218] = QStringLiteral("Quit");
    texts[220] = QStringLiteral("Remove\rthe line?");
    texts[224] = QStringLiteral("Order, new");
    texts[304] = QStringLiteral("&Cancel");
    texts[408] = QStringLiteral("Add\rmore?");
    texts[501] = QStringLiteral("Copy");
    return texts;
}

// The foreign texts as the windows show them: a label breaks the line where the file has "_",
// a message label keeps the carriage return for its box. A button keeps its Alt letter where the
// words have it ("Qui&t" for "S&täng") and otherwise takes the first one free in its window; one
// the file gives stays.
Texts foreignTextsShown()
{
    Texts texts = foreignTexts();
    texts[202] = QStringLiteral("Customer\nno");
    texts[215] = QStringLiteral("T&215 ©");
    texts[216] = QStringLiteral("T2&16 ©");
    texts[217] = QStringLiteral("T21&7 ©");
    texts[218] = QStringLiteral("Qui&t");
    texts[219] = QStringLiteral("T21&9 ©");
    texts[224] = QStringLiteral("Order, &new");
    texts[303] = QStringLiteral("&T303 ©");
    texts[406] = QStringLiteral("&T406 ©");
    texts[407] = QStringLiteral("T&407 ©");
    texts[501] = QStringLiteral("&Copy");
    return texts;
}

Texts emptyTexts()
{
    Texts texts = builtInTexts();
    for (QString& text : texts)
        text.clear();
    return texts;
}

QByteArray languageFile(const QString& name, const Texts& texts)
{
    QString file = QStringLiteral("; test file\r\n000 LANGUAGE FILE %1\r\n").arg(name);
    for (auto it = texts.cbegin(); it != texts.cend(); ++it)
        file += QStringLiteral("%1 %2\r\n")
                    .arg(it.key(), 3, 10, QLatin1Char('0'))
                    .arg(QString(it.value()).replace(QLatin1Char('\r'), QLatin1Char('_')));
    return data::encodeWindows1252(file);
}

bool isMessageLabel(int number)
{
    return (number >= 220 && number <= 223) || number >= 408;
}

// What the covered controls of a window hold, by text number.
Texts splashTexts(frmSplash* form)
{
    return {{100, form->windowTitle()}};
}

Texts newOrderTexts(frmZelOrderNew* form)
{
    Texts texts{{200, form->windowTitle()},     {201, form->Frame1->title()},   {202, form->Label1[0]->text()},
                {203, form->Label1[1]->text()}, {204, form->Label1[2]->text()}, {205, form->Label2->text()},
                {206, form->Label3->text()},    {207, form->Label4->text()},    {208, form->Label5->text()},
                {209, form->Label6->text()},    {215, form->Command2->text()},  {216, form->Command3->text()},
                {217, form->Command4->text()},  {218, form->Command5->text()},  {219, form->Command6->text()},
                {220, form->msg1->text()},      {221, form->msg2->text()},      {222, form->msg3->text()},
                {223, form->msg4->text()}};
    for (int position = 1; position <= 5; ++position)
        texts.insert(209 + position, form->ListView1->columnHeaderText(position));
    return texts;
}

Texts pickerTexts(frmLeverantor* form)
{
    return {{300, form->windowTitle()},
            {301, form->ListView1->columnHeaderText(1)},
            {302, form->ListView1->columnHeaderText(2)},
            {303, form->Command1->text()},
            {304, form->Command2->text()}};
}

Texts addLineTexts(frmAdd* form)
{
    return {{400, form->windowTitle()},    {401, form->Label1->text()},   {402, form->Label2->text()},
            {403, form->Label3->text()},   {404, form->Label4->text()},   {405, form->Label5->text()},
            {406, form->Command1->text()}, {407, form->Command2->text()}, {408, form->msg1->text()},
            {409, form->msg2->text()}};
}

bool showsTexts(const Texts& shown, const Texts& expected)
{
    bool same = true;
    for (auto it = shown.cbegin(); it != shown.cend(); ++it) {
        const QString wanted = expected.value(it.key());
        if (it.value() != wanted) {
            qWarning("text %d: shown \"%s\", expected \"%s\"", it.key(), qPrintable(it.value()), qPrintable(wanted));
            same = false;
        }
    }
    return same;
}

QString boxTitle(const QString& title)
{
    return title.isEmpty() ? QStringLiteral("ZEL2007") : title;
}

void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}
} // namespace

class TestLanguageStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void shippedFile();
    void startUp_data();
    void startUp();
    void missingSupplierListSkipsOnlyThePicker();
    void languageWindowAsBuiltAndAvbrytDoesNothing();
    void closeBoxEndsWithoutReading_data();
    void closeBoxEndsWithoutReading();

private:
    enum Confirm { ClickOk, EnterInList, DoubleClickInList };
    void showLanguageWindowAndPressOk(Confirm how = ClickOk);

    std::unique_ptr<testsupport::AppFolder> m_folder;
    bool m_ended = false;
};

void TestLanguageStartup::init()
{
    m_folder = std::make_unique<testsupport::AppFolder>();
    testsupport::resetForms();
    // Every case is a fresh run: an empty table and no language in force.
    Module2::languageTable().clear();
    ui::Form::setAfterLoadHook({});
    m_ended = false;
    ui::setEndHandler([this] { m_ended = true; });
    m_folder->write(QStringLiteral("System/Leverantorer.log"),
                    "\"Ahlsell AB\",\"1001\"\r\n\"Elektro, AB\",\"1002\"\r\n");
    m_folder->write(QStringLiteral("System/Orderstatus.log"), "\"0\",\"Ny\"\r\n\"1\",\"Skapad\"\r\n");
}

void TestLanguageStartup::cleanup()
{
    QCOMPARE(ui::MessageBoxScript::unexpected(), 0);
    testsupport::resetForms();
    QVERIFY(ui::loadedForms().isEmpty());
    ui::Form::setAfterLoadHook({});
    m_folder.reset();
}

void TestLanguageStartup::showLanguageWindowAndPressOk(Confirm how)
{
    frmSetLanguage* window = frmSetLanguage::instance();
    window->showForm();
    if (how == ClickOk) {
        click(window->Command1);
    } else if (how == EnterInList) {
        QTest::keyClick(window->Combo1, Qt::Key_Return);
    } else {
        // The first click opens the list, the second lands on its entry.
        window->Combo1->showPopup();
        QAbstractItemView* entries = window->Combo1->view();
        QTest::mouseDClick(entries->viewport(), Qt::LeftButton, {},
                           entries->visualRect(entries->model()->index(0, 0)).center());
    }
}

void TestLanguageStartup::shippedFile()
{
    m_folder->copyShipped(kLanguageFile);
    const QByteArray bytes = m_folder->read(kLanguageFile);
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
    QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
    QVERIFY2(!bytes.contains("\xc3"), "Swedish letters are single Windows-1252 bytes");

    language::LanguageTable table;
    QStringList errors;
    QCOMPARE(language::loadLanguageTable(
                 m_folder->file(kLanguageFile), table, [] { return std::optional<QString>(QStringLiteral("Svenska")); },
                 &errors),
             qint16(0));
    QCOMPARE(table.writtenCount(), 296);
    QCOMPARE(table.text(501), QStringLiteral("Kopiera"));
    // The data layer's reasons read the same with the Swedish file as without any.
    for (int number = data::firstDataTextNumber(); number <= data::lastDataTextNumber(); ++number)
        QCOMPARE(table.text(number).replace(u'\r', u'\n'), data::dataText(data::DataText(number)));
    const Texts builtIn = builtInTexts();
    for (auto it = builtIn.cbegin(); it != builtIn.cend(); ++it) {
        if (isMessageLabel(it.key()) || it.key() == 100)
            QVERIFY2(!table.text(it.key()).isEmpty(), qPrintable(QString::number(it.key())));
        else
            QCOMPARE(table.text(it.key()), it.value());
    }
}

// Colours come from palettes: one style sheet would load the toolkit's style sheet engine.
static bool noStyleSheetStyle()
{
    const QWidgetList widgets = QApplication::allWidgets();
    return std::none_of(widgets.begin(), widgets.end(),
                        [](const QWidget* widget) { return widget->style()->inherits("QStyleSheetStyle"); });
}

void TestLanguageStartup::startUp_data()
{
    QTest::addColumn<QByteArray>("file"); // null: no file
    QTest::addColumn<bool>("loaded");
    QTest::addColumn<Texts>("texts");
    QTest::addColumn<int>("how"); // Confirm

    QTest::newRow("language file") << languageFile("Svenska", foreignTexts()) << true << foreignTextsShown()
                                   << int(ClickOk);
    QTest::newRow("header only empties every text")
        << languageFile("Svenska", {}) << true << emptyTexts() << int(ClickOk);
    QTest::newRow("missing file") << QByteArray() << false << builtInTextsShown() << int(ClickOk);
    QTest::newRow("file for another language")
        << languageFile("English", foreignTexts()) << false << builtInTextsShown() << int(ClickOk);
    QTest::newRow("language file, Enter in the list")
        << languageFile("Svenska", foreignTexts()) << true << foreignTextsShown() << int(EnterInList);
    QTest::newRow("missing file, double-click in the list")
        << QByteArray() << false << builtInTextsShown() << int(DoubleClickInList);
}

void TestLanguageStartup::startUp()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, loaded);
    QFETCH(Texts, texts);
    QFETCH(int, how);

    if (!file.isNull())
        m_folder->write(kLanguageFile, file);
    if (!loaded)
        ui::MessageBoxScript::answerNext(ui::vbOK);
    // What waits for the new-order window on the screen (the reading of earlier orders) waits for
    // that, not for the window being built or painted off the screen in the splash's second.
    const auto orderPainted = std::make_shared<bool>(false);
    ui::afterFirstPaint([](const QWidget* window) { return qobject_cast<const frmZelOrderNew*>(window) != nullptr; },
                        [orderPainted] { *orderPainted = true; });
    showLanguageWindowAndPressOk(Confirm(how));
    QElapsedTimer splashSecond;
    splashSecond.start();

    const auto boxes = ui::MessageBoxScript::shown();
    if (loaded) {
        QCOMPARE(boxes.size(), 0);
    } else {
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes.at(0).prompt, QStringLiteral("Failed loading new language."));
        QCOMPARE(boxes.at(0).style, int(ui::vbOKOnly + ui::vbCritical));
        QCOMPARE(boxes.at(0).title, QStringLiteral("ZEL2007"));
    }
    QVERIFY(!frmSetLanguage::existing());
    frmSplash* splash = frmSplash::existing();
    QVERIFY(splash && splash->isVisible());
    QVERIFY(showsTexts(splashTexts(splash), texts));
    QVERIFY(noStyleSheetStyle());
    QCOMPARE(splash->Image2->pixmap().size(), QSize(238, 34));

    // Applying creates no window for its texts' sake: each takes them when it is first needed.
    QVERIFY(!frmZelOrderNew::existing());
    QVERIFY(!frmLeverantor::existing());
    QVERIFY(!frmAdd::existing());
    QTRY_VERIFY(frmZelOrderNew::existing());
    QTest::qWait(20);
    QVERIFY(!*orderPainted && frmSplash::existing());

    QTRY_VERIFY_WITH_TIMEOUT(frmZelOrderNew::existing() && frmZelOrderNew::existing()->isVisible(), 3000);
    QVERIFY2(splashSecond.elapsed() >= 900, qPrintable(QString::number(splashSecond.elapsed())));
    QTRY_VERIFY(*orderPainted);
    QTRY_VERIFY(!frmSplash::existing());
    frmZelOrderNew* order = frmZelOrderNew::existing();
    QVERIFY(!order->dbOrderNr->text().isEmpty());
    QVERIFY(noStyleSheetStyle());
    // Marlett, added when the first glyph button is made, draws its triangle.
    QCOMPARE(order->Command1->font().family(), QStringLiteral("Marlett"));
    QCOMPARE(order->Command1->text(), QStringLiteral("4"));
    QVERIFY(showsTexts(newOrderTexts(order), texts));
    // The menu item keeps its Alt letter under the language's words; without words it keeps its own.
    QCOMPARE(order->mnuNy->text(), texts.value(224, QStringLiteral("&Ny order")));

    // Each opening shows the texts, also after the window was closed and created again.
    for (int round = 0; round < 2; ++round) {
        click(order->Command1);
        frmLeverantor* picker = frmLeverantor::existing();
        QVERIFY(picker && picker->isVisible());
        QCOMPARE(picker->ListView1->rowCount(), 2);
        QVERIFY(showsTexts(pickerTexts(picker), texts));
        click(picker->Command2);
        QVERIFY(!frmLeverantor::existing());

        click(order->Command2);
        frmAdd* add = frmAdd::existing();
        QVERIFY(add && add->isVisible());
        QVERIFY(showsTexts(addLineTexts(add), texts));
        QCOMPARE(add->Combo1->currentText(), QStringLiteral("ST"));
        ui::MessageBoxScript::answerNext(ui::vbNo);
        click(add->Command1);
        QCOMPARE(ui::MessageBoxScript::shown().last().prompt, texts.value(408));
        QCOMPARE(ui::MessageBoxScript::shown().last().title, boxTitle(texts.value(409)));
        QVERIFY(!frmAdd::existing());
    }
    QCOMPARE(order->ListView1->rowCount(), 2);

    ui::MessageBoxScript::answerNext(ui::vbNo);
    click(order->Command4);
    QCOMPARE(ui::MessageBoxScript::shown().last().prompt, texts.value(220));
    QCOMPARE(ui::MessageBoxScript::shown().last().title, boxTitle(texts.value(221)));

    // The status picker is not covered and keeps its own texts.
    click(order->Command8);
    frmOrderStatus* status = frmOrderStatus::existing();
    QVERIFY(status && status->isVisible());
    QCOMPARE(status->Command1->text(), QStringLiteral("&Välj"));
    QCOMPARE(status->Command2->text(), QStringLiteral("&Avbryt"));
    // The order list window keeps its own words but for "Kopiera", which came with later texts.
    order->mnuOppna->trigger();
    QCOMPARE(frmOrderLista::existing()->cmdKopiera->text(), texts.value(501, QStringLiteral("&Kopiera")));
    QCOMPARE(frmOrderLista::existing()->Command3->text(), QStringLiteral("Ä&ndra"));
    QVERIFY(!m_ended);
}

void TestLanguageStartup::missingSupplierListSkipsOnlyThePicker()
{
    QVERIFY(QFile::remove(m_folder->file(QStringLiteral("System/Leverantorer.log"))));
    m_folder->write(kLanguageFile, languageFile("Svenska", foreignTexts()));
    showLanguageWindowAndPressOk();

    QCOMPARE(ui::MessageBoxScript::shown().size(), 0);
    QVERIFY(!frmLeverantor::existing());
    QTRY_VERIFY_WITH_TIMEOUT(frmZelOrderNew::existing() && frmZelOrderNew::existing()->isVisible(), 3000);

    // The picker says why it cannot open; the add-line question still has the language's words.
    ui::MessageBoxScript::answerNext(ui::vbOK);
    click(frmZelOrderNew::existing()->Command1);
    QCOMPARE(ui::MessageBoxScript::shown().size(), 1);
    QCOMPARE(ui::MessageBoxScript::shown().at(0).style, int(ui::vbOKOnly + ui::vbCritical));
    QVERIFY(!frmLeverantor::existing());
    click(frmZelOrderNew::existing()->Command2);
    QVERIFY(showsTexts(addLineTexts(frmAdd::existing()), foreignTextsShown()));
    click(frmAdd::existing()->Command2);

    // Once the list is there, the picker opens with the language texts.
    m_folder->write(QStringLiteral("System/Leverantorer.log"), "\"Ahlsell AB\",\"1001\"\r\n");
    click(frmZelOrderNew::existing()->Command1);
    QVERIFY(frmLeverantor::existing() && frmLeverantor::existing()->isVisible());
    QVERIFY(showsTexts(pickerTexts(frmLeverantor::existing()), foreignTextsShown()));
}

void TestLanguageStartup::languageWindowAsBuiltAndAvbrytDoesNothing()
{
    m_folder->copyShipped(kLanguageFile);
    frmSetLanguage* window = frmSetLanguage::instance();
    window->showForm();
    QCOMPARE(window->windowTitle(), QStringLiteral("Språk"));
    QCOMPARE(window->Label1->text(), QStringLiteral("Välj språk"));
    QCOMPARE(window->Combo1->count(), 1);
    QCOMPARE(window->Combo1->currentText(), QStringLiteral("Svenska"));
    QVERIFY(!window->Combo1->isEditable());
    QCOMPARE(window->Command1->text(), QStringLiteral("&OK"));
    QCOMPARE(window->Command2->text(), QStringLiteral("&Avbryt"));
    QVERIFY(window->Label1->geometry().bottom() < window->Combo1->geometry().top());
    QVERIFY(window->Combo1->geometry().bottom() < window->Command1->geometry().top());
    QVERIFY(window->Command1->geometry().right() < window->Command2->geometry().left());
    // The icon comes once the window is on the screen.
    QTRY_VERIFY(!window->windowIcon().isNull());

    click(window->Command2);
    QCoreApplication::processEvents();
    QCOMPARE(frmSetLanguage::existing(), window);
    QVERIFY(window->isVisible());
    QVERIFY(!frmSplash::existing());
    QCOMPARE(Module2::LangText(0), QString());
    QCOMPARE(ui::MessageBoxScript::shown().size(), 0);
}

void TestLanguageStartup::closeBoxEndsWithoutReading_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("close box") << false;
    QTest::newRow("Esc in the list") << true;
}

void TestLanguageStartup::closeBoxEndsWithoutReading()
{
    QFETCH(bool, escape);
    m_folder->copyShipped(kLanguageFile);
    frmSetLanguage::instance()->showForm();
    if (escape)
        QTest::keyClick(frmSetLanguage::existing()->Combo1, Qt::Key_Escape);
    else
        QVERIFY(frmSetLanguage::existing()->close());
    QTRY_VERIFY(m_ended);
    QVERIFY(ui::loadedForms().isEmpty());
    QVERIFY(!frmSplash::existing());
    QCOMPARE(Module2::languageTable().writtenCount(), 0);
}

QTEST_MAIN(TestLanguageStartup)
#include "tst_language_startup.moc"
