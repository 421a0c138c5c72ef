#!/usr/bin/env python3
"""Measures the Elo of every level of ostrand-engine against Debian's stockfish.

Each level plays games against stockfish with UCI_LimitStrength at UCI_Elo settings near its
current estimate (1350, stockfish's lowest, up to 2850), alternating colours, or against the
engine's own levels, through which the levels below stockfish's range are measured. After every game all results are fitted together by maximum
likelihood (the logistic Elo model, a draw half a point), stockfish's settings held at their
UCI_Elo. The next game is the pairing that most narrows the intervals (the sum of the variances) for
the time it is likely to take, of those that can still finish before --until. The 95 % intervals come from the fit's information matrix, which
counts every game as win-or-loss and so errs on the wide side when there are draws.

The levels play by their own rules, as in the window: a plain "go" (Full strength by the
engine's time rules, the depth levels to their depth); stockfish has --movetime a move, with
Threads 1 and Hash 16. Games are drawn by threefold repetition, the fifty-move rule or at
--max-plies (tools/match.py plays them, a third stockfish as the arbiter).

  tools/calibrate.py --until 04:15 --log docs/calibration.log build/release/tools/ostrand-engine
  tools/calibrate.py --refit docs/calibration.log     # the table again from a log
"""
import argparse
import datetime
import math
import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from match import ClockUse, Engine, play_game  # noqa: E402

# The levels, strongest first, with the guesses that only order the first games.
LEVELS = {"Full strength": 1700, "Depth 6": 1600, "Depth 4": 1450, "Depth 2": 1150,
          "Casual": 900, "Beginner": 700}
# The levels that play the same move whenever they meet the same position: two of them
# would play one game over and over, so they never meet.
DETERMINISTIC = {"Full strength", "Depth 6", "Depth 4", "Depth 2"}
STOCKFISH_LOWEST, STOCKFISH_HIGHEST = 1350, 2850
K = math.log(10) / 400
PRIOR_SD = 300  # only for choosing opponents; the reported fit has no prior
SCHEDULING_SD = 1000  # weak enough that a level without an anchor shows as uncertain


def expected(ra, rb):
    return 1 / (1 + 10 ** ((rb - ra) / 400))


def solve(matrix, vector):
    """Gaussian elimination with partial pivoting; None for a singular matrix."""
    n = len(vector)
    a = [row[:] + [vector[i]] for i, row in enumerate(matrix)]
    for col in range(n):
        pivot = max(range(col, n), key=lambda r: abs(a[r][col]))
        if abs(a[pivot][col]) < 1e-12:
            return None
        a[col], a[pivot] = a[pivot], a[col]
        for r in range(n):
            if r != col:
                f = a[r][col] / a[col][col]
                a[r] = [x - f * y for x, y in zip(a[r], a[col])]
    return [a[i][n] / a[i][i] for i in range(n)]


def fit(games, prior):
    """Ratings and standard errors of the levels. games: (level, opponent, score), the
    opponent a level's name or a stockfish UCI_Elo (int). Without the prior (a vanishing one
    then only keeps the matrix regular), a level whose results do not pin it down (all won,
    all lost, no games) gets None."""
    prior_sd = PRIOR_SD if prior else 1e6
    names = list(LEVELS)
    index = {name: i for i, name in enumerate(names)}
    r = [float(LEVELS[name]) for name in names]
    n = len(names)
    info = None
    for _ in range(100):
        grad = [0.0] * n
        info = [[0.0] * n for _ in range(n)]
        for i, name in enumerate(names):
            grad[i] -= (r[i] - LEVELS[name]) / prior_sd ** 2
            info[i][i] += 1 / prior_sd ** 2
        for level, opponent, score in games:
            a = index[level]
            b = index.get(opponent) if isinstance(opponent, str) else None
            rb = r[b] if b is not None else opponent
            e = expected(r[a], rb)
            w = K * K * e * (1 - e)
            grad[a] += K * (score - e)
            info[a][a] += w
            if b is not None:
                grad[b] -= K * (score - e)
                info[b][b] += w
                info[a][b] -= w
                info[b][a] -= w
        step = solve(info, grad)
        if step is None:
            break
        step = [max(-200.0, min(200.0, s)) for s in step]
        r = [x + s for x, s in zip(r, step)]
        if max(abs(s) for s in step) < 0.01:
            break
    result = {}
    for i, name in enumerate(names):
        own = [s for lv, _, s in games if lv == name] + [1 - s for _, o, s in games if o == name]
        if not prior and (not own or sum(own) in (0, len(own))):
            result[name] = (None, None)
            continue
        unit = [1.0 if j == i else 0.0 for j in range(n)]
        column = solve(info, unit)
        variance = column[i] if column else None
        if variance is None or variance <= 0 or abs(r[i] - LEVELS[name]) > 2500:
            result[name] = (None, None)
        else:
            result[name] = (r[i], math.sqrt(variance))
    return result


