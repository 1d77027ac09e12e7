#pragma once
// The firmware controls at the bottom of the left panel; hidden until a firmware file is chosen.
#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;
class TAlignEdit;

class FirmwarePanel : public QWidget {
    Q_OBJECT
public:
    explicit FirmwarePanel(QWidget* parent = nullptr);

    QLabel* LabelFW;
    QProgressBar* ProgressBarFW1;
    TAlignEdit* AlignEditFW;
    QPushButton* BitBtnFW;
    QPushButton* BitBtnFWCancel;
};
