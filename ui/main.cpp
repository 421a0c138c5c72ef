#include <QApplication>

#include "F_Board.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The title of the engine's message boxes.
    QApplication::setApplicationName("Ostrand Chess");

    F_Board window;
    window.Form_Load();
    window.show();
    return app.exec();
}
