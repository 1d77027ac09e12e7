#include "app/tmain.h"
#include "platform/dialogs.h"
#include "platform/qt_serial_transport.h"

#include <QApplication>
#include <QFont>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Message boxes carry the program's name; a display name would also be appended to the
    // window's own caption, which must read exactly as it does.
    QApplication::setApplicationName("Конфигуратор");
    QFont font("DejaVu Sans");
    font.setPointSize(8);
    QApplication::setFont(font);

    QtDialogs dialogs;
    TMain window(dialogs, std::make_unique<QtSerialTransport>());
    dialogs.setParent(&window);
    window.show();
    window.activateWindow();
    return app.exec();
}
