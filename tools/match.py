#!/usr/bin/env python3
"""Plays games between two UCI engines, with a third engine process as the arbiter.

The arbiter (by default Debian's stockfish) lists the legal moves of every position
('go perft 1'), so that an illegal move ends the game and is reported, and it tells
mate from stalemate. Games are drawn by threefold repetition, the fifty-move rule or
a ply limit. With --clock both engines play on a clock, as in a GUI: the time from sending
"go" to reading "bestmove" is taken off the mover's clock, the increment is added after
the move, and a side whose clock runs out loses on time; after each game the script prints
how much of its clock Ostrand used and the least it had left. Without it, Ostrand keeps its
own time rules and the opponent has a fixed time a move. Standard library only.

  tools/match.py --games 6 build/release/tools/ostrand-engine -- /usr/games/stockfish
  tools/match.py --games 2 --fen "4k3/8/8/8/3p4/8/4P3/4K3 w - - 0 1" ENGINE -- OPPONENT
  tools/match.py --games 4 --clock 10+0.1 --option UCI_LimitStrength=true \
      --option UCI_Elo=1500 build/release/tools/ostrand-engine -- /usr/games/stockfish
"""
import argparse
import statistics
import subprocess
import sys
import time


class Engine:
    def __init__(self, command, name):
        self.name = name
        self.process = subprocess.Popen(command, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        text=True, bufsize=1)
        self.send("uci")
        self.read_until("uciok")

    def send(self, line):
        self.process.stdin.write(line + "\n")
        self.process.stdin.flush()

    def read_until(self, prefix):
        lines = []
        while True:
            line = self.process.stdout.readline()
            if not line:
                raise RuntimeError(f"{self.name} ended unexpectedly")
            line = line.strip()
            lines.append(line)
            if line.startswith(prefix):
                return lines

    def ready(self):
        self.send("isready")
        self.read_until("readyok")

    def quit(self):
        try:
            self.send("quit")
            self.process.wait(timeout=30)
        except (OSError, subprocess.TimeoutExpired):
            self.process.kill()


# The position every game starts from: "startpos", or "fen" and a FEN (--fen).
START = "startpos"


def position_command(moves):
    return f"position {START}" + (" moves " + " ".join(moves) if moves else "")


def black_starts():
    return START.startswith("fen ") and START.split()[2] == "b"


def legal_moves(arbiter, moves):
    arbiter.send(position_command(moves))
    arbiter.send("go perft 1")
    lines = arbiter.read_until("Nodes searched")
    return {line.split(":")[0] for line in lines if ":" in line and not line.startswith("Nodes")}


def board_state(arbiter, moves):
    """The FEN and whether the side to move is in check."""
    arbiter.send(position_command(moves))
    arbiter.send("d")
    lines = arbiter.read_until("Checkers")
    fen = next(line[len("Fen: "):] for line in lines if line.startswith("Fen: "))
    in_check = lines[-1].strip() != "Checkers:"
    return fen, in_check


def clock_text(clock, increment):
    """The go command's clock fields; clock holds the seconds left for White and Black."""
    ms = [max(0, round(1000 * seconds)) for seconds in clock]
    inc = round(1000 * increment)
    return f"go wtime {ms[0]} btime {ms[1]} winc {inc} binc {inc}"


class ClockUse:
    """Ostrand's time on the clock in one game: what it spent and the least it had left."""
    def __init__(self):
        self.spent, self.lowest, self.moves = 0.0, None, 0


def play_game(white, black, arbiter, go, max_plies, time_control, use):
    moves, seen, illegal = [], {}, None
    clock = [time_control[0], time_control[0]] if time_control else None
    for engine in (white, black):
        engine.send("ucinewgame")
        engine.ready()
    while True:
        fen, in_check = board_state(arbiter, moves)
        key = " ".join(fen.split()[:4])
        seen[key] = seen.get(key, 0) + 1
        legal = legal_moves(arbiter, moves)
        if not legal:
            return ("0-1" if (len(moves) + black_starts()) % 2 == 0 else "1-0") if in_check else "1/2-1/2", moves, \
                "checkmate" if in_check else "stalemate", illegal
        if seen[key] >= 3:
            return "1/2-1/2", moves, "threefold repetition", illegal
        if int(fen.split()[4]) >= 100:
            return "1/2-1/2", moves, "fifty-move rule", illegal
        if len(moves) >= max_plies:
            return "1/2-1/2", moves, f"{max_plies} plies", illegal
        side = (len(moves) + black_starts()) % 2
        mover = white if side == 0 else black
        mover.send(position_command(moves))
        started = time.monotonic()
        mover.send(clock_text(clock, time_control[1]) if clock else go[mover.name])
        answer = mover.read_until("bestmove")[-1].split()[1]
        if clock:
            spent = time.monotonic() - started
            clock[side] -= spent
            if mover.name == "ostrand":
                use.spent += spent
                use.moves += 1
                use.lowest = clock[side] if use.lowest is None else min(use.lowest, clock[side])
            if clock[side] < 0:
                return ("0-1" if side == 0 else "1-0"), moves, \
                    f"{mover.name} lost on time, {-clock[side]:.3f} s over", illegal
            clock[side] += time_control[1]
        if answer not in legal:
            illegal = f"{mover.name} played the illegal move {answer} after {' '.join(moves)}"
            return ("0-1" if mover is white else "1-0"), moves, "illegal move", illegal
        moves.append(answer)


