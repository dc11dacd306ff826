#include "order_register/order_document.h"

#include "data/order_total.h"
#include "ui/window_helpers.h"

namespace {

constexpr int kRowsPerTable = 25;
const QString kLinesTable = QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">");

// Every row carries the column widths, so that the short tables line up.
const QString kLineRow = QStringLiteral(
    "<tr><td width=\"17%\">%1</td><td width=\"35%\">%2</td><td width=\"12%\" align=\"right\">%3</td>"
    "<td width=\"10%\" align=\"right\">%4</td><td width=\"10%\">%5</td><td width=\"16%\" align=\"right\">%6</td>"
    "</tr>");

QString cell(const QString& value)
{
    return ui::shownValue(value).toHtmlEscaped();
}

QString row(const QString& caption, const QString& value)
{
    return QStringLiteral("<tr><td style=\"color:#555555; padding-right:12px\">%1</td><td>%2</td></tr>")
        .arg(caption, cell(value));
}

} // namespace

QString orderDocumentHtml(const QStringList& values, const QVector<data::OrderLine>& lines)
{
    const auto value = [&values](int i) { return values.value(i); };
    QString telephone = value(2) + QLatin1Char('-') + value(3);
    if (value(2).isEmpty() || value(3).isEmpty())
        telephone = value(2) + value(3);

    QString html;
    html += QStringLiteral("<html><body style=\"font-family:'DejaVu Sans',sans-serif; font-size:10pt\">");
    html += QStringLiteral("<table width=\"100%\"><tr>"
                           "<td><span style=\"font-size:18pt; font-weight:bold\">Inköpsorder</span><br/>"
                           "ZEL Beställningar</td>"
                           "<td align=\"right\"><table>");
    html += row(QStringLiteral("Ordernummer"), value(4));
    html += row(QStringLiteral("Orderdatum"), value(5));
    html += row(QStringLiteral("Säljare"), value(6));
    html += row(QStringLiteral("Status"), value(7));
    html += QStringLiteral("</table></td></tr></table><hr/>");

    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"2\"><tr>"
                           "<td width=\"50%\" valign=\"top\"><b>Leverantör</b><table>");
    html += row(QStringLiteral("Leverantörsnr"), value(8));
    html += row(QStringLiteral("Namn"), value(9));
    html += QStringLiteral("</table></td><td width=\"50%\" valign=\"top\"><b>Beställare</b><table>");
    html += row(QStringLiteral("Kundnr"), value(0));
    html += row(QStringLiteral("Namn"), value(1));
    html += row(QStringLiteral("Telefon"), telephone);
    html += QStringLiteral("</table></td></tr></table><br/>");

    html += kLinesTable;
    html += QString(kLineRow)
                .replace(QStringLiteral("<tr>"),
                         QStringLiteral("<tr style=\"background-color:#e6e6e6; font-weight:bold\">"))
                .arg(QStringLiteral("Artikelnr"), QStringLiteral("Benämning"), QStringLiteral("À-pris"),
                     QStringLiteral("Antal"), QStringLiteral("Enhet"), QStringLiteral("Belopp"));
    int inTable = 0;
    for (const data::OrderLine& line : lines) {
        // Laying out one table costs more than linear time in its rows; short tables of equal
        // column widths read as one and keep a long order quick to print.
        if (++inTable > kRowsPerTable) {
            html += QStringLiteral("</table>") + kLinesTable;
            inTable = 1;
        }
        const std::optional<double> total = data::lineTotal(line);
        html += kLineRow.arg(cell(line.articleNumber), cell(line.description), cell(line.unitPrice),
                             cell(line.quantity), cell(line.unit), total ? data::formatAmount(*total) : QString());
    }
    const data::OrderTotal total = data::orderTotal(lines);
    html += QStringLiteral("<tr><td colspan=\"6\"><hr/></td></tr>"
                           "<tr><td colspan=\"5\" align=\"right\"><b>Summa</b></td>"
                           "<td align=\"right\"><b>%1</b></td></tr>")
                .arg(data::formatAmount(total.amount));
    html += QStringLiteral("</table>");
    if (total.linesLeftOut > 0)
        html +=
            QStringLiteral("<p style=\"font-size:8pt\">Summan räknar inte med %1 utan pris eller antal i siffror.</p>")
                .arg(total.linesLeftOut == 1 ? QStringLiteral("1 rad")
                                             : QStringLiteral("%1 rader").arg(total.linesLeftOut));
    html += QStringLiteral("<p style=\"font-size:8pt; color:#555555\">%1 orderrader. Priser i kronor.</p>")
                .arg(lines.size());
    html += QStringLiteral("</body></html>");
    return html;
}
