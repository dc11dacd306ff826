#include "data/order_files.h"
#include "target_support.h"
#include "ui/field_validator.h"

#include <QFile>
#include <QStringEncoder>
#include <cstring>

// Whatever reaches the basket writer is written and read back as it was, or refused with the file
// untouched: by the boxes' own rule (typed or pasted), and raw, as a tool or a copied order brings it.
namespace {
const int kLimits[] = {15, 30, 8, 8, 4};

// The value a box holds after taking `text`: what its file cannot hold dropped, then cut to its length.
QString asBoxHolds(QString text, int limit)
{
    static const ui::FieldValidator rule(QStringLiteral("\"\r\n"), nullptr);
    int pos = int(text.size());
    rule.validate(text, pos);
    return text.left(limit);
}

// What a value reads back as: a character the code page lacks is "?", as Qt's own converter,
// asked afresh for each character, tells.
QString asStored(const QString& text)
{
    QString stored;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            stored += QLatin1Char('?');
            continue;
        }
        QStringEncoder single("windows-1252");
        const QByteArray bytes = single.encode(QStringView(&c, 1));
        stored += !c.isSurrogate() && !single.hasError() && bytes.size() == 1 ? c : QChar(u'?');
    }
    return stored;
}

void writeAndReadBack(const data::OrderLine& line, bool mayRefuse)
{
    const QString path = data::orderBasketPath(QStringLiteral("1"));
    QFile::remove(path);
    QString error;
    const bool written = data::appendOrderLine(QStringLiteral("1"), line, &error);
    const QString all = line.fields().join(QString());
    const bool holdsBreak = all.contains(u'"') || all.contains(u'\r') || all.contains(u'\n');
    if (written == holdsBreak || (!written && !mayRefuse))
        fuzzing::fail("a line is refused exactly when a field holds a quote or a line break");
    QVector<data::OrderLine> back;
    if (!data::readOrderBasket(QStringLiteral("1"), &back, &error))
        fuzzing::fail("a written basket reads back without damage");
    if (!written) {
        if (!back.isEmpty())
            fuzzing::fail("a refused line leaves the basket untouched");
        return;
    }
    QStringList expected;
    for (const QString& field : line.fields())
        expected << asStored(field);
    if (back.size() != 1 || back.first().fields() != expected)
        fuzzing::fail("every field reads back as written");
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzing::scratchAppFolder();
    QString text(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data, size_t(text.size()) * 2);
    const QStringList parts = text.split(QChar(0x1F));
    QStringList raw, boxed;
    for (int i = 0; i < 5; ++i) {
        raw << parts.value(i);
        boxed << asBoxHolds(parts.value(i), kLimits[i]);
    }
    writeAndReadBack(data::OrderLine::fromFields(boxed), false);
    writeAndReadBack(data::OrderLine::fromFields(raw), true);
    return 0;
}
