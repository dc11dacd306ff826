#include "order_entry/remembered_fill.h"

#include "ui/accessible_names.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QStandardItemModel>

namespace {
constexpr int kValueRole = Qt::UserRole;
constexpr int kRowsInSight = 8;
} // namespace

void RememberedFill::fill(QLineEdit* box, const QString& value)
{
    const auto filled = m_filled.constFind(box);
    if (!box->text().isEmpty() && (filled == m_filled.cend() || box->text() != filled.value()))
        return;
    box->setText(value);
    // The box may have cut the value to its length; that is what it holds now.
    m_filled.insert(box, box->text());
}

QCompleter* RememberedFill::attachSuggestions(QLineEdit* box, const QString& spokenName)
{
    auto* model = new QStandardItemModel(box);
    auto* completer = new QCompleter(model, box);
    // The rows are chosen by the memory as the clerk types; the drop-down shows them as they come.
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    completer->setCompletionRole(kValueRole);
    completer->setMaxVisibleItems(kRowsInSight);
    completer->popup()->setObjectName(box->objectName() + QStringLiteral("Suggestions"));
    ui::speak(completer->popup(), spokenName);
    box->setCompleter(completer);
    return completer;
}

void RememberedFill::offer(QCompleter* suggestions, const QVector<QPair<QString, QString>>& rows)
{
    auto* model = static_cast<QStandardItemModel*>(suggestions->model());
    model->clear();
    for (const auto& [shown, value] : rows) {
        auto* item = new QStandardItem(shown);
        item->setData(value, kValueRole);
        item->setEditable(false);
        model->appendRow(item);
    }
}
