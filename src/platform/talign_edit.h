#pragma once
// An edit field with centred text and the key events of TEdit.
#include "platform/tedit.h"

class TAlignEdit : public TEdit {
    Q_OBJECT
public:
    explicit TAlignEdit(QWidget* parent = nullptr);
};
