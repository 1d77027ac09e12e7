#pragma once
// The hours:minutes field. Its toolkit mask "!90:00;1;_" means: an optional first hour digit, a
// required second hour digit, the time separator, two required minute digits; the separator is
// part of the text, an unfilled position is held as a blank (an omitted optional digit as a
// leading one) and shown as "_". Leaving the field with an incomplete entry is accepted silently.
#include <QLineEdit>

class TMyMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    static constexpr const char* EditMask = "!90:00;1;_";

    explicit TMyMaskEdit(QWidget* parent = nullptr);

    // Always five characters, unfilled positions as blanks: "  :  " when empty, "09:05", " 9:05".
    QString Text() const;
    // Fills the positions from the text ("14:05"); missing or unfitting characters leave blanks.
    void SetText(const QString& text);
};
