#include "data/supplier_list.h"

#include "data/app_folder.h"
#include "data/data_texts.h"
#include "data/file_lock.h"
#include "data/reference_list.h"
#include "data/text_codec.h"
#include "data/text_file.h"

namespace data {

namespace {
constexpr int kNoRow = -1;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isBlankByte(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

// Where each record of the list lies in the file, read by the same rules as readReferenceList:
// two fields at a time, a quoted field running on over line ends. Every character that shapes a
// record is ASCII, so the bytes are read as they are and only the values are decoded.
struct RecordSpan
{
    qsizetype start;
    qsizetype end;
    QStringList fields;
};

class SpanReader
{
public:
    explicit SpanReader(const QByteArray& bytes) : m_text(bytes) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    QVector<RecordSpan> records()
    {
        QVector<RecordSpan> spans;
        while (!atEnd()) {
            RecordSpan span{m_pos, m_pos, {}};
            for (int i = 0; i < 2 && !atEnd(); ++i)
                span.fields.append(field());
            span.end = m_pos;
            spans.append(span);
        }
        return spans;
    }

private:
    char at(qsizetype pos) const { return m_text.at(pos); }

    void lineEnd()
    {
        if (!atEnd() && at(m_pos) == '\r')
            ++m_pos;
        if (!atEnd() && at(m_pos) == '\n')
            ++m_pos;
    }

    QString field()
    {
        while (!atEnd() && isBlankByte(at(m_pos)))
            ++m_pos;
        QString value;
        if (!atEnd() && at(m_pos) == '"') {
            const qsizetype start = ++m_pos;
            while (!atEnd() && at(m_pos) != '"')
                ++m_pos;
            value = decodeWindows1252(m_text.mid(start, m_pos - start));
            if (!atEnd())
                ++m_pos;
            while (!atEnd() && at(m_pos) != ',' && !isLineEnd(at(m_pos)))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (!atEnd() && at(m_pos) != ',' && !isLineEnd(at(m_pos)))
                ++m_pos;
            qsizetype end = m_pos;
            while (end > start && isBlankByte(at(end - 1)))
                --end;
            value = decodeWindows1252(m_text.mid(start, end - start));
        }
        if (!atEnd() && at(m_pos) == ',')
            ++m_pos;
        else
            lineEnd();
        return value;
    }

    QByteArray m_text;
    qsizetype m_pos = 0;
};

QString listPath()
{
    return dataPath(kSupplierListPath);
}

bool needsQuotes(const QString& value)
{
    return value.contains(QLatin1Char(',')) || (!value.isEmpty() && (isBlank(value.front()) || isBlank(value.back())));
}

QString recordField(const QString& value)
{
    return needsQuotes(value) ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

// Why a name or number cannot be kept in the list, or nothing when it can.
QString valueProblem(const QString& value, const QString& what)
{
    if (value.contains(QLatin1Char('"')))
        return dataText(DataText::SupplierQuote).arg(what);
    if (value.contains(QLatin1Char('\r')) || value.contains(QLatin1Char('\n')))
        return dataText(DataText::SupplierOneLine).arg(what);
    if (decodeWindows1252(encodeWindows1252(value)) != value)
        return dataText(DataText::SupplierCharacters).arg(what);
    return QString();
}

QString problemWith(const QVector<RecordSpan>& spans, int row, const QString& name, const QString& number)
{
    if (name.trimmed().isEmpty())
        return dataText(DataText::SupplierNameMissing);
    if (number.trimmed().isEmpty())
        return dataText(DataText::SupplierNumberMissing);
    QString problem = valueProblem(name, dataText(DataText::SupplierName));
    if (problem.isEmpty())
        problem = valueProblem(number, dataText(DataText::SupplierNumber));
    if (!problem.isEmpty())
        return problem;
    for (int i = 0; i < spans.size(); ++i) {
        if (i != row && spans.at(i).fields.value(1).trimmed() == number.trimmed())
            return dataText(DataText::SupplierNumberTaken)
                .arg(quotedForMessage(number.trimmed()), quotedForMessage(spans.at(i).fields.value(0)));
    }
    return QString();
}

// Reads the list, lets `edit` work out the new bytes from the old ones and their records, and
// replaces the file; the lock keeps another program from changing it in between.
template <class Edit> bool editList(QString* error, Edit edit)
{
    const QString path = listPath();
    FileLock lock(path);
    if (!canWriteFile(path, error) || !lock.acquire(error))
        return false;
    QByteArray bytes;
    if (entryExists(path) && !readFileBytes(path, &bytes, error))
        return false;
    const QVector<RecordSpan> spans = SpanReader(bytes).records();
    if (!spans.isEmpty() && spans.last().fields.size() < 2) {
        *error = dataText(DataText::SupplierListCutShort).arg(quotedForMessage(path));
        return false;
    }
    QByteArray changed;
    if (!edit(bytes, spans, &changed, error))
        return false;
    return replaceFile(path, changed, error);
}

bool stillThere(const QVector<RecordSpan>& spans, int row, const QStringList& expected, QString* error)
{
    if (row >= 0 && row < spans.size() && spans.at(row).fields == expected)
        return true;
    *error = dataText(DataText::SupplierChanged).arg(quotedForMessage(listPath()));
    return false;
}

// The end of a record without what closes it (a line end, or a comma when records share a line),
// so a replaced record keeps the separator it had.
qsizetype textEnd(const QByteArray& bytes, const RecordSpan& span)
{
    qsizetype end = span.end;
    if (end > span.start && bytes.at(end - 1) == ',')
        return end - 1;
    if (end > span.start && bytes.at(end - 1) == '\n')
        --end;
    if (end > span.start && bytes.at(end - 1) == '\r')
        --end;
    return end;
}
} // namespace

QByteArray supplierRecord(const QString& name, const QString& number)
{
    return encodeWindows1252(recordField(name) + QLatin1Char(',') + recordField(number)) + "\r\n";
}

bool readSupplierList(QVector<QStringList>* records, QString* error)
{
    records->clear();
    if (!entryExists(listPath()))
        return true;
    return readReferenceList(kSupplierListPath, records, error);
}

bool addSupplier(const QString& name, const QString& number, QString* error)
{
    return editList(error,
                    [&](const QByteArray& bytes, const QVector<RecordSpan>& spans, QByteArray* out, QString* why) {
                        *why = problemWith(spans, kNoRow, name, number);
                        if (!why->isEmpty())
                            return false;
                        // A last line without its line end (edited by hand) is ended first, so the records stay apart.
                        const bool ended = bytes.isEmpty() || bytes.endsWith('\r') || bytes.endsWith('\n');
                        *out = bytes + (ended ? QByteArray() : QByteArray("\r\n")) + supplierRecord(name, number);
                        return true;
                    });
}

bool changeSupplier(int row, const QStringList& expected, const QString& name, const QString& number, QString* error)
{
    return editList(error,
                    [&](const QByteArray& bytes, const QVector<RecordSpan>& spans, QByteArray* out, QString* why) {
                        if (!stillThere(spans, row, expected, why))
                            return false;
                        *why = problemWith(spans, row, name, number);
                        if (!why->isEmpty())
                            return false;
                        const RecordSpan& span = spans.at(row);
                        QByteArray record = supplierRecord(name, number);
                        record.chop(2);
                        *out = bytes.left(span.start) + record + bytes.mid(textEnd(bytes, span));
                        return true;
                    });
}

bool removeSupplier(int row, const QStringList& expected, QString* error)
{
    return editList(error,
                    [&](const QByteArray& bytes, const QVector<RecordSpan>& spans, QByteArray* out, QString* why) {
                        if (!stillThere(spans, row, expected, why))
                            return false;
                        const RecordSpan& span = spans.at(row);
                        *out = bytes.left(span.start) + bytes.mid(span.end);
                        return true;
                    });
}

} // namespace data
