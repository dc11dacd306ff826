#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace data {

// A value for a line record: a line break inside it (a name from a list file with a multi-line quoted
// field, a paste) becomes a blank, so it cannot shift the lines after it.
QString asOneLine(QString value);

// Line record: the value as it stands, then CR LF.
QByteArray lineRecord(const QString& value);

// Quoted record: every field in double quotes, separated by single commas, then CR LF.
// A quote inside a field is written as it is; the format has no escape for it.
QByteArray quotedRecord(const QStringList& fields);

// Reads a file of quoted records that stand one to a line (an order's lines, its deliveries): every
// line that is not empty is one record of `count` fields. A line that is no whole record (a write cut
// short) is no record, and its open quote ends with its line, so it never takes the next one with it;
// its number, counted from 1, goes to *damaged.
QVector<QStringList> recordsOnLines(const QString& text, int count, QStringList* damaged);

// Reads the text of a whole file by lines or by fields. Lines may end in CR LF, LF or CR,
// so that files edited on another system still read; a final line end gives no extra record.
class RecordReader
{
public:
    explicit RecordReader(QString text);

    bool atEnd() const { return m_pos >= m_text.size(); }

    // The characters up to the next line end; the line end is consumed.
    QString readLine();

    // Reads `count` fields from the current position, going on into the next lines when
    // needed. Returns false when the text ends before the last field could start.
    bool readFields(int count, QStringList* fields);

    // False when a quoted field of the last readFields() ran to the end of the text unclosed.
    bool lastFieldClosed() const { return m_closed; }

private:
    bool isLineEnd(qsizetype pos) const;
    void consumeLineEnd();
    QString readField();

    QString m_text;
    qsizetype m_pos = 0;
    bool m_closed = true;
};

} // namespace data
