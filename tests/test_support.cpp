#include "test_support.h"

#include "data/app_folder.h"
#include "language/language_window.h"
#include "order_entry/add_line_dialog.h"
#include "order_entry/new_order_window.h"
#include "order_entry/splash_window.h"
#include "order_register/delivery_dialog.h"
#include "order_register/order_list_window.h"
#include "order_register/order_print_preview.h"
#include "pickers/company_details_window.h"
#include "pickers/status_picker.h"
#include "pickers/supplier_list_window.h"
#include "pickers/supplier_picker.h"
#include "ui/form.h"
#include "ui/message_box.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace testsupport {

AppFolder::AppFolder(bool withOrderFolder)
{
    QDir root(m_dir.path());
    if (withOrderFolder)
        root.mkpath(QStringLiteral("Order"));
    root.mkpath(QStringLiteral("System/Language"));
    data::setApplicationFolder(m_dir.path());
}

AppFolder::~AppFolder()
{
    data::setApplicationFolder(QString());
}

QString AppFolder::path() const
{
    return m_dir.path();
}

QString AppFolder::file(const QString& relative) const
{
    return m_dir.filePath(relative);
}

void AppFolder::write(const QString& relative, const QByteArray& bytes) const
{
    QFile out(file(relative));
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(relative));
}

QByteArray AppFolder::read(const QString& relative) const
{
    QFile in(file(relative));
    if (!in.open(QIODevice::ReadOnly))
        return {};
    return in.readAll();
}

bool AppFolder::exists(const QString& relative) const
{
    return QFile::exists(file(relative));
}

void AppFolder::copyShipped(const QString& relative) const
{
    QFile::remove(file(relative));
    if (!QFile::copy(QStringLiteral(ZEL_SOURCE_DIR "/app/") + relative, file(relative)))
        qFatal("cannot copy shipped file %s", qPrintable(relative));
}

void resetForms()
{
    ui::setEndHandler([] {});
    const QList<ui::Form*> forms = ui::loadedForms();
    for (ui::Form* form : forms)
        form->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    ui::MessageBoxScript::start();
}

void typeText(QWidget* widget, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClicks(widget, QString(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

QStringList printedPages(QPrintPreviewDialog* preview)
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("printout.pdf"));
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
        Q_EMIT preview->paintRequested(&printer);
    }
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished() || text.exitCode() != 0)
        qFatal("pdftotext (poppler-utils) could not read the printout");
    QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

void writeTwoSavedOrders(const AppFolder& folder)
{
    folder.write("Order/100001.OrderData.log", "K-17\r\n\xc5sa \xd6"
                                               "berg\r\n08\r\n123 45 67\r\n100001\r\n2026-01-10\r\nS\r\n1\r\n"
                                               "1008\r\n\xc5kessons\r\n");
    folder.write("Order/100001.OrderBasket.log", "\"A-100\",\"Skruv 5 mm\",\"2,50\",\"10\",\"ST\"\r\n"
                                                 "\"B-200\",\"Bult M8\",\"4,00\",\"5\",\"ST\"\r\n");
    folder.write("Order/200002.OrderData.log",
                 "K-18\r\nBengt Berg\r\n031\r\n11 22 33\r\n200002\r\n2026-02-10\r\nS\r\n1\r\n1009\r\nPl\xe5t\r\n");
    folder.write("Order/200002.OrderBasket.log", "\"A-100\",\"Skruv 5 mm rostfri\",\"2,75\",\"10\",\"FRP\"\r\n"
                                                 "\"A-101\",\"Skruv 6 mm\",\"3,00\",\"5\",\"ST\"\r\n");
    folder.write("Order/Lista.log", "100001\r\n200002\r\n");
}

QWidget* openWindow(Window window)
{
    switch (window) {
    case Window::Language:
        return frmSetLanguage::instance();
    case Window::Splash:
        return frmSplash::instance();
    case Window::NewOrder:
        return frmZelOrderNew::instance();
    case Window::AddLine:
        return frmAdd::instance();
    case Window::Suppliers:
        return frmLeverantor::instance();
    case Window::Statuses:
        return frmOrderStatus::instance();
    case Window::OrderList:
        return frmOrderLista::instance();
    case Window::SupplierList:
        return frmLeverantorLista::instance();
    case Window::Company:
        return frmForetag::instance();
    case Window::Delivery:
        frmLeverera::instance()->openFor(QStringLiteral("100001"));
        return frmLeverera::existing();
    case Window::Preview:
        previewOrder(frmZelOrderNew::instance(), QStringLiteral("100001"), QStringList(10, QStringLiteral("x")), {});
        return frmZelOrderNew::instance()->findChild<QPrintPreviewDialog*>(QStringLiteral("printPreview"));
    }
    return nullptr;
}

} // namespace testsupport
