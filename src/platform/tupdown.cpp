#include "platform/tupdown.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name) {
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    // Held down, an arrow keeps stepping, like the system's spinner.
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), down_(arrowButton(this, Qt::LeftArrow, "ArrowDown")),
      up_(arrowButton(this, Qt::RightArrow, "ArrowUp")) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(down_);
    layout->addWidget(up_);
    connect(down_, &QToolButton::clicked, this, [this] { step(false); });
    connect(up_, &QToolButton::clicked, this, [this] { step(true); });
}

void TUpDown::SetMin(int value) {
    min_ = value;
    max_ = std::max(max_, min_);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetMax(int value) {
    max_ = value;
    min_ = std::min(min_, max_);
    position_ = std::clamp(position_, min_, max_);
}

void TUpDown::SetPosition(int value) {
    position_ = std::clamp(value, min_, max_);
}

void TUpDown::step(bool up) {
    const qint64 wanted = qint64(position_) + (up ? increment_ : -increment_);
    const int next = int(std::clamp<qint64>(wanted, min_, max_));
    if (next == position_)
        return;
    position_ = next;
    if (OnClick)
        OnClick(up);
}
