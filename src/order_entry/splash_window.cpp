#include "order_entry/splash_window.h"

#include "order_entry/new_order_window.h"
#include "ui/fonts.h"
#include "ui/form_instance.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

#include <QFrame>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace {
constexpr int kWidth = 4575;
constexpr int kHeight = 2775;

// Our logo, drawn rather than shipped: a blue bar with the name, 238 by 34 pixels.
QPixmap drawLogo()
{
    QPixmap logo(238, 34);
    logo.fill(Qt::white);
    QPainter painter(&logo);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x1f, 0x4e, 0x8c));
    painter.drawRoundedRect(QRectF(0, 2, 60, 30), 4, 4);
    painter.setBrush(QColor(0xe8, 0xa3, 0x17));
    painter.drawRect(QRectF(64, 28, 174, 4));
    QFont font = ui::formFont();
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 2, 60, 30), Qt::AlignCenter, QStringLiteral("ZEL"));
    painter.setPen(QColor(0x1f, 0x4e, 0x8c));
    font.setPixelSize(16);
    painter.setFont(font);
    painter.drawText(QRectF(68, 0, 170, 28), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Order 2007"));
    return logo;
}
} // namespace

frmSplash* frmSplash::instance()
{
    return ui::FormInstance<frmSplash>::get();
}

frmSplash* frmSplash::existing()
{
    return ui::FormInstance<frmSplash>::existing();
}

QString frmSplash::versionText()
{
    return QStringLiteral("Version %1.%2.%3").arg(ZEL_VERSION_MAJOR).arg(ZEL_VERSION_MINOR).arg(ZEL_VERSION_PATCH);
}

frmSplash::frmSplash()
{
    // The second runs from the moment the window is created; building and drawing it is part of it.
    Timer1 = new ui::OnTimeTimer(this, [this] { Timer1_Timer(); });
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->start(1000);

    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Form1"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFont(ui::formFont());
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    ui::setClientSize(this, kWidth, kHeight);

    Shape1 = new QFrame(this);
    Shape1->setObjectName(QStringLiteral("Shape1"));
    Shape1->setFrameShape(QFrame::Box);
    Shape1->setLineWidth(1);
    Shape1->setGeometry(rect());

    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setPixmap(drawLogo());
    Image2->setGeometry(ui::twipsToPixels(kWidth) / 2 - 119, ui::twipsToPixels(360), 238, 34);

    const QColor grey(0x80, 0x80, 0x80);
    Label2 = new QLabel(QStringLiteral("ZEL Beställningar"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    QFont bold = ui::formFont();
    bold.setBold(true);
    Label2->setFont(bold);
    ui::setColour(Label2, QPalette::WindowText, grey);
    ui::place(Label2, 360, 1200, 3855, 255);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    ui::setColour(Label1, QPalette::WindowText, grey);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ui::place(Label1, 360, 1560, 3855, 600);
    Label1->setWordWrap(true); // a longer rights line wraps inside the border rather than being cut off

    ui::centreOnScreen(this);
}

void frmSplash::Form_Load()
{
    showRights(kRightsNotice);
}

void frmSplash::paintEvent(QPaintEvent* event)
{
    Form::paintEvent(event);
    // Once the splash is on the screen, its second is idle time: the new-order window is built and
    // painted once in it, hidden, so that it shows at once when the second is over.
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [] { ui::rehearsePaint(frmZelOrderNew::instance()); });
    }
}

void frmSplash::showRights(const QString& notice)
{
    Label1->setText(ui::displayText(versionText() + QStringLiteral("\r\n") + notice));
}

void frmSplash::Timer1_Timer()
{
    Timer1->stop();
    frmZelOrderNew::instance()->showForm();
    unload();
}
