#include "order_register/order_printout.h"

#include "data/order_total.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
// Column shares of the page width: Artikelnr, Benämning, À-pris, Antal, Enhet, Belopp.
constexpr qreal kColumnShare[] = {0.15, 0.35, 0.15, 0.10, 0.08, 0.17};
constexpr int kColumns = 6;
constexpr int kRightAligned[] = {2, 3, 5};
constexpr int kFirstHeaderLines = 17; // title, buyer and supplier blocks, references
constexpr int kLaterHeaderLines = 3;
constexpr int kTotalLines = 3;

QFont bodyFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    return font;
}

bool rightAligned(int column)
{
    return std::find(std::begin(kRightAligned), std::end(kRightAligned), column) != std::end(kRightAligned);
}

QString labelled(const QString& label, const QString& value)
{
    return label + QLatin1Char(' ') + value;
}

// An amount that is a number is printed the Swedish way; text stays as the clerk typed it.
QString amountText(const QString& typed)
{
    const std::optional<double> value = data::parseSwedishNumber(typed);
    return value ? data::formatAmount(*value) : typed;
}
} // namespace

struct OrderPrintout::Metrics
{
    QRectF page;
    qreal line = 0;
    qreal columnLeft[kColumns + 1] = {};
    qreal padding = 0; // between a cell's text and its neighbour's
    int firstPageRows = 0;
    int laterPageRows = 0;
};

PrintoutWords& printoutWords()
{
    static PrintoutWords words;
    return words;
}

OrderPrintout::OrderPrintout(Order order) : m_order(std::move(order)) {}

OrderPrintout::Metrics OrderPrintout::measure(QPainter* painter, const QRectF& page) const
{
    Metrics metrics;
    metrics.page = page;
    metrics.line = QFontMetricsF(bodyFont(), painter->device()).height() * 1.35;
    metrics.padding = QFontMetricsF(bodyFont(), painter->device()).averageCharWidth();
    qreal left = page.left();
    for (int column = 0; column < kColumns; ++column) {
        metrics.columnLeft[column] = left;
        left += page.width() * kColumnShare[column];
    }
    metrics.columnLeft[kColumns] = page.right();
    const int linesOnPage = int(page.height() / metrics.line);
    // A page holds its header, the column headings and rows; the last one also the total.
    metrics.firstPageRows = std::max(1, linesOnPage - kFirstHeaderLines - 2);
    metrics.laterPageRows = std::max(1, linesOnPage - kLaterHeaderLines - 2);
    return metrics;
}

QVector<int> OrderPrintout::pageStarts(const Metrics& metrics) const
{
    QVector<int> starts{0};
    const int count = int(m_order.lines.size());
    int left = count;
    int rows = metrics.firstPageRows;
    for (;;) {
        // The total goes on the page of the last lines when it fits there, else on a page of its own.
        if (left + kTotalLines <= rows)
            break;
        const int taken = std::min(left, rows);
        starts.append(starts.last() + taken);
        left -= taken;
        rows = metrics.laterPageRows;
        if (left == 0)
            break;
    }
    starts.append(count);
    return starts;
}

int OrderPrintout::pageCount(QPainter* painter, const QRectF& page) const
{
    return int(pageStarts(measure(painter, page)).size()) - 1;
}

void OrderPrintout::print(QPagedPaintDevice* printer) const
{
    QPainter painter(printer);
    const QRectF page(QPointF(0, 0), printer->pageLayout().paintRectPixels(printer->logicalDpiX()).size());
    const Metrics metrics = measure(&painter, page);
    const QVector<int> starts = pageStarts(metrics);
    const int pages = int(starts.size()) - 1;
    for (int index = 0; index < pages; ++index) {
        if (index > 0)
            printer->newPage();
        const qreal top = paintHeader(&painter, metrics, index + 1, pages);
        paintLines(&painter, metrics, top, starts.at(index), starts.at(index + 1));
        if (index == pages - 1)
            paintTotal(&painter, metrics, top + metrics.line * (starts.at(index + 1) - starts.at(index) + 1.5));
    }
}

