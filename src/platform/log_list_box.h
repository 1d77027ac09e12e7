#pragma once
// A list box of text lines without a length limit. Appending stays cheap however long the list
// grows (uniform rows over a plain string model), and scrolling to the end is immediate.
#include <QAbstractListModel>
#include <QListView>
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

class TLogListBox : public QListView {
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
