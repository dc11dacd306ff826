#include "order_register/order_print_preview.h"

#include "data/company_details.h"
#include "data/order_files.h"
#include "data/order_status.h"
#include "data/text_file.h"
#include "order_entry/new_order_window.h"
#include "order_register/order_printout.h"
#include "ui/message_box.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
constexpr int kPrinted = 2;

// A printed order has gone out: it moves on to "Utskriven", never back from a later status.
void markPrinted(const QString& number)
{
    QStringList values;
    QString status, error;
    if (!data::readOrderData(number, &values, &error))
        return;
    const int id = data::statusId(values.at(data::OrderDataLine::Status));
    if (id < 0 || id >= kPrinted)
        return;
    if (!data::writeListedStatus(number, kPrinted, &status, &error)) {
        ui::MsgBox(previewTexts().statusNotChanged.arg(error), ui::vbOKOnly + ui::vbCritical);
        return;
    }
    if (frmZelOrderNew* order = frmZelOrderNew::existing())
        order->statusChangedOnFile(number, status);
}
} // namespace

PreviewTexts& previewTexts()
{
    static PreviewTexts texts;
    return texts;
}

void previewOrder(QWidget* parent, const QString& number, QStringList values, const QVector<data::OrderLine>& lines)
{
    values[data::OrderDataLine::OrderNumber] = number;
    OrderPrintout::Order order{number, values, lines, {}};
    QString error;
    if (!data::readCompanyDetails(&order.company, &error))
        ui::MsgBox(previewTexts().noCompanyDetails.arg(error), ui::vbOKOnly + ui::vbCritical);
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    printer->setDocName(QStringLiteral("Inköpsorder %1").arg(number));
    auto* preview = new QPrintPreviewDialog(printer, parent);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setWindowTitle(previewTexts().title.arg(data::quotedForMessage(number)));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    const auto printout = std::make_shared<OrderPrintout>(order);
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [printout](QPrinter* target) { printout->print(target); });
    // The preview is accepted once it has printed or saved a PDF; closing it only looked.
    QObject::connect(preview, &QDialog::accepted, preview, [number] { markPrinted(number); });
    QObject::connect(preview, &QObject::destroyed, preview, [printer] { delete printer; });
    preview->resize(900, 1000);
    preview->open();
}
