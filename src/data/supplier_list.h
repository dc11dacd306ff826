#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace data {

// The supplier list as the clerk keeps it: records of name and number in System\Leverantorer.log.
// Every change replaces the file whole and keeps every other record byte for byte. A change is
// refused when the record at `row` (counted as readReferenceList counts them) no longer holds
// `expected`, that is, when the file was changed elsewhere since it was read.

// A missing list reads as empty here, so that the clerk can start one.
bool readSupplierList(QVector<QStringList>* records, QString* error);

bool addSupplier(const QString& name, const QString& number, QString* error);
bool changeSupplier(int row, const QStringList& expected, const QString& name, const QString& number, QString* error);
bool removeSupplier(int row, const QStringList& expected, QString* error);

// One record in the list's own form: a field in quotes when it holds a comma or blanks at either
// end, plain otherwise; Windows-1252, CR LF.
QByteArray supplierRecord(const QString& name, const QString& number);

} // namespace data
