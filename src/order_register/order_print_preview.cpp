#include "order_register/order_print_preview.h"

#include "data/company_details.h"
#include "data/order_files.h"
#include "data/order_status.h"
#include "data/text_file.h"
#include "order_entry/new_order_window.h"
#include "order_register/order_printout.h"
#include "order_register/print_preview_module.h"
#include "ui/message_box.h"

#include <memory>

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
    static ShowPrintPreview show = nullptr;
    if (!show && !(show = loadPrintPreview(kPrintPreviewModule, &error))) {
        ui::MsgBox(previewTexts().noPrintSupport.arg(error), ui::vbOKOnly + ui::vbCritical);
        return;
    }
    const auto printout = std::make_shared<OrderPrintout>(order);
    PrintPreviewRequest request;
    request.parent = parent;
    request.objectName = QStringLiteral("printPreview");
    request.title = previewTexts().title.arg(data::quotedForMessage(number));
    request.documentName = printoutWords().title + QLatin1Char(' ') + number;
    request.paint = [printout](QPagedPaintDevice* printer) { printout->print(printer); };
    // The preview is accepted once it has printed or saved a PDF; closing it only looked.
    request.accepted = [number] { markPrinted(number); };
    show(&request);
}
