#include "data/app_folder.h"
#include "language/language_table.h"
#include "language/language_window.h"
#include "language/load_language.h"
#include "order_entry/new_order_window.h"
#include "test_support.h"
#include "ui/form.h"
#include "ui/message_box.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTimer>

namespace {
// Words of Qt's English that must not be left in a Swedish dialog. "in", "order" and "all" are
// left out: they are Swedish words too.
const QStringList kEnglishWords = {
    "Print",   "Cancel",  "Close",       "Undo",    "Redo",   "Cut",      "Copy",     "Paste",     "Delete",
    "Select",  "Page",    "Setup",       "Zoom",    "Fit",    "Width",    "Portrait", "Landscape", "Previous",
    "Next",    "First",   "Last",        "Look",    "File",   "Name",     "Type",     "Files",     "Directory",
    "Folder",  "Back",    "Forward",     "Parent",  "Detail", "List",     "View",     "Options",   "Properties",
    "Printer", "Paper",   "Orientation", "Margins", "Size",   "Copies",   "Range",    "Pages",     "Save",
    "Open",    "Yes",     "No",          "Help",    "Apply",  "Reset",    "Discard",  "Abort",     "Retry",
    "Ignore",  "Restore", "Defaults",    "Show",    "Date",   "Modified", "Location", "Output",    "Preview",
    "Collate", "Color",   "Grayscale",   "Double",  "Sided",  "Reverse",  "Current",  "Selection", "Height",
    "Source",  "Layout",  "Local",       "Write",   "Create", "New",      "Sidebar"};

// Every text a clerk sees on a window or menu: title, labels, buttons with their tooltips, group
// and tab titles, what a closed list shows, column headers and the actions of menus and toolbars.
QStringList visibleTexts(QWidget* root)
{
    QStringList texts{root->windowTitle()};
    const auto addActions = [&texts](const QWidget* widget) {
        for (const QAction* action : widget->actions())
            if (action->isVisible())
                texts << action->text() << action->toolTip();
    };
    addActions(root);
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(root))
            continue;
        addActions(widget);
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text() << button->toolTip();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            texts << combo->currentText();
        if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int i = 0; i < tabs->count(); ++i)
                texts << tabs->tabText(i);
        if (auto* header = qobject_cast<QHeaderView*>(widget))
            for (int i = 0; i < header->count(); ++i)
                if (!header->isSectionHidden(i))
                    texts << header->model()->headerData(i, header->orientation()).toString();
    }
    texts.removeAll(QString());
    return texts;
}

// Opens a modal dialog by open(), takes its texts once it is up and closes it again.
QStringList textsOfModal(const std::function<void()>& open)
{
    QStringList texts;
    QObject timers;
    int tries = 0;
    std::function<void()> take = [&] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (++tries < 200)
                QTimer::singleShot(20, &timers, take);
            return;
        }
        // The file dialog as it looks once the clerk asks for details, with its column headers.
        if (auto* details = dialog->findChild<QAbstractButton*>("detailModeButton"))
            details->click();
        texts = visibleTexts(dialog);
        dialog->reject();
    };
    QTimer::singleShot(0, &timers, take);
    open();
    return texts;
}

QStringList shownTexts(const QString& what)
{
    if (what == "export") {
        frmZelOrderNew* window = frmZelOrderNew::instance();
        window->showForm();
        return textsOfModal([window] { window->mnuExport->trigger(); });
    }
    // Printing as the order preview does it: on a high-resolution printer.
    QPrinter printer(QPrinter::HighResolution);
    if (what == "preview") {
        QPrintPreviewDialog preview(&printer);
        preview.show();
        return visibleTexts(&preview);
    }
    if (what == "print") {
        QPrintDialog dialog(&printer);
        dialog.show();
        // Unfolded, as the clerk sees it after "Alternativ >>".
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->text().endsWith(QLatin1String(">>")))
                button->click();
        return visibleTexts(&dialog);
    }
    if (what == "page setup") {
        QPageSetupDialog dialog(&printer);
        dialog.show();
        return visibleTexts(&dialog);
    }
    if (what == "line edit menu") {
        QLineEdit edit("Skruv");
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        return visibleTexts(menu.get());
    }
    if (what == "text edit menu") {
        QPlainTextEdit edit("Skruv");
        std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        return visibleTexts(menu.get());
    }
    if (what == "buttons") {
        QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save |
                             QDialogButtonBox::Open | QDialogButtonBox::Close | QDialogButtonBox::Apply |
                             QDialogButtonBox::Reset | QDialogButtonBox::Help | QDialogButtonBox::Discard |
                             QDialogButtonBox::RestoreDefaults);
        return visibleTexts(&box);
    }
    QMessageBox box(QMessageBox::Question, "ZEL2007", "Spara?",
                    QMessageBox::Yes | QMessageBox::YesToAll | QMessageBox::No | QMessageBox::NoToAll |
                        QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore | QMessageBox::SaveAll);
    box.setDetailedText("Detaljer");
    box.show();
    return visibleTexts(&box);
}
} // namespace

