#include "order_register/order_print_preview.h"

#include "data/text_file.h"
#include "order_register/order_document.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextDocument>

void previewOrder(QWidget* parent, const QString& number, QStringList values, const QVector<data::OrderLine>& lines)
{
    values[4] = number;
    auto* printer = new QPrinter(QPrinter::HighResolution);
    printer->setPageSize(QPageSize(QPageSize::A4));
    printer->setPageMargins(QMarginsF(20, 15, 15, 15), QPageLayout::Millimeter);
    printer->setDocName(QStringLiteral("Inköpsorder %1").arg(number));
    auto* preview = new QPrintPreviewDialog(printer, parent);
    preview->setObjectName(QStringLiteral("printPreview"));
    preview->setWindowTitle(QStringLiteral("Inköpsorder %1").arg(data::quotedForMessage(number)));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    auto* document = new QTextDocument(preview);
    document->setHtml(orderDocumentHtml(values, lines));
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, document,
                     [document](QPrinter* target) { document->print(target); });
    QObject::connect(preview, &QObject::destroyed, preview, [printer] { delete printer; });
    preview->resize(900, 1000);
    preview->open();
}
