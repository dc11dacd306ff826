// Built as the module libzel2007_print.so, not into the program: see print_preview_module.h.
#include "order_register/print_preview_module.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

extern "C" Q_DECL_EXPORT void zelShowPrintPreview(const PrintPreviewRequest* request)
{
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    printer->setDocName(request->documentName);
    auto* preview = new QPrintPreviewDialog(printer, request->parent);
    preview->setObjectName(request->objectName);
    preview->setWindowTitle(request->title);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
                     [paint = request->paint](QPrinter* target) { paint(target); });
    QObject::connect(preview, &QDialog::accepted, preview, request->accepted);
    QObject::connect(preview, &QObject::destroyed, preview, [printer] { delete printer; });
    preview->resize(900, 1000);
    preview->open();
}
