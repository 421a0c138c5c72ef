#!/usr/bin/env python3
"""One trial of the Windows window, ostrand-chess.exe, under Wine, as a player drives it.

    WindowTrial.py --wine WINE --program EXE --work FOLDER TRIAL

Each trial starts an X server of its own (Xvfb), the window in the Wine prefix FOLDER/prefix
with a fresh data folder, clicks and types with xdotool, and reads the screen's pixels from
ImageMagick's screenshots; it closes the window as a player does (Alt+F4) and then wants no
process of the prefix left and no "err:" line in Wine's log. Every wait polls for its
condition with a time limit. The screenshots stay in FOLDER/TRIAL/ for a failure's diagnosis.
The trial "prefix" only makes the prefix, which the others share one after another.
"""

import argparse
import os
import select
import shutil
import subprocess
import sys
import time
from pathlib import Path

TITLE = "^Ostrand Chess 6\\.3$"  # the window's title; its message boxes say "Ostrand Chess"

# Where the form puts its controls, in pixels of the client area at 100 % (15 twips a pixel):
# the board's squares overlap by their one-pixel black border, 24 pixels apart, a8 at the top
# left; a square's inside is white or grey when it is empty.
BOARD_LEFT, BOARD_TOP, PITCH = 9, 33, 24
LIGHT, DARK, BORDER = (255, 255, 255), (128, 128, 128), (0, 0, 0)
# The frames just inside a square's border: the picked piece's, the engine's move's.
PICKED, ENGINE_MOVE = (255, 0, 0), (0, 0, 255)
BUTTONS = {"New": (9, 249, 64, 22), "Save": (72, 249, 67, 22), "Load": (138, 249, 64, 22),
           "Force": (333, 234, 52, 22)}
START = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR"
# In the move list's first row, beside the form: Black's move of the first pair.
LIST_FIRST_BLACK_MOVE = (393 + 36 + 64 + 20, 8)


class Failure(Exception):
    pass


def poll(condition, what, timeout=30.0):
    """The first true value of condition(), or a Failure after timeout seconds that tells the
    last Failure condition() raised, if any, such as a screen drawn only in part."""
    end = time.monotonic() + timeout
    last = ""
    while True:
        try:
            value = condition()
            if value:
                return value
        except Failure as failure:
            last = f": {failure}"
        if time.monotonic() > end:
            raise Failure(f"no {what} within {timeout:.0f} s{last}")
        time.sleep(0.1)


class Shot:
    """A screenshot of the whole X screen, read from ImageMagick's PPM."""

    def __init__(self, data, path):
        # The header, "P6\nWIDTH HEIGHT\n255\n", ends at its third line end.
        end = 0
        for _ in range(3):
            end = data.index(b"\n", end) + 1
        magic, width, height, depth = data[:end].split()
        if magic != b"P6" or depth != b"255":
            raise Failure("import gave no 8-bit PPM")
        self.width, self.height = int(width), int(height)
        self.pixels = data[end:]
        self.path = path

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.pixels[at:at + 3])

    def region(self, left, top, width, height):
        return [self.pixels[3 * (y * self.width + left):3 * (y * self.width + left + width)]
                for y in range(top, top + height)]


def square(name):
    """The client position of a square's box, "a8" at the top left, white below."""
    return (BOARD_LEFT + PITCH * (ord(name[0]) - ord("a")), BOARD_TOP + PITCH * (8 - int(name[1])))


SQUARES = [f + r for r in "87654321" for f in "abcdefgh"]


def pieces(placement):
    """Each square's piece letter in a FEN's piece placement, None for an empty square."""
    row = ""
    for char in placement.replace("/", ""):
        row += "." * int(char) if char.isdigit() else char
    return {name: None if char == "." else char for name, char in zip(SQUARES, row)}


def colour(name):
    return LIGHT if (ord(name[0]) + int(name[1])) % 2 else DARK


