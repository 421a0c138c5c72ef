#include "ClipboardAndFiles.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputDialog>
#include <QSaveFile>
#include <QStandardPaths>
#include <QWidget>

#include "Messages.h"
#include "Pgn.h"
#include "Preferences.h"

namespace chess = ostrand::chess;

namespace {

QString PgnFilter() {
    return ClipboardAndFiles::tr("PGN games (*.pgn *.PGN);;All files (*)");
}

// How the chooser lists a file's game: "2. Moss – Hale, Club championship, 2024.03.09, 0-1".
QString GameTitle(size_t index, const chess::PgnGame& game) {
    QString title = QString("%1. %2 – %3")
                        .arg(index + 1)
                        .arg(QString::fromStdString(game.Tag("White")),
                             QString::fromStdString(game.Tag("Black")));
    for (const char* tag : {"Event", "Date"}) {
        const QString value = QString::fromStdString(game.Tag(tag));
        if (!value.isEmpty() && !value.startsWith('?')) title += ", " + value;
    }
    return title + ", " + QString::fromStdString(game.result);
}

}  // namespace

ClipboardAndFiles::ClipboardAndFiles(ostrand::game::GameSession& session, QWidget* dialogParent)
    : QObject(dialogParent), session_(session) {
    AskOpenFileName = [dialogParent](const QString& folder) {
        return QFileDialog::getOpenFileName(dialogParent, tr("Open PGN"), folder, PgnFilter());
    };
    AskSaveFileName = [dialogParent](const QString& suggestion) {
        QFileDialog dialog(dialogParent, tr("Save game as PGN"), suggestion, PgnFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix("pgn");
        return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
    };
    ChooseGame = [dialogParent](const QStringList& games) -> std::optional<int> {
        bool chosen = false;
        const QString game =
            QInputDialog::getItem(dialogParent, tr("Open PGN"),
                                  tr("The file holds several games. Which one shall be played?"),
                                  games, 0, false, &chosen);
        if (!chosen) return std::nullopt;
        return static_cast<int>(games.indexOf(game));
    };
}

bool ClipboardAndFiles::Idle() const {
    return !session_.CurrentStatus().thinking;
}

bool ClipboardAndFiles::HoldsChessPosition(const QString& action) {
    const ostrand::game::Status status = session_.CurrentStatus();
    if (status.hasGame) return true;
    emit Warned(action, tr("The board holds no chess position: %1.")
                            .arg(messages::Translated(QString::fromStdString(status.problem))));
    return false;
}

void ClipboardAndFiles::CopyPosition() {
    if (!Idle() || !HoldsChessPosition(tr("Copy position"))) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(session_.Fen()));
    emit Notified(tr("Position copied"));
}

void ClipboardAndFiles::CopyGame() {
    if (!Idle() || !HoldsChessPosition(tr("Copy game"))) return;
    QGuiApplication::clipboard()->setText(GameText());
    emit Notified(tr("Game copied"));
}

// A text with a tag pair or a move number is taken for a game, anything else for a FEN.
void ClipboardAndFiles::PastePosition() {
    if (!Idle()) return;
    const QString text = QGuiApplication::clipboard()->text();
    chess::Position position;
    std::string error;
    std::vector<chess::PgnGame> games;
    const bool fen = chess::ParseFen(text.simplified().toStdString(), position, error);
    if (!fen &&
        chess::ReadPgn(text.toStdString(), games, error, chess::CastlingRule::PawnsIgnored) &&
        (games.size() > 1 || !games[0].moves.empty() || !games[0].tags.empty())) {
        SetUpChosenGame(games, tr("the pasted game"));
        return;
    }
    SetUpFen(text);
}

