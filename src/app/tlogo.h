#pragma once
// The splash window: the logo on a see-through window, closed after two seconds, by a key or by a
// click beside the picture.
#include <QDialog>

class QLabel;
class TTimer;

class Tlogo : public QDialog {
    Q_OBJECT
public:
    explicit Tlogo(QWidget* parent = nullptr);

    QLabel* Image1;
    TTimer* Timer1;

    void Timer1Timer();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};
