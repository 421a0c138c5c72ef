#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <utility>

#include "ClipboardAndFiles.h"
#include "Display.h"
#include "F_Board.h"
#include "Language.h"
#include "MainWindow.h"
#include "Version.h"

namespace {

constexpr const char* FenOption = "fen";
constexpr const char* ClockOption = "clock";
constexpr const char* ZoomOption = "zoom";
constexpr const char* LangOption = "lang";

void Describe(QCommandLineParser& parser) {
    // Names the player's data folder (an installed copy's saved game) and the window class.
    QCoreApplication::setApplicationName("ostrand-chess");
    QCoreApplication::setApplicationVersion(ostrand::Version);
    parser.setApplicationDescription(
        QCoreApplication::translate("main", "Play chess against the computer."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {FenOption, QCoreApplication::translate("main", "Start from the position FEN (quote it)."),
         "FEN"});
    parser.addOption(
        {ClockOption,
         QCoreApplication::translate(
             "main", "Play on a clock: M minutes (decimals allowed) plus S seconds a move."),
         "M+S"});
    parser.addOption(
        {ZoomOption,
         QCoreApplication::translate("main", "Show the board at PERCENT: 100, 150, 200 or 300."),
         "PERCENT"});
    parser.addOption(
        {LangOption,
         QCoreApplication::translate("main",
                                     "Show the window in the language CODE (de, en, es, fr); "
                                     "by default the system's."),
         "CODE"});
    parser.addPositionalArgument(
        QCoreApplication::translate("main", "file"),
        QCoreApplication::translate("main", "Open the game of a PGN file."),
        QCoreApplication::translate("main", "[FILE.pgn]"));
}

// --help and --version are answered in the terminal that asked, which may have no display.
bool AsksForHelpOrVersion(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "--help", "-?", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0) return true;
    return false;
}

// Runs task once, soon after window is first exposed.
void WhenExposed(QWindow* window, std::function<void()> task) {
    class Watch : public QObject {
      public:
        Watch(QWindow* window, std::function<void()> task)
            : QObject(window), window_(window), task_(std::move(task)) {
            window->installEventFilter(this);
        }
        bool eventFilter(QObject*, QEvent* event) override {
            if (event->type() == QEvent::Expose && window_->isExposed()) {
                window_->removeEventFilter(this);
                QTimer::singleShot(0, window_, task_);
                deleteLater();
            }
            return false;
        }

      private:
        QWindow* window_;
        std::function<void()> task_;
    };
    new Watch(window, std::move(task));
}

// The texts of --help are in the chosen language too, so --lang is read before the parser,
// which needs them, runs.
QString LanguageOption(const QStringList& arguments) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        for (const QString& name : {QString("--") + LangOption, QString("-") + LangOption}) {
            if (argument == name && i + 1 < arguments.size()) return arguments[i + 1];
            if (argument.startsWith(name + "=")) return argument.mid(name.size() + 1);
        }
    }
    return {};
}

void Translate(QCoreApplication& app) {
    language::Install(
        app, language::Choose(LanguageOption(app.arguments()), MainWindow::LanguageSetting(),
                              language::SystemEnvironment()));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (AsksForHelpOrVersion(argc, argv)) {
        QCoreApplication terminal(argc, argv);
        Translate(terminal);
        QCommandLineParser parser;
        Describe(parser);
        parser.process(terminal);
    }

    QApplication app(argc, argv);
    Translate(app);
    ostrand::SetProgramArgument(argc > 0 ? argv[0] : nullptr);
    QCommandLineParser parser;
    Describe(parser);
    // Ties the window to its desktop entry and icons.
    QGuiApplication::setDesktopFileName("org.example.OstrandChess");
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() + (parser.isSet(FenOption) ? 1 : 0) > 1) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                     qPrintable(QCoreApplication::translate(
                         "main", "give one PGN file or one --fen, not more")));
        return 1;
    }

    int zoom = 0;
    if (parser.isSet(ZoomOption)) {
        bool number = false;
        zoom = parser.value(ZoomOption).toInt(&number);
        if (!number ||
            std::count(std::begin(F_Board::Zooms), std::end(F_Board::Zooms), zoom) == 0) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                         qPrintable(QCoreApplication::translate(
                                        "main", "--zoom takes 100, 150, 200 or 300, not %1")
                                        .arg(parser.value(ZoomOption))));
            return 1;
        }
    }

    std::optional<ostrand::game::TimeControl> clock;
    if (parser.isSet(ClockOption)) {
        clock = ostrand::game::TimeControl::Parse(parser.value(ClockOption).toStdString());
        if (!clock) {
            std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                         qPrintable(QCoreApplication::translate(
                                        "main",
                                        "--clock takes minutes and seconds a move, as in 5+0 or "
                                        "0.5+1, not %1")
                                        .arg(parser.value(ClockOption))));
            return 1;
        }
    }

    MainWindow window;
    // For this run only, as --zoom.
    if (clock) window.SetTimeControl(*clock, false);
    window.Start();
    // For this run only, over the kept size: the View menu's choice stays as it was kept.
    if (zoom != 0) window.SetZoom(zoom, false);
    window.show();
    // Once the window stands on the screen, so that the message box of a bad file or position
    // is centred on it; the new game stays.
    WhenExposed(window.windowHandle(), [&] {
        if (parser.isSet(FenOption)) window.Exchange().SetUpFen(parser.value(FenOption));
        if (!files.isEmpty()) window.Exchange().OpenPgnFile(files.front());
    });
    return app.exec();
}