class TestQtSwedish : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void qtTexts_data();
    void qtTexts();

private:
    std::unique_ptr<testsupport::AppFolder> m_folder;
};

void TestQtSwedish::init()
{
    m_folder = std::make_unique<testsupport::AppFolder>();
    testsupport::resetForms();
    Module2::languageTable().clear();
    m_folder->copyShipped("System/Language/Svenska.lng");
    m_folder->write("System/Language/English.lng", "000 LANGUAGE FILE English\r\n200 ZEL Order\r\n");
}

void TestQtSwedish::cleanup()
{
    QCOMPARE(ui::MessageBoxScript::unexpected(), 0);
    testsupport::resetForms();
    QVERIFY(ui::loadedForms().isEmpty());
    m_folder.reset();
}

void TestQtSwedish::qtTexts_data()
{
    QTest::addColumn<QStringList>("languages"); // chosen in the language window one after the other
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("shown"); // one text the clerk must see

    const QStringList svenska{"Svenska"};
    QTest::newRow("export's file dialog") << svenska << "export"
                                          << "Ändrad";
    QTest::newRow("print dialog") << svenska << "print"
                                  << "Skriv &ut";
    QTest::newRow("page setup") << svenska << "page setup"
                                << "Pappersstorlek:";
    QTest::newRow("print preview") << svenska << "preview"
                                   << "Nästa sida";
    QTest::newRow("text box menu") << svenska << "line edit menu"
                                   << "Klistra &in\tCtrl+V";
    QTest::newRow("text area menu") << svenska << "text edit menu"
                                    << "Markera allt\tCtrl+A";
    QTest::newRow("standard buttons") << svenska << "buttons"
                                      << "Återställ standardvärden";
    QTest::newRow("message box") << svenska << "message box"
                                 << "Ja till &alla";
    // Without the Swedish file Qt keeps its own words, so the Swedish above is the translator's work.
    QTest::newRow("English file, preview") << QStringList{"English"} << "preview"
                                           << "Next page";
    // Chosen twice, Swedish is installed once: a later language takes all of it away.
    QTest::newRow("Swedish twice, then English") << QStringList{"Svenska", "Svenska", "English"} << "line edit menu"
                                                 << "&Paste\tCtrl+V";
}

void TestQtSwedish::qtTexts()
{
    QFETCH(QStringList, languages);
    QFETCH(QString, what);
    QFETCH(QString, shown);

    frmSetLanguage* window = frmSetLanguage::instance();
    if (window->Combo1->findText("English") < 0)
        window->Combo1->addItem("English");
    for (const QString& language : languages) {
        window->Combo1->setCurrentText(language);
        QCOMPARE(Module2::LoadLanguage(data::dataPath("\\System\\Language\\" + language + ".lng")), qint16(0));
    }

    const QStringList texts = shownTexts(what);
    QVERIFY2(texts.contains(shown), qPrintable(texts.join(" | ")));
    if (languages.constLast() != "Svenska")
        return;
    for (const QString& text : texts) {
        for (const QString& word : QString(text).remove('&').split(QRegularExpression("[^\\w]+"))) {
            QVERIFY2(!kEnglishWords.contains(word, Qt::CaseInsensitive),
                     qPrintable(QString("English \"%1\" in \"%2\"").arg(word, text)));
        }
    }
}

QTEST_MAIN(TestQtSwedish)
#include "tst_qt_swedish.moc"
