#include "statements/editor/statementrows.h"

#include <QColor>

namespace statements {

StatementRows::StatementRows(Text text, Marked marked, QObject* parent)
    : QAbstractListModel(parent), text_(std::move(text)), marked_(std::move(marked))
{
}

int StatementRows::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(texts_.size()); }

QVariant StatementRows::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(texts_.size()))
        return {};
    if (role == Qt::DisplayRole || role == Qt::AccessibleTextRole) {
        QString& text = texts_[std::size_t(index.row())];
        if (text.isNull())
            text = text_(index.row());
        return text;
    }
    if (role == Qt::ForegroundRole)
        return marked_(index.row()) ? QColor(190, 0, 0) : QColor(0, 0, 0);
    return {};
}

void StatementRows::resetTo(int rows)
{
    beginResetModel();
    texts_.assign(std::size_t(rows), QString());
    endResetModel();
}

void StatementRows::insert(int at, int count)
{
    if (count <= 0)
        return;
    beginInsertRows({}, at, at + count - 1);
    texts_.insert(texts_.begin() + at, std::size_t(count), QString());
    endInsertRows();
}

void StatementRows::remove(int at, int count)
{
    if (count <= 0)
        return;
    beginRemoveRows({}, at, at + count - 1);
    texts_.erase(texts_.begin() + at, texts_.begin() + at + count);
    endRemoveRows();
}

void StatementRows::changed(int first, int last)
{
    if (first > last)
        return;
    for (int k = first; k <= last; ++k)
        texts_[std::size_t(k)] = QString();
    emit dataChanged(index(first), index(last), {Qt::DisplayRole, Qt::ForegroundRole});
}

} // namespace statements
