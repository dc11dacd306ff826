#include "data/record_io.h"

#include "data/text_codec.h"

namespace data {

namespace {
constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr char16_t kQuote = u'"';
constexpr char16_t kComma = u',';

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}
} // namespace

QString asOneLine(QString value)
{
    value.replace(QLatin1String("\r\n"), QLatin1String(" "));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

QByteArray lineRecord(const QString& value)
{
    return encodeWindows1252(value) + "\r\n";
}

QByteArray quotedRecord(const QStringList& fields)
{
    QString record;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            record += kComma;
        record += kQuote + fields.at(i) + kQuote;
    }
    return encodeWindows1252(record) + "\r\n";
}

QVector<QStringList> recordsOnLines(const QString& text, int count, QStringList* damaged)
{
    QVector<QStringList> records;
    RecordReader reader(text);
    QStringList fields;
    for (int lineNumber = 1; !reader.atEnd(); ++lineNumber) {
        const QString line = reader.readLine();
        if (line.isEmpty())
            continue;
        RecordReader record(line);
        if (record.readFields(count, &fields) && record.lastFieldClosed())
            records.append(fields);
        else
            damaged->append(QString::number(lineNumber));
    }
    return records;
}

RecordReader::RecordReader(QString text) : m_text(std::move(text)) {}

bool RecordReader::isLineEnd(qsizetype pos) const
{
    return pos < m_text.size() && (m_text.at(pos) == kCr || m_text.at(pos) == kLf);
}

void RecordReader::consumeLineEnd()
{
    if (m_pos < m_text.size() && m_text.at(m_pos) == kCr)
        ++m_pos;
    if (m_pos < m_text.size() && m_text.at(m_pos) == kLf)
        ++m_pos;
}

QString RecordReader::readLine()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && !isLineEnd(m_pos))
        ++m_pos;
    QString line = m_text.mid(start, m_pos - start);
    consumeLineEnd();
    return line;
}

QString RecordReader::readField()
{
    while (m_pos < m_text.size() && isBlank(m_text.at(m_pos)))
        ++m_pos;

    QString value;
    if (m_pos < m_text.size() && m_text.at(m_pos) == kQuote) {
        const qsizetype start = ++m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos) != kQuote)
            ++m_pos;
        value = m_text.mid(start, m_pos - start);
        if (m_pos < m_text.size())
            ++m_pos; // closing quote
        else
            m_closed = false;
        // Anything between the closing quote and the delimiter is not part of the field.
        while (m_pos < m_text.size() && m_text.at(m_pos) != kComma && !isLineEnd(m_pos))
            ++m_pos;
    } else {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text.at(m_pos) != kComma && !isLineEnd(m_pos))
            ++m_pos;
        qsizetype end = m_pos;
        while (end > start && isBlank(m_text.at(end - 1)))
            --end;
        value = m_text.mid(start, end - start);
    }

    if (m_pos < m_text.size() && m_text.at(m_pos) == kComma)
        ++m_pos;
    else
        consumeLineEnd();
    return value;
}

bool RecordReader::readFields(int count, QStringList* fields)
{
    fields->clear();
    m_closed = true;
    for (int i = 0; i < count; ++i) {
        if (atEnd())
            return false;
        fields->append(readField());
    }
    return true;
}

} // namespace data