def total_variance(games, ratings, extra=()):
    """The sum of the levels' variances, each game's information taken at the current
    estimates, after the games and the extra ones (level, opponent)."""
    names = list(LEVELS)
    index = {name: i for i, name in enumerate(names)}
    n = len(names)
    info = [[0.0] * n for _ in range(n)]
    for i in range(n):
        info[i][i] += 1 / SCHEDULING_SD ** 2
    for a_name, o in [(a, o) for a, o, _ in games] + list(extra):
        a = index[a_name]
        b = index.get(o) if isinstance(o, str) else None
        e = expected(ratings[a_name][0], ratings[o][0] if b is not None else o)
        w = K * K * e * (1 - e)
        info[a][a] += w
        if b is not None:
            info[b][b] += w
            info[a][b] -= w
            info[b][a] -= w
    return sum(solve(info, [1.0 if j == i else 0.0 for j in range(n)])[i] for i in range(n))


def table(games, control, machine):
    ratings = fit(games, prior=False)
    lines = ["| Level | Elo | 95 % interval | Games | Score | Opponents |", "|---|---|---|---|---|---|"]
    for name in LEVELS:
        own = [(o, s) for lv, o, s in games if lv == name] + \
              [(lv, 1 - s) for lv, o, s in games if o == name]
        points = sum(s for _, s in own)
        opponents = sorted({f"SF {o}" if isinstance(o, int) else o for o, _ in own})
        rating, sd = ratings[name]
        if rating is None:
            elo, interval = "not pinned down", "-"
        else:
            elo, interval = f"{rating:.0f}", f"±{1.96 * sd:.0f} ({rating - 1.96 * sd:.0f}–{rating + 1.96 * sd:.0f})"
        lines.append(f"| {name} | {elo} | {interval} | {len(own)} | {points:g} | "
                     f"{', '.join(opponents)} |")
    lines.append(f"Time control: {control}. Machine: {machine}. "
                 f"Date: {datetime.date.today().isoformat()}.")
    return "\n".join(lines)


def read_log(path):
    """The games of a log, each game played more than once (the same players, colours and
    moves) counted once."""
    games, seen = [], set()
    with open(path) as log:
        for line in log:
            # game N: LEVEL vs OPPONENT as white|black: score S (...): MOVES
            if line.startswith("game ") and " vs " in line and ": score " in line:
                head = line.split(": ", 1)[1]
                level, rest = head.split(" vs ", 1)
                opponent = rest.split(" as ", 1)[0]
                score = float(rest.split(": score ", 1)[1].split()[0])
                game = (level, opponent, rest.split(" as ", 1)[1].split(":", 1)[0],
                        rest.rsplit("): ", 1)[-1].strip())
                if game in seen:
                    continue
                seen.add(game)
                if opponent.startswith("SF "):
                    opponent = int(opponent[3:])
                games.append((level, opponent, score))
    return games


