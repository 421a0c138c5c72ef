// Positions and games in the standard notations other chess programs read and write: the
// position in FEN to and from the clipboard, games in PGN to and from the clipboard and
// files, with the file dialogs. What it sets up the game session plays as the next step.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

#include "GameSession.h"

class QWidget;

class ClipboardAndFiles : public QObject {
    Q_OBJECT

  public:
    // The dialogs open over dialogParent.
    ClipboardAndFiles(ostrand::game::GameSession& session, QWidget* dialogParent);

    // The dialogs, which a test answers instead of a user: an empty name or nothing for
    // Cancel; ChooseGame returns the index of one of games.
    std::function<QString(const QString& folder)> AskOpenFileName;
    std::function<QString(const QString& suggestion)> AskSaveFileName;
    std::function<std::optional<int>(const QStringList& games)> ChooseGame;
    // What Save and Copy write: the game as played, with whatever its owner adds (an
    // analysis's comments and variations).
    std::function<ostrand::chess::PgnGame(const ostrand::chess::PgnGame& game)> Annotate;

    // Sets up a position in FEN as the next step: the player keeps their colour and the
    // engine moves at once when the position gives it the move. A text that is no position
    // is refused with a warning and changes nothing.
    bool SetUpFen(const QString& fen);
    // Sets up a PGN file's game (the one the player chooses when it holds several) as the
    // next steps. A game the engine's rules cannot follow is refused with a warning that names
    // the move, and changes nothing.
    bool OpenPgnFile(const QString& path);
    // Writes the game since its start, or since the last edit, paste or load, to path.
    bool SavePgnFile(const QString& path);
    // The game as Save game as PGN writes it; empty while the board holds no chess position.
    QString GameText() const;

  public slots:
    // The position's FEN to the clipboard.
    void CopyPosition();
    // Sets up the clipboard's FEN, or its PGN game as an opened file's.
    void PastePosition();
    // The game in PGN to the clipboard.
    void CopyGame();
    void OpenPgn();
    void SaveGameAsPgn();

  signals:
    void Warned(const QString& title, const QString& text);
    // A brief notice that something was done.
    void Notified(const QString& text);
    // A position or a game stands on the board as a new step; note says what the engine's
    // board left out of it ("set up without en passant on e3: ..."), or is empty.
    void SetUp(const QString& note);
    // A game opened or pasted stands on the board as it was read, annotations and all.
    void GameRead(const ostrand::chess::PgnGame& game);

  private:
    bool Idle() const;
    // Whether the board holds a chess position; if not, says so under the action's name.
    bool HoldsChessPosition(const QString& action);
    bool SetUpChosenGame(const std::vector<ostrand::chess::PgnGame>& games, const QString& name);
    bool SetUpGame(const ostrand::chess::PgnGame& game, const QString& name);
    // The folder the PGN dialogs open in: the last one used, else the documents folder.
    QString PgnFolder() const;

    ostrand::game::GameSession& session_;
};
