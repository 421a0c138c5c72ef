#include "GameExchange.h"

#include <QClipboard>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <QStandardPaths>

#include "EngineBoard.h"
#include "F_Board.h"
#include "GameRecord.h"
#include "Messages.h"
#include "Preferences.h"
#include "Support.h"
#include "Version.h"

namespace chess = ostrand::chess;

namespace {

constexpr const char* PgnFolderKey = "pgnFolder";

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

GameExchange::GameExchange(Host& host, QObject* parent) : QObject(parent), host_(host) {}

QString GameExchange::EngineName() {
    return QString("Ostrand Chess %1").arg(ostrand::Version);
}

chess::Colour GameExchange::EngineColour() const {
    return host_.Board().PlayerSide == 0 ? chess::Colour::Black : chess::Colour::White;
}

bool GameExchange::HoldsChessPosition(const QString& action) {
    if (host_.Record().HasGame()) return true;
    host_.Warn(action,
               tr("The board holds no chess position: %1.")
                   .arg(messages::Translated(QString::fromStdString(host_.Record().Problem()))));
    return false;
}

void GameExchange::CopyPosition() {
    if (host_.Board().EngineBusy()) return;
    if (!HoldsChessPosition(tr("Copy position"))) return;
    QGuiApplication::clipboard()->setText(QString::fromStdString(host_.Record().Fen()));
    host_.Notify(tr("Position copied"));
}

void GameExchange::CopyGame() {
    if (host_.Board().EngineBusy()) return;
    if (!HoldsChessPosition(tr("Copy game"))) return;
    QGuiApplication::clipboard()->setText(GameText());
    host_.Notify(tr("Game copied"));
}

// A text with a tag pair or a move number is taken for a game, anything else for a FEN.
void GameExchange::PastePosition() {
    if (host_.Board().EngineBusy()) return;
    const QString text = QGuiApplication::clipboard()->text();
    chess::Position position;
    std::string error;
    std::vector<chess::PgnGame> games;
    const bool fen = chess::ParseFen(text.simplified().toStdString(), position, error);
    if (!fen &&
        chess::ReadPgn(text.toStdString(), games, error, chess::CastlingRule::PawnsIgnored) &&
        (games.size() > 1 || !games[0].moves.empty() || !games[0].tags.empty())) {
        PlayChosenGame(games, tr("the pasted game"));
        return;
    }
    SetUpFen(text);
}

bool GameExchange::EngineMayMove() const {
    return host_.Record().DrawnBy() == GameRecord::DrawRule::None;
}

bool GameExchange::SetUpFen(const QString& fen) {
    F_Board& board = host_.Board();
    if (board.EngineBusy()) return false;
    // A FEN copied from a page or a file may come with blanks and line breaks round it.
    const QString text = fen.simplified();
    chess::Position position;
    std::string error;
    if (!chess::ParseFen(text.toStdString(), position, error)) {
        host_.Warn(tr("Set up position"),
                   tr("“%1” is no chess position: %2.")
                       .arg(text.left(100), messages::Translated(QString::fromStdString(error))));
        return false;
    }
    const chess::Colour engine = EngineColour();
    const std::string note = chess::SetUpEngine(position, engine);
    host_.Record().Start(position, engine);
    // The engine's answer belongs to the same step: taking back goes back before the paste.
    const bool engineMoves = position.toMove == engine && EngineMayMove();
    if (!engineMoves) host_.PushStep();
    host_.ShowGameAfresh();
    if (engineMoves) board.BtnForce_Click();
    host_.ShowSetUpNote(note);
    return true;
}

void GameExchange::OpenPgn() {
    if (host_.Board().EngineBusy()) return;
    const QString path = host_.AskOpenFileName(PgnFolder());
    if (path.isEmpty()) return;
    Preferences().setValue(PgnFolderKey, QFileInfo(path).absolutePath());
    OpenPgnFile(path);
}

bool GameExchange::OpenPgnFile(const QString& path) {
    if (host_.Board().EngineBusy()) return false;
    std::vector<chess::PgnGame> games;
    std::string error;
    // The engine's own games castle as its rules allow; standard games read the same.
    if (!chess::ReadPgnFile(path.toStdString(), games, error, chess::CastlingRule::PawnsIgnored)) {
        host_.Warn(tr("Open PGN"), messages::Translated(QString::fromStdString(error)));
        return false;
    }
    return PlayChosenGame(games, QFileInfo(path).fileName());
}

bool GameExchange::PlayChosenGame(const std::vector<chess::PgnGame>& games, const QString& name) {
    size_t chosen = 0;
    if (games.size() > 1) {
        QStringList titles;
        for (size_t i = 0; i < games.size(); ++i)
            titles << GameTitle(i, games[i]);
        const std::optional<int> choice = host_.ChooseGame(titles);
        if (!choice || *choice < 0 || static_cast<size_t>(*choice) >= games.size()) return false;
        chosen = static_cast<size_t>(*choice);
    }
    if (games.size() == 1) return PlayGame(games[0], name);
    return PlayGame(games[chosen], tr("%1, game %2").arg(name).arg(chosen + 1));
}

bool GameExchange::PlayGame(const chess::PgnGame& game, const QString& name) {
    F_Board& board = host_.Board();
    GameRecord& record = host_.Record();
    const chess::Colour engine = EngineColour();
    std::vector<std::string> texts;
    std::string error = game.error;
    if (error.empty()) chess::EngineMoves(game.start, game.moves, engine, texts, error);
    if (!error.empty()) {
        host_.Warn(tr("Open PGN"),
                   tr("Cannot play %1.\n\nAt %2.")
                       .arg(name, messages::Translated(QString::fromStdString(error))));
        return false;
    }

    // The engine would draw every move it commits; the board is drawn once, at the end.
    ostrand::SetDisplay(nullptr);
    const std::string note = chess::SetUpEngine(game.start, engine);
    record.Start(game.start, engine);
    // A step wherever the player has the move, as if they had played the game.
    if (game.start.toMove != engine) host_.PushStep();
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string& t = texts[i];
        ostrand::PlayMove(t[0] - '0', t[1] - '0', t[2] - '0', t[3] - '0');
        record.Add(game.moves[i]);
        if (record.Final().toMove != engine) host_.PushStep();
    }
    ostrand::SetDisplay(&board);
    // A game drawn with the engine to move ends in a step of its own.
    const bool engineMoves = record.Final().toMove == engine && EngineMayMove();
    if (record.Final().toMove == engine && !engineMoves) host_.PushStep();
    host_.ShowGameAfresh();
    if (engineMoves) board.BtnForce_Click();
    host_.ShowSetUpNote(note);
    host_.Notify(tr("Opened %1").arg(name));
    return true;
}

