#pragma once
// A list box of text lines without a length limit. Appending stays cheap however long the list
// grows and scrolling to the end is immediate: a one-column table of fixed-height rows, whose
// header keeps equal rows as one span, where a list view would lay out every row again.
#include <QAbstractListModel>
#include <QTableView>
#include <QStringList>

class LogLinesModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;
    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    void append(const QString& line);
    void clear();
    const QStringList& lines() const { return lines_; }

private:
    QStringList lines_;
};

class TLogListBox : public QTableView {
    Q_OBJECT
public:
    explicit TLogListBox(QWidget* parent = nullptr);

    void Add(const QString& line);
    void Clear();
    int Count() const { return model_->lines().size(); }
    QString Line(int i) const { return model_->lines().value(i); }
    const QStringList& Lines() const { return model_->lines(); }
    // Makes the last line visible.
    void ScrollToEnd();

private:
    LogLinesModel* model_;
};
