#include "data/reference_list.h"

#include "data/app_folder.h"
#include "data/data_texts.h"
#include "data/record_io.h"
#include "data/text_file.h"

#include <QDir>

namespace data {

namespace {
constexpr int kFieldsPerRecord = 2;
}

bool readReferenceList(const QString& relativePath, QVector<QStringList>* records, QString* error)
{
    const QString path = dataPath(relativePath);
    QString text;
    if (!readTextFile(path, &text, error, Links::Follow))
        return false;

    QVector<QStringList> read;
    RecordReader reader(text);
    QStringList fields;
    while (!reader.atEnd()) {
        if (!reader.readFields(kFieldsPerRecord, &fields)) {
            *error = dataText(DataText::RecordCutShort)
                         .arg(quotedForMessage(QDir::toNativeSeparators(path)), QString::number(read.size() + 1));
            return false;
        }
        read.append(fields);
    }
    *records = std::move(read);
    return true;
}

} // namespace data
