// Plays "Save" and "Load" in the installed window from inside its own process. Qt loads this
// plugin into any program that names it in QT_QPA_GENERIC_PLUGINS, so the program under test
// is the installed one, unchanged, and no test hook lives in it.
//
// The driver lets the engine move ("Force"), saves, lets it move again and loads: the board
// must show the saved position again. It ends the program with 0 when it does, or prints what
// went wrong and exits with 1. A message box at any point (a save that failed, a saved game
// that was not found, missing tables) is a failure and its text is printed.
#include <QApplication>
#include <QGenericPlugin>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Fail(const QString& reason) {
    std::fprintf(stderr, "save-load driver: %s\n", qPrintable(reason));
    std::fflush(stderr);
    std::_Exit(1);
}

// The window's top-level widget that holds a button with this caption.
QPushButton* FindButton(const QString& caption) {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!top->isVisible()) continue;
        for (QPushButton* button : top->findChildren<QPushButton*>())
            if (button->text() == caption) return button;
    }
    return nullptr;
}

// What every picture box of the window shows: the squares, the palette and the swatches.
std::vector<QImage> Pictures(QWidget* window) {
    std::vector<QImage> pictures;
    for (QWidget* child : window->findChildren<QWidget*>())
        if (child->inherits("PictureBox")) pictures.push_back(child->grab().toImage());
    return pictures;
}

class Driver : public QObject {
  public:
    Driver() {
        // Every step is watched: a message box stops the step inside the window's handler.
        connect(&watch_, &QTimer::timeout, this, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                Fail("message box: " + box->text());
            if (++ticks_ > 600) Fail("the window did not finish within a minute");
        });
        watch_.start(100);
        connect(&start_, &QTimer::timeout, this, [this] {
            if (FindButton("Save")) {
                start_.stop();
                QTimer::singleShot(0, this, [this] { Run(); });
            }
        });
        start_.start(50);
    }

  private:
    void Run() {
        QWidget* window = FindButton("Save")->window();
        Press("Force");
        Press("Save");
        // A loaded game shows without the frames of the engine's last move.
        Press("Load");
        const std::vector<QImage> saved = Pictures(window);
        Press("Force");
        if (Pictures(window) == saved) Fail("the engine's second move changed nothing");
        Press("Load");
        if (Pictures(window) != saved) Fail("\"Load\" did not bring back the saved position");
        std::fprintf(stderr, "save-load driver: saved, played on and loaded back\n");
        QCoreApplication::exit(0);
    }

    static void Press(const QString& caption) {
        QPushButton* button = FindButton(caption);
        if (!button) Fail("no button \"" + caption + "\"");
        button->click();  // the handler runs to its end, engine search included
    }

    QTimer watch_;
    QTimer start_;
    static inline int ticks_ = 0;
};

class SaveLoadDriverPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "SaveLoadDriver.json")

  public:
    QObject* create(const QString& key, const QString&) override {
        return key == "ostrand-save-load" ? new Driver : nullptr;
    }
};

}  // namespace

#include "SaveLoadDriver.moc"
