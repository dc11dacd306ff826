#pragma once

#include "data/order_line.h"

#include <QStringList>
#include <QVector>

class QWidget;

// Shows a saved order, the ten values of its data file and its lines, in a print preview over
// `parent`, from which the clerk prints it. The order goes by `number`, the entry it is listed
// under, whatever line 5 of a copied or restored data file says.
void previewOrder(QWidget* parent, const QString& number, QStringList values, const QVector<data::OrderLine>& lines);
