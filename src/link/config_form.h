#pragma once
// The port dialog: the ports present as a list with tick boxes and the line settings as
// drop-down lists with an editable text. It reads "settings.ini" when shown and writes it only
// through "Сохранить" and, while the file does not exist yet, "Отмена".
//
// Place it with move(left, top) before exec(): the position is that of the window's frame, and
// the dialog keeps it when shown.
#include "link/port_settings.h"

#include <QDialog>
#include <QListWidget>
#include <array>
#include <functional>

class Dialogs;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class TComm32;

// The port list: a press while an entry is selected unticks every entry, the release ticks the
// selected one, so a click leaves exactly the clicked port ticked.
class TPortListBox : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    // Mouse events on the list, after the list has moved its selection.
    std::function<void()> OnMouseDown;
    std::function<void()> OnMouseUp;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class TConfigForm : public QDialog {
    Q_OBJECT
public:
    static const QString Caption;
    static constexpr QSize ClientSize{393, 284};
    // The outer size "Восстановить умолчания" gives the window, frame included.
    static constexpr QSize DefaultOuterSize{409, 304};

    // comm lists the ports present; programDir holds "settings.ini" and ends with a separator.
    TConfigForm(TComm32& comm, const QString& programDir, Dialogs& dialogs, QWidget* parent = nullptr);

    QGroupBox* GroupBox1;
    TPortListBox* ListPort;
    QComboBox* ComboBoudRate;
    QComboBox* ComboBitsSize;
    QComboBox* ComboParity;
    QComboBox* ComboStopBits;
    QComboBox* ComboStreem;
    QComboBox* ComboBufferRX;
    QComboBox* ComboBufferTX;
    QPushButton* ButtonRestoreDefault;
    QPushButton* ButtonSaveSet;
    QPushButton* ButtonCancel;

    // The combo box of a list.
    QComboBox* Combo(PortList list) const;

    void FormShow();
    void FormActivate();
    void ListPortMouseDown();
    void ListPortMouseUp();
    void ButtonSaveSetClick();
    void ButtonRestoreDefaultClick();
    void ButtonCancelClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QString settingsPath() const;
    QString storedPort() const;
    void fillPortList();
    int selectedRow() const;
    QString firstTickedPort() const;
    void showPosition(PortList list, int position);
    void writeSettings();

    TComm32& comm_;
    Dialogs& dialogs_;
    QString programDir_;
    std::array<QComboBox*, 7> combos_{};
    bool shown_ = false;
};