void GameExchange::SaveGameAsPgn() {
    if (host_.Board().EngineBusy()) return;
    if (!HoldsChessPosition(tr("Save game as PGN"))) return;
    const QString suggestion = QString("%1/Ostrand Chess %2.pgn")
                                   .arg(PgnFolder(), QDate::currentDate().toString(Qt::ISODate));
    const QString path = host_.AskSaveFileName(suggestion);
    if (path.isEmpty()) return;
    Preferences().setValue(PgnFolderKey, QFileInfo(path).absolutePath());
    SavePgnFile(path);
}

QString GameExchange::GameText() const {
    const GameRecord& record = host_.Record();
    if (!record.HasGame()) return {};
    chess::PgnGame game = record.Pgn(PlayerName, EngineName().toStdString(),
                                     QDate::currentDate().toString("yyyy.MM.dd").toStdString(),
                                     host_.PgnResult(), host_.Termination());
    if (const std::string control = host_.TimeControlTag(); !control.empty())
        game.SetTag("TimeControl", control);
    return QString::fromStdString(chess::WritePgn(game));
}

bool GameExchange::SavePgnFile(const QString& path) {
    if (!host_.Record().HasGame()) return false;
    const QByteArray text = GameText().toUtf8();
    // The file is replaced only once the whole game is written.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        host_.Warn(
            tr("Save game as PGN"),
            tr("Cannot write %1: %2.").arg(QDir::toNativeSeparators(path), file.errorString()));
        return false;
    }
    host_.Notify(tr("Saved %1").arg(QFileInfo(path).fileName()));
    return true;
}

QString GameExchange::PgnFolder() const {
    const QString folder = Preferences().value(PgnFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) return folder;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}
