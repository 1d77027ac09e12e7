#pragma once
// The answer group "Ответ": what a device reported, and the buttons that write values back.
#include <QGroupBox>
#include <array>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class TAlignEdit;
class TMyMaskEdit;

class AnswerPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit AnswerPanel(QWidget* parent = nullptr);

    // The time field is made by the main window at start-up and placed here.
    void PlaceEditTime(TMyMaskEdit* editTime);

    QLabel* lbl1;
    TAlignEdit* EditAnswerAdr;
    QLabel* lbl2;
    QComboBox* AnswerSpeed;
    QPushButton* BtnAnsSend;
    QDateEdit* DateTimePicker1;
    TMyMaskEdit* EditTime = nullptr;
    QPushButton* BtnTimeSend;
    QGroupBox* GroupBox2;
    QGroupBox* GroupBox3;
    // Index 0 is D7, index 7 is D0, as the boxes stand from left to right.
    std::array<QCheckBox*, 8> CheckRSD{};
    std::array<QCheckBox*, 8> CheckRU{};
    QPushButton* BtnRegSend;
    QLabel* Label6;
    TAlignEdit* EditTypeDevice;
    QLabel* Label7;
    TAlignEdit* EditSN;
    QPushButton* BtnSNSend;

    // The eight line speeds, by speed code minus one.
    static const QStringList SpeedEntries;
};