def machine_text():
    model = "unknown processor"
    try:
        with open("/proc/cpuinfo") as info:
            model = next(line.split(":", 1)[1].strip() for line in info
                         if line.startswith("model name"))
    except (OSError, StopIteration):
        pass
    return f"{model}, {os.cpu_count()} cores shared with other work"


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("engine", nargs="?", help="the ostrand-engine program")
    parser.add_argument("--until", help="start no game that would end after HH:MM (UTC)")
    parser.add_argument("--games", type=int, default=10000,
                        help="at most this many games in this run")
    parser.add_argument("--movetime", type=int, default=100, help="stockfish's ms a move")
    parser.add_argument("--max-plies", type=int, default=300)
    parser.add_argument("--stockfish", default="/usr/games/stockfish")
    parser.add_argument("--log", help="append every game and the table to this file")
    parser.add_argument("--refit", metavar="LOG", help="print the table of a log's games")
    args = parser.parse_args()
    control = (f"the levels by their own rules (no clock), stockfish {args.movetime} ms a "
               f"move; drawn at {args.max_plies} plies")
    if args.refit:
        print(table(read_log(args.refit), control, machine_text()))
        return 0
    if not args.engine:
        parser.error("give the ostrand-engine program")
    deadline = None
    if args.until:
        hours, minutes = (int(part) for part in args.until.split(":"))
        now = datetime.datetime.now(datetime.timezone.utc)
        deadline = now.replace(hour=hours, minute=minutes, second=0, microsecond=0)
        if deadline < now:
            deadline += datetime.timedelta(days=1)
    log = open(args.log, "a") if args.log else None

    def say(text):
        print(text, flush=True)
        if log:
            log.write(text + "\n")
            log.flush()

    levels = {}
    for name in LEVELS:
        engine = Engine([args.engine, "uci"], name)
        engine.send(f"setoption name Level value {name}")
        engine.ready()
        levels[name] = engine
    stockfish = Engine([args.stockfish], "stockfish")
    for option in ("Threads value 1", "Hash value 16", "UCI_LimitStrength value true"):
        stockfish.send(f"setoption name {option}")
    arbiter = Engine([args.stockfish], "arbiter")
    say(f"# calibration started {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} "
        f"UTC: {' '.join(sys.argv)}")
    say(f"# {control}; {machine_text()}")

    games = read_log(args.log) if args.log and os.path.exists(args.log) else []
    durations = {name: [] for name in LEVELS}
    # Colours alternate within each pairing, counting the games of an earlier run's log.
    white_games = {}
    if args.log and os.path.exists(args.log):
        with open(args.log) as old:
            for line in old:
                if line.startswith("game ") and " as white: " in line:
                    level, rest = line.split(": ", 1)[1].split(" vs ", 1)
                    key = (level, rest.split(" as ", 1)[0])
                    white_games[key] = white_games.get(key, 0) + 1
    # The durations an earlier run's log gives.
    if args.log and os.path.exists(args.log):
        with open(args.log) as old:
            for line in old:
                if line.startswith("game ") and " s): " in line:
                    level = line.split(": ", 1)[1].split(" vs ", 1)[0]
                    durations[level].append(float(line.split(" s): ", 1)[0].rsplit(", ", 1)[1]))
    played = 0
    while played < args.games:
        ratings = fit(games, prior=True)

        def expected_duration(name):
            seen = durations[name][-10:]
            return sum(seen) / len(seen) if seen else 60.0

        left = math.inf
        if deadline:
            left = (deadline - datetime.datetime.now(datetime.timezone.utc)).total_seconds()
        pairings = []
        for name in LEVELS:
            if expected_duration(name) * 1.2 >= left:
                continue
            offset = (-100, 0, 100)[len(durations[name]) % 3]
            setting = int(round((ratings[name][0] + offset) / 50) * 50)
            pairings.append((name, max(STOCKFISH_LOWEST, min(STOCKFISH_HIGHEST, setting))))
            pairings += [(name, other) for other in LEVELS
                         if other != name and expected_duration(other) * 1.2 < left and
                         not {name, other} <= DETERMINISTIC]
        if not pairings:
            break
        now_total = total_variance(games, ratings)

        def gain_per_second(pairing):
            level, other = pairing
            seconds = expected_duration(level)
            if isinstance(other, str):
                seconds = max(seconds, expected_duration(other))
            return (now_total - total_variance(games, ratings, [pairing])) / seconds

        name, opponent = max(pairings, key=gain_per_second)
        if isinstance(opponent, int):
            rival = stockfish
            rival.name = f"SF {opponent}"
            stockfish.send(f"setoption name UCI_Elo value {opponent}")
            stockfish.ready()
        else:
            rival = levels[opponent]
        ours = levels[name]
        key = (name, rival.name)
        pairing_games = sum(1 for lv, o, _ in games if lv == name and o == opponent)
        as_white = white_games.get(key, 0) * 2 <= pairing_games
        white, black = (ours, rival) if as_white else (rival, ours)
        go = {name: "go", rival.name: "go" if rival is not stockfish else
              f"go movetime {args.movetime}"}
        started = time.monotonic()
        result, moves, reason, illegal = play_game(white, black, arbiter, go, args.max_plies,
                                                   None, ClockUse())
        duration = time.monotonic() - started
        durations[name].append(duration)
        white_games[key] = white_games.get(key, 0) + as_white
        points = {"1-0": 1.0, "0-1": 0.0}.get(result, 0.5)
        score = points if as_white else 1 - points
        games.append((name, opponent, score))
        played += 1
        say(f"game {len(games)}: {name} vs {rival.name} as {'white' if as_white else 'black'}: "
            f"score {score:g} ({result}, {reason}, {len(moves)} plies, {duration:.0f} s)"
            + (f"; {illegal}" if illegal else "") + f": {' '.join(moves)}")
        if played % 10 == 0:
            say(table(games, control, machine_text()))
    say(f"# calibration ended {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC, "
        f"{len(games)} games")
    say(table(games, control, machine_text()))
    for engine in list(levels.values()) + [stockfish, arbiter]:
        engine.quit()
    return 0


if __name__ == "__main__":
    sys.exit(main())