class Trial:
    def __init__(self, args):
        self.args = args
        self.work = Path(args.work).resolve()
        self.folder = self.work / args.trial
        shutil.rmtree(self.folder, ignore_errors=True)
        self.folder.mkdir(parents=True)
        self.env = dict(os.environ, WINEPREFIX=str(self.work / "prefix"), WINEDEBUG="fixme-all",
                        WINEDLLOVERRIDES="mscoree,mshtml=", LANG="C.UTF-8",
                        HOME=str(self.work / "home"))
        self.env.pop("LC_ALL", None)
        self.env.pop("WAYLAND_DISPLAY", None)
        self.shots = {}
        self.children = []

    # The X server, the window, and their end.

    def start(self):
        read, write = os.pipe()
        server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1024x768x24",
                                   "-nolisten", "tcp"], pass_fds=(write,),
                                  stderr=subprocess.DEVNULL)
        self.children.append(server)
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise Failure("Xvfb did not start")
        self.env["DISPLAY"] = ":" + number
        self.appdata().mkdir(parents=True, exist_ok=True)
        shutil.rmtree(self.appdata() / "Ostrand Chess", ignore_errors=True)
        # Wine starts its services with the first program of a prefix; a window that came
        # first could ask for them too early, and two programs starting at once can wait on
        # each other for good. So a command prompt starts alone, keeps the services up until
        # the window has closed, and the window follows once the prompt is shown and the
        # RPC service runs.
        self.keeper = subprocess.Popen([self.args.wine, "cmd"], env=self.env,
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL)
        self.children.append(self.keeper)
        shown = b""
        end = time.monotonic() + 120
        while not shown.rstrip().endswith(b">"):
            if not select.select([self.keeper.stdout], [], [], max(0, end - time.monotonic()))[0]:
                raise Failure("no prompt of Wine's cmd within 120 s")
            read = os.read(self.keeper.stdout.fileno(), 4096)
            if not read:
                raise Failure("Wine's cmd ended at its start")
            shown += read
        poll(self.rpcss_running, "Wine's RPC service running", 60)
        self.log = open(self.folder / "wine.log", "wb")
        self.program = subprocess.Popen([self.args.wine, self.args.program], env=self.env,
                                        stdout=self.log, stderr=subprocess.STDOUT)
        self.children.append(self.program)
        self.window = poll(lambda: self.find(TITLE), "window titled Ostrand Chess 6.3", 120)
        self.origin = poll(self.menu_bar, "menu bar drawn at the window's top")
        self.xdotool("windowfocus", "--sync", self.window)
        # The start position's pictures of each piece on each colour of square, which the
        # other positions are held against.
        start = pieces(START)
        board = self.wait_for_board("start", lambda board: all(
            (board[name] is None) == (start[name] is None) for name in SQUARES))
        self.pictures = {}
        for name, piece in start.items():
            known = self.pictures.setdefault((piece, colour(name)), board[name])
            if piece and known != board[name]:
                raise Failure(f"{name}'s piece is drawn otherwise than its like")

    def rpcss_running(self):
        """Whether the RPC service, which the window's COM needs, runs; starts it when the
        service manager has it stopped, as Wine leaves it until a program asks."""
        def sc(command):
            return subprocess.run([self.args.wine, "sc", command, "rpcss"], env=self.env,
                                  capture_output=True, text=True, timeout=60).stdout
        state = sc("query")
        if "STOPPED" in state:
            sc("start")
        return "RUNNING" in state

    def find(self, title):
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                               env=self.env, capture_output=True, text=True).stdout.split()
        return found[0] if found else None

    def close(self):
        """Alt+F4 as a player closes the window; then every process of the prefix must end."""
        self.key("alt+F4")
        try:
            self.program.wait(timeout=30)
        except subprocess.TimeoutExpired:
            raise Failure("the window did not end on Alt+F4")
        if self.program.returncode != 0:
            raise Failure(f"the window ended with {self.program.returncode}")
        self.keeper.communicate(timeout=30)
        self.wait_for_prefix()

    def wait_for_prefix(self):
        try:
            subprocess.run(["wineserver", "-w"], env=self.env, timeout=60, check=True)
        except subprocess.TimeoutExpired:
            raise Failure("processes of the Wine prefix are left after the window closed")

    def finish(self):
        """Ends what the trial started, a failed trial's Wine programs included."""
        for child in reversed(self.children):
            if child.poll() is None:
                child.terminate()
                child.wait()
        if self.children:
            subprocess.run(["wineserver", "-k"], env=self.env, stderr=subprocess.DEVNULL)
        if hasattr(self, "log"):
            self.log.close()
            errors = [line for line in (self.folder / "wine.log").read_text(errors="replace")
                      .splitlines() if "err:" in line]
            if errors:
                raise Failure("Wine reported errors:\n" + "\n".join(errors))

    # What a player does and sees.

    def xdotool(self, *arguments):
        return subprocess.run(["xdotool", *map(str, arguments)], env=self.env, check=True,
                              capture_output=True, text=True, timeout=30).stdout

    def key(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def click(self, x, y):
        """A click at a point of the window's client area."""
        left, top = self.origin
        self.xdotool("mousemove", "--sync", left + x, top + y, "click", "1")

    def menu_bar(self):
        """The client area's top left on the screen once the window is drawn: below the menu
        bar, whose height is where its colour ends in the window's first column."""
        geometry = dict(line.split("=") for line in
                        self.xdotool("getwindowgeometry", "--shell", self.window).split())
        self.frame = [int(geometry[key]) for key in ("X", "Y", "WIDTH", "HEIGHT")]
        x, y = self.frame[0], self.frame[1]
        shot = self.shot("drawn")
        bar = shot.pixel(x, y)
        height = next((h for h in range(1, 40) if shot.pixel(x, y + h) != bar), 0)
        return (x, y + height) if bar != (0, 0, 0) and height >= 10 else None

    def shot(self, name):
        """A screenshot, kept as a PNG numbered in the order of the names first taken: a
        later one of the same name replaces it."""
        number = self.shots.setdefault(name, len(self.shots) + 1)
        path = self.folder / f"{number:02}-{name}.png"
        data = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"],
                              env=self.env, check=True, capture_output=True, timeout=30).stdout
        subprocess.run(["convert", "ppm:-", str(path)], input=data, check=True, timeout=30)
        return Shot(data, path)

    def board(self, shot):
        """Each square's inside as the screen shows it, None for an empty square. Fails when
        a square's border or colour is not where the form puts it."""
        left, top = self.origin
        seen = {}
        for name in SQUARES:
            x, y = square(name)
            x, y = x + left, y + top
            for edge in [(x, y + 12), (x + 24, y + 12), (x + 12, y), (x + 12, y + 24)]:
                if shot.pixel(*edge) != BORDER:
                    raise Failure(f"{name}'s border is not at {edge} on {shot.path}")
            inside = b"".join(shot.region(x + 2, y + 2, 21, 21))
            seen[name] = None if inside == bytes(colour(name)) * (21 * 21) else inside
        return seen

    def marked(self, shot, frame):
        """The squares framed in the colour frame."""
        left, top = self.origin
        return {name for name in SQUARES
                if shot.pixel(left + square(name)[0] + 1, top + square(name)[1] + 12) == frame}

    def shows(self, board, placement):
        """Whether the board shows a FEN's placement: the empty squares empty, a piece on the
        others, the same picture as the start position's where it has that piece on a square
        of that colour."""
        for name, piece in pieces(placement).items():
            if (board[name] is None) != (piece is None):
                return False
            picture = self.pictures.get((piece, colour(name)))
            if piece and picture and board[name] != picture:
                return False
        return True

    def expect(self, condition, what, shot):
        if not condition:
            raise Failure(f"not {what} on {shot.path}")

    def wait_for_board(self, name, condition, timeout=30):
        """The board once condition(board) holds, on a screenshot named name."""
        def attempt():
            board = self.board(self.shot(name))
            return board if condition(board) else None
        return poll(attempt, name, timeout)

    def click_square(self, name):
        x, y = square(name)
        self.click(x + 12, y + 12)

    def click_button(self, name):
        left, top, width, height = BUTTONS[name]
        self.click(left + width // 2, top + height // 2)

    def answer(self, title, key):
        """Answers the message box of that title with a key."""
        box = poll(lambda: self.find(f"^{title}$"), f"message box {title}")
        self.xdotool("windowfocus", "--sync", box)
        self.key(key)
        poll(lambda: not self.find(f"^{title}$"), f"end of the message box {title}")

    def play_e4(self):
        """e2-e4 by two clicks; the board once the engine's answer stands framed on it."""
        self.click_square("e2")
        poll(lambda: self.marked(self.shot("e2 picked"), PICKED) == {"e2"}, "frame on e2")
        self.click_square("e4")

        def answered():
            shot = self.shot("answered")
            board = self.board(shot)
            framed = self.marked(shot, ENGINE_MOVE)
            if len(framed) != 2 or board["e2"] or not board["e4"]:
                return None
            start, end = sorted(framed, key=lambda name: board[name] is not None)
            moved = [n for n, piece in pieces(START).items() if piece and n not in ("e2", start)]
            if (start[1] not in "78" or board[start] is not None or
                    {n for n in SQUARES if board[n]} != {*moved, "e4", end}):
                raise Failure(f"no answer of Black's framed {start}-{end} on {shot.path}")
            return board
        return poll(answered, "framed answer of the engine", 60)

    def appdata(self):
        users = self.work / "prefix" / "drive_c" / "users"
        roaming = [p for p in users.glob("*/AppData/Roaming") if p.parts[-3] != "Public"]
        if len(roaming) != 1:
            raise Failure(f"no one user's AppData\\Roaming in {users}")
        return roaming[0]


def make_prefix(trial):
    """A new prefix, without sound as a machine without a sound card: the window's sounds
    then play nowhere rather than fill the log with the search for a device."""
    for command in [["wineboot", "--init"],
                    ["reg", "add", "HKCU\\Software\\Wine\\Drivers", "/v", "Audio", "/d", "",
                     "/f"]]:
        subprocess.run([trial.args.wine, *command], env=trial.env, check=True, timeout=240,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    trial.wait_for_prefix()


def start_layout(trial):
    """The board and the buttons stand where the form puts them, the start position on it."""
    shot = trial.shot("start")
    board = trial.board(shot)
    if trial.marked(shot, PICKED) or trial.marked(shot, ENGINE_MOVE):
        raise Failure("a square is framed at the start")
    trial.expect(trial.shows(board, START), "the start position", shot)
    for name, (left, top, width, height) in BUTTONS.items():
        # The button's edge, in its own colour on all four sides, where the form puts it.
        x, y = trial.origin[0] + left, trial.origin[1] + top
        middle_x, middle_y = x + width // 2 + 8, y + height // 2
        edges = {shot.pixel(x, middle_y), shot.pixel(x + width - 1, middle_y),
                 shot.pixel(middle_x, y), shot.pixel(middle_x, y + height - 1)}
        inside = shot.pixel(x + 1, middle_y)
        outside = shot.pixel(x - 1, middle_y)
        trial.expect(len(edges) == 1 and inside not in edges and outside not in edges,
                     f"the button {name} at {left}, {top}", shot)


def move_and_take_back(trial):
    answered = trial.play_e4()
    trial.key("ctrl+z")
    trial.wait_for_board("taken back", lambda board: trial.shows(board, START))
    # The moves taken back stay in the list, and a click on one goes to them again.
    trial.click(*LIST_FIRST_BLACK_MOVE)
    trial.wait_for_board("gone to from the list", lambda board: board == answered)


def save_and_load(trial):
    """Save writes the saved game into the player's data folder; New, then Load brings the
    game back."""
    played = trial.play_e4()
    saved = trial.appdata() / "Ostrand Chess" / "Board.txt"
    trial.click_button("Save")
    poll(lambda: saved.is_file() and saved.stat().st_size > 0, f"saved game {saved}")
    trial.click_button("New")
    trial.answer("New Game", "Return")
    trial.wait_for_board("new game", lambda board: trial.shows(board, START))
    trial.click_button("Load")
    trial.wait_for_board("loaded", lambda board: board == played)


def paste_position(trial):
    """A FEN on the clipboard, pasted with the menu's shortcut, sets the board."""
    fen = "r1bqkbnr/pppp1ppp/2n5/4p3/4P3/5N2/PPPP1PPP/RNBQKB1R w KQkq - 2 3"
    clipboard = subprocess.Popen(["xclip", "-quiet", "-selection", "clipboard"], env=trial.env,
                                 stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                 stderr=subprocess.DEVNULL)
    trial.children.append(clipboard)
    clipboard.stdin.write(fen.encode())
    clipboard.stdin.close()
    trial.key("ctrl+v")
    trial.wait_for_board("pasted", lambda board: trial.shows(board, fen.split()[0]))


def picture(trial):
    """Not a trial: the window after 1. e4 and the engine's answer, the knight on g1 picked,
    cropped to the window as FOLDER/picture/window.png, the manual's screenshot."""
    trial.play_e4()
    trial.click_square("g1")
    # The pointer out of the way, and with it the square's tool tip.
    trial.xdotool("mousemove", "--sync", 1000, 700)
    left, top, width, height = trial.frame
    shots = [trial.shot("g1 picked")]

    def settled():
        shots.append(trial.shot("g1 picked"))
        window = [shot.region(left, top, width, height) for shot in shots[-2:]]
        return window[0] == window[1] and trial.marked(shots[-1], PICKED) == {"g1"}
    poll(settled, "settled window with g1 picked")
    shot = shots[-1]
    subprocess.run(["convert", str(shot.path), "-crop", f"{width}x{height}+{left}+{top}",
                    "+repage", "-strip", str(trial.folder / "window.png")], check=True)


TRIALS = {"start": start_layout, "move": move_and_take_back, "saveload": save_and_load,
          "paste": paste_position, "picture": picture}


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wine", required=True)
    parser.add_argument("--program", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("trial", choices=["prefix", *TRIALS])
    args = parser.parse_args()
    trial = Trial(args)
    problems = []
    try:
        if args.trial == "prefix":
            make_prefix(trial)
        else:
            trial.start()
            TRIALS[args.trial](trial)
            trial.close()
    except (Failure, subprocess.SubprocessError) as failure:
        problems.append(str(failure))
    try:
        trial.finish()
    except Failure as failure:
        problems.append(str(failure))
    if problems:
        print(f"{args.trial}: " + "\n".join(problems), file=sys.stderr)
        print(f"screenshots and Wine's log in {trial.folder}", file=sys.stderr)
        return 1
    print(f"{args.trial}: passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