def main():
    global START
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--games", type=int, default=4)
    parser.add_argument("--max-plies", type=int, default=300)
    parser.add_argument("--skill", type=int, default=0, help="the opponent's Skill Level")
    parser.add_argument("--option", action="append", default=[], metavar="NAME=VALUE",
                        help="a UCI option for the opponent, after the Skill Level")
    parser.add_argument("--opponent-movetime", type=int, default=100)
    parser.add_argument("--clock", metavar="SECONDS+INCREMENT",
                        help="play both engines on a clock, for example 10+0.1")
    parser.add_argument("--arbiter", default="/usr/games/stockfish")
    parser.add_argument("--fen", action="append", default=[],
                        help="a position to start from instead of the initial one; given more "
                             "than once, the games take them in turn")
    parser.add_argument("commands", nargs=argparse.REMAINDER,
                        help="ENGINE ARGS... -- OPPONENT ARGS...")
    args = parser.parse_args()
    if "--" not in args.commands:
        parser.error("give both engines' command lines, separated by --")
    split = args.commands.index("--")
    time_control = None
    if args.clock:
        try:
            time_control = tuple(float(part) for part in args.clock.split("+"))
        except ValueError:
            time_control = ()
        if len(time_control) != 2 or min(time_control) < 0:
            parser.error("--clock takes SECONDS+INCREMENT, for example 10+0.1")
    ours = Engine(args.commands[:split], "ostrand")
    theirs = Engine(args.commands[split + 1:], "opponent")
    theirs.send(f"setoption name Skill Level value {args.skill}")
    for option in args.option:
        name, _, value = option.partition("=")
        theirs.send(f"setoption name {name} value {value}")
    theirs.ready()
    arbiter = Engine([args.arbiter], "arbiter")
    go = {"ostrand": "go", "opponent": f"go movetime {args.opponent_movetime}"}

    score, illegal_moves, time_losses, uses, lowest = 0.0, 0, 0, [], []
    for game in range(args.games):
        if args.fen:
            START = "fen " + args.fen[game % len(args.fen)]
        white, black = (ours, theirs) if game % 2 == 0 else (theirs, ours)
        use = ClockUse()
        result, moves, reason, illegal = play_game(white, black, arbiter, go, args.max_plies,
                                                   time_control, use)
        if illegal:
            illegal_moves += 1
            print(illegal)
        if reason.startswith("ostrand lost on time"):
            time_losses += 1
        points = {"1-0": 1.0, "0-1": 0.0}.get(result, 0.5)
        score += points if white is ours else 1.0 - points
        print(f"game {game + 1}: {white.name} - {black.name} {result} ({reason}, "
              f"{len(moves)} plies): {' '.join(moves)}", flush=True)
        if time_control and use.moves:
            # The share of the time the clock gave: the base time and the increments received.
            given = time_control[0] + time_control[1] * (use.moves - 1)
            uses.append(100 * use.spent / given)
            lowest.append(use.lowest)
            print(f"  ostrand's clock: {use.moves} moves, {use.spent:.1f} s used of "
                  f"{given:.1f} s ({uses[-1]:.0f} %), least left {use.lowest:.2f} s", flush=True)
    print(f"ostrand scored {score} of {args.games}; illegal moves: {illegal_moves}; "
          f"lost on time: {time_losses}")
    if uses:
        print(f"ostrand's clock use: median {statistics.median(uses):.0f} %, from "
              f"{min(uses):.0f} to {max(uses):.0f} %; least left {min(lowest):.2f} s")
    for engine in (ours, theirs, arbiter):
        engine.quit()
    return 1 if illegal_moves or time_losses else 0


if __name__ == "__main__":
    sys.exit(main())
