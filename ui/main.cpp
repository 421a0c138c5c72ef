#include <QApplication>

#include "Display.h"
#include "MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ostrand::SetProgramArgument(argc > 0 ? argv[0] : nullptr);
    // Names the player's data folder (an installed copy's saved game) and the window class.
    QApplication::setApplicationName("ostrand-chess");
    // Ties the window to its desktop entry and icons.
    QGuiApplication::setDesktopFileName("org.example.OstrandChess");

    MainWindow window;
    window.Start();
    window.show();
    return app.exec();
}
