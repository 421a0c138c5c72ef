// Positions and games in the standard notations other chess programs read and write: the
// position in FEN to and from the clipboard, games in PGN to and from files. What it plays
// on the engine's board becomes steps of the window's game, which take back undoes.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "Pgn.h"

class F_Board;
class GameRecord;

class GameExchange : public QObject {
    Q_OBJECT

  public:
    // What the exchange asks of the window that keeps the game.
    class Host {
      public:
        virtual F_Board& Board() const = 0;
        virtual GameRecord& Record() = 0;
        // The engine's game and its record as they stand become the next step; the window
        // shows it at the next ShowGameAfresh.
        virtual void PushStep() = 0;
        // The board and the status line show the game afresh.
        virtual void ShowGameAfresh() = 0;
        // What the engine's board leaves out of a position it was given, for the player.
        virtual void ShowSetUpNote(const std::string& note) = 0;
        // A brief notice that something was done.
        virtual void Notify(const QString& text) = 0;
        // The game's result as PGN writes it, and how it ended when the engine does not know.
        virtual std::string PgnResult() const = 0;
        virtual std::string Termination() const = 0;
        // The time control of a timed game as PGN writes it ("300+0"); empty without a clock.
        virtual std::string TimeControlTag() const = 0;
        // The dialogs: an empty name or nothing for Cancel; ChooseGame returns the index of
        // one of games.
        virtual QString AskOpenFileName(const QString& folder) = 0;
        virtual QString AskSaveFileName(const QString& suggestion) = 0;
        virtual std::optional<int> ChooseGame(const QStringList& games) = 0;
        virtual void Warn(const QString& title, const QString& text) = 0;

      protected:
        ~Host() = default;
    };

    GameExchange(Host& host, QObject* parent);

    // The names a saved game gives the two sides.
    static constexpr const char* PlayerName = "Player";
    static QString EngineName();

    // Sets up a position in FEN as the next step: the player keeps their colour and the
    // engine moves at once when the position gives it the move. A text that is no position
    // is refused with a message and changes nothing.
    bool SetUpFen(const QString& fen);
    // Plays a PGN file's game (the one the player chooses when it holds several) as the next
    // steps, a move of the player with the engine's answer at a time. A game the engine's
    // rules cannot follow is refused with a message that names the move, and changes nothing.
    bool OpenPgnFile(const QString& path);
    // Writes the game since its start, or since the last edit, paste or load, to path.
    bool SavePgnFile(const QString& path);
    // The game as Save game as PGN writes it; empty while the board holds no chess position.
    QString GameText() const;

  public slots:
    // The position's FEN to the clipboard.
    void CopyPosition();
    // Sets up the clipboard's FEN, or plays its PGN game as an opened file's.
    void PastePosition();
    // The game in PGN to the clipboard.
    void CopyGame();
    void OpenPgn();
    void SaveGameAsPgn();

  private:
    // Whether the board holds a chess position; if not, says so under the action's name.
    bool HoldsChessPosition(const QString& action);
    // Plays the game the player chooses of games read from name, as OpenPgnFile describes.
    bool PlayChosenGame(const std::vector<ostrand::chess::PgnGame>& games, const QString& name);
    bool PlayGame(const ostrand::chess::PgnGame& game, const QString& name);
    // Whether the engine may move in the game as it stands: not in one drawn by rule.
    bool EngineMayMove() const;
    // The folder the PGN dialogs open in: the last one used, else the documents folder.
    QString PgnFolder() const;
    ostrand::chess::Colour EngineColour() const;

    Host& host_;
};