qreal OrderPrintout::paintHeader(QPainter* painter, const Metrics& metrics, int page, int pages) const
{
    const QRectF& area = metrics.page;
    const qreal line = metrics.line;
    const auto value = [this](int i) { return m_order.values.value(i); };
    const data::CompanyDetails& buyer = m_order.company;
    QFont body = bodyFont();
    QFont bold = body;
    bold.setBold(true);
    QFont title = bold;
    title.setPointSizeF(16);

    const QRectF right(area.left() + area.width() * 0.55, area.top(), area.width() * 0.45, line);
    painter->setFont(body);
    const PrintoutWords& words = printoutWords();
    const QStringList references{labelled(words.orderNumber, m_order.number), labelled(words.orderDate, value(5)),
                                 words.page.arg(page).arg(pages)};
    for (int i = 0; i < references.size(); ++i)
        painter->drawText(right.translated(0, line * i), Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                          references.at(i));
    painter->setFont(title);
    painter->drawText(QRectF(area.left(), area.top(), area.width() * 0.55, line * 2),
                      Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, words.title);

    qreal top = area.top() + line * kLaterHeaderLines;
    if (page == 1) {
        const auto block = [&](qreal left, const QString& heading, const QStringList& rows) {
            painter->setFont(bold);
            painter->drawText(QRectF(left, top, area.width() * 0.48, line), Qt::AlignLeft | Qt::TextSingleLine,
                              heading);
            painter->setFont(body);
            int shown = 1;
            for (const QString& row : rows) {
                if (row.trimmed().isEmpty())
                    continue;
                const QRectF rect(left, top + line * shown++, area.width() * 0.48, line);
                painter->drawText(rect, Qt::AlignLeft | Qt::TextSingleLine,
                                  painter->fontMetrics().elidedText(row, Qt::ElideRight, int(rect.width())));
            }
        };
        // A label without a value is left out.
        const auto given = [](const QString& label, const QString& text) {
            return text.trimmed().isEmpty() ? QString() : labelled(label, text);
        };
        block(area.left(), words.buyer,
              {buyer.name, buyer.street, buyer.postalTown, given(words.organisationNumber, buyer.organisationNumber),
               given(words.vatNumber, buyer.vatNumber), given(words.telephone, buyer.telephone), buyer.email});
        block(area.left() + area.width() * 0.52, words.supplier, {value(9), given(words.supplierNumber, value(8))});
        top += line * 8.5;
        const QString delivery = buyer.deliveryAddress.trimmed().isEmpty()
                                     ? QStringList{buyer.street, buyer.postalTown}.join(QStringLiteral(", "))
                                     : buyer.deliveryAddress;
        const QString customer = QStringList{value(0), value(1)}.join(QLatin1Char(' ')).trimmed();
        const QStringList notes{
            given(words.deliveryAddress, delivery.trimmed() == QLatin1String(",") ? QString() : delivery),
            labelled(words.ourReference, value(6)), given(words.customer, customer),
            buyer.pricesExcludeVat ? words.pricesExcludeVat : words.pricesIncludeVat};
        painter->setFont(body);
        int shown = 0;
        for (const QString& note : notes) {
            if (!note.isEmpty())
                painter->drawText(QRectF(area.left(), top + line * shown++, area.width(), line),
                                  Qt::AlignLeft | Qt::TextSingleLine, note);
        }
        top = area.top() + line * kFirstHeaderLines;
    }

    // The column headings, on every page.
    painter->setFont(bold);
    for (int column = 0; column < kColumns; ++column) {
        const QRectF cell(metrics.columnLeft[column] + metrics.padding, top,
                          metrics.columnLeft[column + 1] - metrics.columnLeft[column] - 2 * metrics.padding, line);
        painter->drawText(cell, (rightAligned(column) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
                          words.headings.value(column));
    }
    painter->drawLine(QPointF(area.left(), top + line), QPointF(area.right(), top + line));
    return top + line * 1.2;
}

void OrderPrintout::paintLines(QPainter* painter, const Metrics& metrics, qreal top, int from, int to) const
{
    painter->setFont(bodyFont());
    const QFontMetricsF fonts(bodyFont(), painter->device());
    for (int index = from; index < to; ++index) {
        const data::OrderLine& line = m_order.lines.at(index);
        const std::optional<double> sum = data::lineTotal(line);
        const QStringList cells{line.articleNumber, line.description, amountText(line.unitPrice),
                                line.quantity,      line.unit,        sum ? data::formatAmount(*sum) : QString()};
        const qreal y = top + metrics.line * (index - from);
        for (int column = 0; column < kColumns; ++column) {
            const QRectF cell(metrics.columnLeft[column] + metrics.padding, y,
                              metrics.columnLeft[column + 1] - metrics.columnLeft[column] - 2 * metrics.padding,
                              metrics.line);
            painter->drawText(
                cell, (rightAligned(column) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter | Qt::TextSingleLine,
                fonts.elidedText(cells.at(column), Qt::ElideRight, cell.width()));
        }
    }
}

void OrderPrintout::paintTotal(QPainter* painter, const Metrics& metrics, qreal top) const
{
    const data::OrderTotal total = data::orderTotal(m_order.lines);
    QFont bold = bodyFont();
    bold.setBold(true);
    painter->setFont(bold);
    painter->drawLine(QPointF(metrics.columnLeft[3], top - metrics.line * 0.25),
                      QPointF(metrics.page.right(), top - metrics.line * 0.25));
    // The whole page width is there for it, so it never wraps.
    const PrintoutWords& words = printoutWords();
    const QString text = labelled(m_order.company.pricesExcludeVat ? words.totalExcludeVat : words.totalIncludeVat,
                                  data::formatAmount(total.amount));
    painter->drawText(QRectF(metrics.page.left(), top, metrics.page.width() - 2, metrics.line),
                      Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, text);
    if (total.linesLeftOut > 0) {
        painter->setFont(bodyFont());
        painter->drawText(QRectF(metrics.page.left(), top + metrics.line, metrics.page.width() - 2, metrics.line),
                          Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine,
                          total.linesLeftOut == 1 ? words.oneLineLeftOut : words.linesLeftOut.arg(total.linesLeftOut));
    }
}
