#pragma once
// The statement editor's list of rows, as its view reads them: a row's text
// is made when the view first asks for it and again only once that row has
// changed, so that a file of thousands of statements opens with the rows in
// view, and a row added, deleted or typed in is told to the view in one step.

#include <QAbstractListModel>
#include <functional>
#include <vector>

namespace statements {

class StatementRows : public QAbstractListModel {
public:
    // What row `row` reads, and whether it is marked as one to mend.
    using Text = std::function<QString(int row)>;
    using Marked = std::function<bool(int row)>;

    StatementRows(Text text, Marked marked, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // `rows` rows, every one made anew.
    void resetTo(int rows);
    // `count` rows put in before row `at`, or taken out from it.
    void insert(int at, int count);
    void remove(int at, int count);
    // Rows `first` to `last` read differently now.
    void changed(int first, int last);

private:
    Text text_;
    Marked marked_;
    mutable std::vector<QString> texts_; // null until the view asks
};

} // namespace statements
