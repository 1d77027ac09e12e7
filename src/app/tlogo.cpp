#include "app/tlogo.h"

#include "platform/ttimer.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

Tlogo::Tlogo(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog) {
    setObjectName("logo");
    setWindowTitle("Logo");
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(966, 220);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setGeometry(0, 0, 961, 217);
    Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Image1->setPixmap(QPixmap(":/resources/logo.png"));
    // A click on the picture does nothing; only the window's own surface closes it.
    Image1->setAttribute(Qt::WA_NoMousePropagation);

    // Centred on the screen, not over the main window, which is not placed yet.
    const QScreen* screen = parent && parent->screen() ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->geometry().center() - rect().center());

    Timer1 = new TTimer(this, 2000, true);
    Timer1->setObjectName("Timer1");
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void Tlogo::Timer1Timer() {
    Timer1->SetEnabled(false);
    accept();
}

void Tlogo::keyPressEvent(QKeyEvent* event) {
    if (!event->text().isEmpty())
        accept();
}

void Tlogo::mousePressEvent(QMouseEvent* event) {
    if (!Image1->geometry().contains(event->position().toPoint()))
        accept();
}
