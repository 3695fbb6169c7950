#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Listens to the window program's sounds on a machine without speakers.

Starts a private PulseAudio server with a null sink, a virtual X display and the program, plays
through one scene with xdotool, records the sink's monitor and counts the sound onsets heard.
Every sound the program asks for is written to its error output (the ruvo.sound logging
category), so each request can be matched with what was heard.

Scenes:
  game SECONDS   a four-computer game at half a second a move: onsets and requests a minute,
                 and the requests with no onset heard
  menu CLICKS    clicks MENU and closes its menu CLICKS times: which of the clicks' sounds
                 were heard
  preview KEYS   a game of four persons: Right on the command line previews the next piece
                 KEYS times, each with the move sound: which of them were heard
  thanks         a four-computer game quit with EXIT and Yes: whether the closing sound was
                 heard, and how long the program took to end after Yes

Usage: scripts/hear-sounds.py [--program build/ruvo] [--verbose] SCENE [N]
Needs pulseaudio, pulseaudio-utils (parec, pactl), xvfb and xdotool.
"""
import argparse
import array
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import wave

RATE = 44100
FRAME = RATE // 200  # 5 ms
LOUD = 200  # a sample above this in absolute value is heard
QUIET_FRAMES = 4  # 20 ms of silence before a new sound
RISE = 3.0  # or a frame this many times louder than the 20 ms before it
HEARD_WITHIN = 0.15  # seconds from a request to its onset, once the output's delay is known
SAME_SOUND = 0.15  # onsets closer than this are parts of one sound (Shsh-dot, kvterr2)

VERBOSE = False
REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def onsets(samples):
    """Times in seconds where a sound begins: a loud frame after silence, or a sharp rise."""
    found = []
    history = [0] * QUIET_FRAMES
    for start in range(0, len(samples) - 2 * FRAME, 2 * FRAME):
        peak = max(abs(v) for v in samples[start:start + 2 * FRAME])
        before = max(history)
        if peak > LOUD and (before <= LOUD or peak > RISE * before):
            if not found or start / 2 / RATE - found[-1] > SAME_SOUND:
                found.append(start / 2 / RATE)
        history = history[1:] + [peak]
    return found


class Session:
    def __init__(self, program, work):
        self.program = program
        self.work = work
        self.procs = []
        self.requests = []  # (seconds since the recording began, file)
        self.t0 = None
        runtime = os.path.join(work, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env = dict(os.environ, XDG_RUNTIME_DIR=runtime, HOME=work,
                        PULSE_SERVER="unix:" + os.path.join(runtime, "pulse", "native"))
        self.env.pop("QT_QPA_PLATFORM", None)

    def start(self, name, args, **kw):
        proc = subprocess.Popen(args, env=self.env, **kw)
        self.procs.append((name, proc))
        return proc

    def wait_for(self, test, seconds, what):
        deadline = time.monotonic() + seconds
        while not test():
            if time.monotonic() > deadline:
                sys.exit("hear-sounds: %s did not start" % what)
            time.sleep(0.05)

    def quiet(self, args):
        return subprocess.run(args, env=self.env, stdout=subprocess.PIPE,
                              stderr=subprocess.DEVNULL).returncode == 0

    def sound_server(self):
        self.start("pulseaudio", ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                                  "--load=module-null-sink sink_name=nulls",
                                  "--load=module-native-protocol-unix"],
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_for(lambda: self.quiet(["pactl", "set-default-sink", "nulls"]), 10,
                      "pulseaudio")

    def display(self, size="1600x1000"):
        number = 300 + os.getpid() % 600
        self.env["DISPLAY"] = ":%d" % number
        self.start("Xvfb", ["Xvfb", self.env["DISPLAY"], "-screen", "0", size + "x24",
                            "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                   stderr=subprocess.DEVNULL)
        self.wait_for(lambda: self.quiet(["xdotool", "getmouselocation"]), 10, "Xvfb")

    def settings(self, speed, types):
        with open(os.path.join(REPO, "data", "ruvo.cfg"), newline="") as f:
            lines = f.read().split("\r\n")
        lines[0] = '"Speed Factor",%d,1' % speed
        lines[1] = '"Player Type",' + ",".join('"%s"' % t for t in types)
        with open(os.path.join(self.work, "ruvo.cfg"), "w", newline="") as f:
            f.write("\r\n".join(lines))

    def game_file(self, types):
        """A game in the middle, every piece of the players on the track free to move."""
        source = os.path.join(REPO, "fuzz", "corpus", "SavedGamePlayFuzz", "midgame.ruv")
        with open(source, newline="") as f:
            lines = f.read().split("\r\n")
        lines[1] = "29,1"  # half a second a move, sound on
        lines[2] = ",".join('"%s"' % t for t in types)
        path = os.path.join(self.work, "persons.ruv")
        with open(path, "w", newline="") as f:
            f.write("\r\n".join(lines))
        return path

    def program_start(self, *args):
        env = dict(self.env, QT_LOGGING_RULES="ruvo.sound.debug=true")
        self.ruvo = subprocess.Popen([self.program, *args], env=env, cwd=self.work,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                     text=True)
        self.procs.append(("ruvo", self.ruvo))
        threading.Thread(target=self.read_requests, daemon=True).start()
        self.wait_for(lambda: self.window() is not None, 20, "ruvo")
        time.sleep(1.0)  # the sounds load a moment after the window shows

    def read_requests(self):
        for line in self.ruvo.stderr:
            match = re.search(r"sound request:? \"?([^\s\"]+)", line)
            if match and self.t0 is not None:
                self.requests.append((time.monotonic() - self.t0, match.group(1)))

    def window(self):
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Ruvo$"],
                             env=self.env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                             text=True).stdout.split()
        return out[0] if out else None

    def xdo(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL)

    def type_line(self, text):
        self.xdo("type", "--delay", "20", text)
        self.xdo("key", "Return")

    def record(self):
        path = os.path.join(self.work, "monitor.raw")
        self.raw = open(path, "wb")
        self.start("parec", ["parec", "-d", "nulls.monitor", "--raw", "--format=s16le",
                             "--channels=2", "--rate=%d" % RATE, "--latency-msec=10"],
                   stdout=self.raw)
        # The recording's first sample: worked out from the first samples written.
        self.wait_for(lambda: os.path.getsize(path) > 0, 10, "parec")
        self.first_sample = time.monotonic() - os.path.getsize(path) / 4 / RATE
        time.sleep(0.2)
        self.t0 = time.monotonic()

    def heard(self):
        """Stops the recording; the onsets heard, in seconds since t0, and the time recorded."""
        end = time.monotonic() - self.t0
        time.sleep(1.0)  # what is sounding now
        for name, proc in self.procs:
            if name == "parec":
                proc.send_signal(signal.SIGINT)
                proc.wait(5)
        self.raw.close()
        data = open(self.raw.name, "rb").read()
        samples = array.array("h")
        samples.frombytes(data[: len(data) // 4 * 4])
        shift = self.t0 - self.first_sample
        self.loud_until = next((i / 2 / RATE - shift
                                for i in range(len(samples) - 2 * FRAME, 0, -2 * FRAME)
                                if max(map(abs, samples[i:i + 2 * FRAME])) > LOUD), None)
        return [t - shift for t in onsets(samples) if t > shift], end

    def stop(self):
        for _, proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()


def matched(times, heard):
    """The times followed by an onset of their own. The recording's clock and the program's
    differ by the output's delay, which drifts slowly: it is first found as the delay that
    matches the most of the first times, then followed from match to match."""
    first = times[:15]
    delay, most = 0.0, -1
    for step in range(-30, 121):
        d = step / 100
        count = sum(any(t + d - 0.03 <= h <= t + d + HEARD_WITHIN for h in heard) for t in first)
        if count > most:
            delay, most = d, count
    got, used = [], set()
    for t in times:
        near = [h for h in heard if h not in used and t + delay - 0.1 <= h <= t + delay + 0.2]
        if near:
            h = min(near, key=lambda h: abs(h - t - delay))
            used.add(h)
            got.append(t)
            delay += 0.3 * (h - t - delay)
    return got


def scene_game(s, seconds):
    s.settings(29, "CCCC")
    s.program_start()
    s.record()
    s.type_line("start")
    time.sleep(seconds)
    heard, length = s.heard()
    heard = [h for h in heard if h < length + 0.3]
    requests = [t for t, _ in s.requests if t < length]
    # Requests close together sound as one onset.
    moments = [t for i, t in enumerate(requests) if i == 0 or t - requests[i - 1] > SAME_SOUND]
    got = matched(moments, heard)
    missed = [t for t in moments if t not in got]
    minute = 60.0 / length
    print("four computers, half a second a move, %.0f s recorded" % length)
    print("  sound requests: %d (%.0f a minute), at %d separate moments"
          % (len(requests), len(requests) * minute, len(moments)))
    print("  onsets heard:   %d (%.0f a minute)" % (len(heard), len(heard) * minute))
    print("  moments with a request and no onset heard: %d" % len(missed))
    if missed:
        print("    first at %.1f s, last at %.1f s" % (missed[0], missed[-1]))
    if heard:
        print("  last onset heard at %.1f s" % heard[-1])


def geometry(s):
    out = subprocess.run(["xdotool", "getwindowgeometry", "--shell", s.window()], env=s.env,
                         stdout=subprocess.PIPE, text=True).stdout
    g = dict(line.split("=") for line in out.split())
    return int(g["X"]), int(g["Y"]), int(g["HEIGHT"])


def menu_position(s):
    """The centre of the board: MENU."""
    x, y, h = geometry(s)
    board = h - 24  # the command line is under the board
    return x + board // 2, y + board // 2


def click_command_line(s):
    x, y, h = geometry(s)
    s.xdo("mousemove", str(x + 60), str(y + h - 10), "click", "1")


def repeat(s, what, count, action):
    """Does action count times, 0.7 s apart, and says which of the sounds asked for were heard."""
    s.record()
    for _ in range(count):
        action()
        time.sleep(0.7)
    heard, _ = s.heard()
    asked = [t for t, _ in s.requests]
    got = matched(asked, heard)
    if VERBOSE:
        print("  asked at: " + " ".join("%.2f" % t for t in asked))
        print("  heard at: " + " ".join("%.2f" % t for t in heard))
    print("%s: %d done, %d sounds asked for, %d of them heard (%d onsets)"
          % (what, count, len(asked), len(got), len(heard)))
    missing = [i + 1 for i, t in enumerate(asked) if t not in got]
    if missing:
        print("  not heard: " + " ".join(map(str, missing)))


def scene_menu(s, clicks):
    s.settings(29, "CCCC")
    s.program_start()
    x, y = menu_position(s)

    def click():
        s.xdo("mousemove", str(x), str(y), "click", "1")
        time.sleep(0.35)
        s.xdo("key", "Escape")

    repeat(s, "MENU clicks", clicks, click)


def scene_preview(s, keys):
    s.settings(29, "CCCC")
    s.program_start(s.game_file("HHHH"))
    s.xdo("key", "Return")  # OK to "Start loaded game ?"
    time.sleep(0.5)
    click_command_line(s)
    s.type_line("start")
    time.sleep(2.0)
    repeat(s, "previews (Right on the command line)", keys, lambda: s.xdo("key", "Right"))


def thanks_length():
    with wave.open(os.path.join(REPO, "data", "sounds", "Thanks.Wav")) as w:
        return w.getnframes() / w.getframerate()


def scene_thanks(s):
    s.settings(29, "CCCC")
    s.program_start()
    s.type_line("start")
    time.sleep(3.0)
    s.record()
    s.type_line("exit")
    time.sleep(1.0)  # the question is open; the game has stopped
    yes = time.monotonic() - s.t0
    s.xdo("key", "Return")
    try:
        s.ruvo.wait(10)
        ended = time.monotonic() - s.t0
    except subprocess.TimeoutExpired:
        ended = None
    time.sleep(0.8)
    heard, _ = s.heard()
    thanks = [t for t, name in s.requests if name.lower() == "thanks.wav"]
    after = [h for h in heard if h >= yes - 0.05]
    print("EXIT, Yes at %.2f s; closing sound asked for: %s" % (yes, "yes" if thanks else "no"))
    print("  onsets heard after Yes: %s" % " ".join("%.2f" % h for h in after))
    if s.loud_until is not None:
        print("  heard until %.2f s (the closing sound lasts %.2f s)"
              % (s.loud_until, thanks_length()))
    print("  program ended %s" % ("%.2f s after Yes" % (ended - yes) if ended else "not at all"))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--program", default=os.path.join(REPO, "build", "ruvo"))
    parser.add_argument("scene", choices=["game", "menu", "preview", "thanks"])
    parser.add_argument("--verbose", action="store_true",
                        help="list the times of the actions, onsets and requests")
    parser.add_argument("count", nargs="?", type=int)
    options = parser.parse_args()
    global VERBOSE
    VERBOSE = options.verbose
    for tool in ("pulseaudio", "parec", "pactl", "Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            sys.exit("hear-sounds: %s is needed (apt-get install pulseaudio pulseaudio-utils "
                     "xvfb xdotool)" % tool)
    work = tempfile.mkdtemp(prefix="ruvo-hear-")
    s = Session(os.path.abspath(options.program), work)
    try:
        s.sound_server()
        s.display()
        if options.scene == "game":
            scene_game(s, options.count or 60)
        elif options.scene == "menu":
            scene_menu(s, options.count or 30)
        elif options.scene == "preview":
            scene_preview(s, options.count or 10)
        else:
            scene_thanks(s)
    finally:
        s.stop()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
