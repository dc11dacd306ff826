#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace data {

inline const QString kSupplierListPath = QStringLiteral("\\System\\Leverantorer.log");
inline const QString kOrderStatusListPath = QStringLiteral("\\System\\Orderstatus.log");

// Reads a reference list below the application folder: records of two fields each, taken two
// fields at a time regardless of line breaks, in file order and exactly as read. An empty file is
// an empty list; a missing file or one that ends inside a record is an error naming the file.
bool readReferenceList(const QString& relativePath, QVector<QStringList>* records, QString* error);

} // namespace data
