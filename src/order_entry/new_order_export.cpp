// Arkiv, Exportera…: every order of the register to one CSV file for the bookkeeper.
#include "data/order_export.h"
#include "data/text_file.h"
#include "order_entry/new_order_window.h"
#include "ui/message_box.h"

#include <QDir>
#include <QFileDialog>
#include <QProgressDialog>

void frmZelOrderNew::mnuExport_Click()
{
    QFileDialog dialog(this, msgExportTitel->text(), QDir::homePath() + QStringLiteral("/Ordrar.csv"),
                       msgExportFilter->text());
    dialog.setObjectName(QStringLiteral("dlgExport"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    exportOrdersTo(dialog.selectedFiles().constFirst());
}

bool frmZelOrderNew::exportOrdersTo(const QString& path)
{
    // A few hundred orders take a blink; beyond that the clerk sees how far it has come.
    constexpr int kOrdersWithoutProgress = 300;
    QProgressDialog progress(msgExporterar->text(), msgExportAvbryt->text(), 0, 1, this);
    progress.setObjectName(QStringLiteral("dlgExportProgress"));
    progress.setWindowTitle(ui::kApplicationTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoReset(false);
    progress.setAutoClose(false);
    progress.reset();
    const auto report = [&](int done, int total) {
        if (total <= kOrdersWithoutProgress)
            return true;
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    };

    data::ExportResult result;
    QString error;
    const bool written = data::exportOrders(path, &result, &error, report);
    progress.close();
    if (result.cancelled) {
        ui::MsgBox(msgExportAvbrots->text(), ui::vbOKOnly + ui::vbInformation);
        return false;
    }
    if (!written) {
        ui::MsgBox(error, ui::vbOKOnly + ui::vbCritical);
        return false;
    }
    QString text = msgExporterad->text().arg(QString::number(result.orders),
                                             result.rows == 1 ? msgEnRad->text() : msgRader->text().arg(result.rows),
                                             data::quotedForMessage(QDir::toNativeSeparators(path)));
    if (!result.skipped.isEmpty())
        text += QStringLiteral("\r\n\r\n") +
                msgExportSkippade->text().arg(QString::number(result.skipped.size()),
                                              data::quotedForMessage(result.skipped.join(QStringLiteral(", "))));
    ui::MsgBox(text, ui::vbOKOnly + (result.skipped.isEmpty() ? ui::vbInformation : ui::vbCritical));
    return true;
}
