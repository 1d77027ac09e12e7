#include "platform/talign_edit.h"

TAlignEdit::TAlignEdit(QWidget* parent) : TEdit(parent) {
    setAlignment(Qt::AlignCenter);
}
