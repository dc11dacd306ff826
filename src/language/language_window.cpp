#include "language/language_window.h"

#include "data/app_folder.h"
#include "data/text_file.h"
#include "language/load_language.h"
#include "order_entry/splash_window.h"
#include "ui/accessible_names.h"
#include "ui/controls.h"
#include "ui/first_paint.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/keyboard.h"
#include "ui/message_box.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr int kClientWidth = 3735;
constexpr int kClientHeight = 1560;

// A speech bubble with "Aa": the window's own icon, drawn rather than shipped.
QIcon drawIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x1f, 0x4e, 0x8c), 2));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(2, 3, 28, 20), 4, 4);
    const QPointF tail[] = {{8, 22}, {8, 29}, {15, 22}};
    painter.drawPolygon(tail, 3);
    painter.setPen(Qt::NoPen);
    painter.drawRect(QRectF(9, 20, 5, 3));
    QFont font = ui::formFont();
    font.setBold(true);
    font.setPixelSize(13);
    painter.setFont(font);
    painter.setPen(QColor(0x1f, 0x4e, 0x8c));
    painter.drawText(QRectF(2, 3, 28, 20), Qt::AlignCenter, QStringLiteral("Aa"));
    return QIcon(pixmap);
}
} // namespace

frmSetLanguage* frmSetLanguage::instance()
{
    return ui::FormInstance<frmSetLanguage>::get();
}

frmSetLanguage* frmSetLanguage::existing()
{
    return ui::FormInstance<frmSetLanguage>::existing();
}

frmSetLanguage::frmSetLanguage()
{
    setObjectName(QStringLiteral("frmSetLanguage"));
    setWindowTitle(QStringLiteral("Språk"));
    ui::setFixedDialogFrame(this);
    // Drawing the icon's letters costs a first window more than the rest of it; the title bar
    // gets it once the window is on the screen.
    ui::afterFirstPaint(this, [this] { setWindowIcon(drawIcon()); });
    setFont(ui::formFont());
    ui::setClientSize(this, kClientWidth, kClientHeight);

    Label1 = ui::makeLabel(this, QStringLiteral("Label1"), QStringLiteral("Välj språk"), 120, 120, 3495);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    ui::place(Combo1, 120, 420, 3495, 315);
    Label1->setBuddy(Combo1);
    ui::nameAfter(Combo1, Label1);

    Command1 = ui::makeButton(this, QStringLiteral("Command1"), QStringLiteral("&OK"), 1440, 1020, 1035);
    Command2 = ui::makeButton(this, QStringLiteral("Command2"), QStringLiteral("&Avbryt"), 2580, 1020, 1035);

    setTabOrder(Combo1, Command1);
    setTabOrder(Command1, Command2);
    connect(Command1, &QPushButton::clicked, this, &frmSetLanguage::Command1_Click);
    // "Avbryt" has no action: the language is chosen here or the window is closed. Enter and a
    // double-click in the list are "OK", and Esc closes the window as its close box does.
    ui::chooseWith(Combo1, Command1);
    closeOnEscape();

    // Form_Initialize. The toolkit needs no set-up of its own before the first list view or
    // status bar is built, so there is nothing to initialise before the list is filled.
    // Every language file in System\Language is offered, in alphabetical order, Svenska chosen;
    // without any, Svenska is still offered, and choosing it says the file is missing.
    const QString svenska = QStringLiteral("Svenska");
    QStringList languages =
        data::baseNamesIn(data::dataPath(QStringLiteral("\\System\\Language")), QStringLiteral(".lng"));
    if (languages.isEmpty())
        languages << svenska;
    Combo1->addItems(languages);
    Combo1->setCurrentIndex(std::max(0, int(languages.indexOf(svenska))));

    ui::centreOnScreen(this);
}

void frmSetLanguage::Command1_Click()
{
    const QString path =
        data::dataPath(QStringLiteral("\\System\\Language\\") + Combo1->currentText() + QStringLiteral(".lng"));
    if (Module2::LoadLanguage(path) != 0)
        ui::MsgBox(QStringLiteral("Failed loading new language."), ui::vbOKOnly + ui::vbCritical);
    unload();
    frmSplash::instance()->showForm();
}