bool ClipboardAndFiles::SetUpFen(const QString& fen) {
    if (!Idle()) return false;
    // A FEN copied from a page or a file may come with blanks and line breaks round it.
    const QString text = fen.simplified();
    std::string error;
    if (!session_.SetUpFen(text.toStdString(), error)) {
        emit Warned(tr("Set up position"),
                    tr("“%1” is no chess position: %2.")
                        .arg(text.left(100), messages::Translated(QString::fromStdString(error))));
        return false;
    }
    emit SetUp(QString::fromStdString(session_.SetUpNote()));
    return true;
}

void ClipboardAndFiles::OpenPgn() {
    if (!Idle()) return;
    const QString path = AskOpenFileName(PgnFolder());
    if (path.isEmpty()) return;
    Preferences().setValue(preference::PgnFolder, QFileInfo(path).absolutePath());
    OpenPgnFile(path);
}

bool ClipboardAndFiles::OpenPgnFile(const QString& path) {
    if (!Idle()) return false;
    std::vector<chess::PgnGame> games;
    std::string error;
    // The engine's own games castle as its rules allow; standard games read the same.
    if (!chess::ReadPgnFile(path.toStdString(), games, error, chess::CastlingRule::PawnsIgnored)) {
        emit Warned(tr("Open PGN"), messages::Translated(QString::fromStdString(error)));
        return false;
    }
    return SetUpChosenGame(games, QFileInfo(path).fileName());
}

bool ClipboardAndFiles::SetUpChosenGame(const std::vector<chess::PgnGame>& games,
                                        const QString& name) {
    if (games.size() == 1) return SetUpGame(games[0], name);
    QStringList titles;
    for (size_t i = 0; i < games.size(); ++i)
        titles << GameTitle(i, games[i]);
    const std::optional<int> choice = ChooseGame(titles);
    if (!choice || *choice < 0 || static_cast<size_t>(*choice) >= games.size()) return false;
    const auto chosen = static_cast<size_t>(*choice);
    return SetUpGame(games[chosen], tr("%1, game %2").arg(name).arg(chosen + 1));
}

bool ClipboardAndFiles::SetUpGame(const chess::PgnGame& game, const QString& name) {
    std::string error = game.error;
    if (error.empty()) session_.SetUpGame(game, error);
    if (!error.empty()) {
        emit Warned(tr("Open PGN"),
                    tr("Cannot play %1.\n\nAt %2.")
                        .arg(name, messages::Translated(QString::fromStdString(error))));
        return false;
    }
    emit SetUp(QString::fromStdString(session_.SetUpNote()));
    emit GameRead(game);
    emit Notified(tr("Opened %1").arg(name));
    return true;
}

void ClipboardAndFiles::SaveGameAsPgn() {
    if (!Idle() || !HoldsChessPosition(tr("Save game as PGN"))) return;
    const QString suggestion = QString("%1/Ostrand Chess %2.pgn")
                                   .arg(PgnFolder(), QDate::currentDate().toString(Qt::ISODate));
    const QString path = AskSaveFileName(suggestion);
    if (path.isEmpty()) return;
    Preferences().setValue(preference::PgnFolder, QFileInfo(path).absolutePath());
    SavePgnFile(path);
}

QString ClipboardAndFiles::GameText() const {
    if (!session_.CurrentStatus().hasGame) return {};
    const std::string date = QDate::currentDate().toString("yyyy.MM.dd").toStdString();
    const chess::PgnGame game = session_.Pgn(date);
    return QString::fromStdString(chess::WritePgn(Annotate ? Annotate(game) : game));
}

bool ClipboardAndFiles::SavePgnFile(const QString& path) {
    if (!session_.CurrentStatus().hasGame) return false;
    const QByteArray text = GameText().toUtf8();
    // The file is replaced only once the whole game is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        emit Warned(
            tr("Save game as PGN"),
            tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    emit Notified(tr("Saved %1").arg(QFileInfo(path).fileName()));
    return true;
}

QString ClipboardAndFiles::PgnFolder() const {
    const QString folder = Preferences().value(preference::PgnFolder).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
