#pragma once
// The horizontal spinner: a left arrow that steps the position down and a right arrow that steps
// it up, within Min..Max and without wrapping. OnClick runs only after the user moved the
// position; an arrow at the end of the range changes nothing and runs nothing.
#include <QWidget>
#include <functional>

class QToolButton;

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    void SetMax(int value);
    int Increment() const { return increment_; }
    void SetIncrement(int value) { increment_ = value < 1 ? 1 : value; }
    int Position() const { return position_; }
    // Set by the program: kept within Min..Max, runs nothing.
    void SetPosition(int value);

    QToolButton* DownButton() const { return down_; }
    QToolButton* UpButton() const { return up_; }

    std::function<void(bool up)> OnClick;

private:
    void step(bool up);

    QToolButton* down_;
    QToolButton* up_;
    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
};
