#!/usr/bin/env python3
"""A whole classroom attempt in headless Chromium against a real `qwtool serve`.

    browser_attempt.py QWTOOL OUTDIR [AXE]

Makes a three-question test (one of them holding markup), serves it on a free
loopback port and takes it as a student would, by keyboard: the room code and
name, letters to answer, Enter to go on, one check, a reload in the middle,
and the finish; on each question nothing the page hides is drawn. A browser
set to Arabic then gets the page in Arabic, right to left. Then checks
the teacher's console, the results store and the saved screenshots of the page
at 360 and 1280 pixels wide in OUTDIR. With AXE (axe-core's axe.min.js), each
state of the page (join, question, review and end) is checked against WCAG 2.2
A and AA: any violation fails.

Chromium is driven over its DevTools protocol with the standard library alone:
nothing beyond `chromium` and `python3` is needed, and there is no driver
program whose version must match the browser's. The whole run ends within 60
seconds; on any failure the browser and the server are killed."""
import base64, csv, json, os, signal, socket, struct, subprocess, sys, tempfile, threading, time
import urllib.request

LIMIT_SECONDS = 60

QUESTIONS = """\
<script>window.injected = 1</script> Which number is even?
A) "><img src=x onerror="window.injected = 1">
B) 4
C) 7
ANSWER: B

What colour is the sky on a clear day?
A) Green
B) Red
C) Blue
ANSWER: C

How many legs has a spider?
A) Eight
B) Six
C) Four
ANSWER: A
"""
# What the student presses for each question, found by its first words: all
# right but the spider.
PRESS = {"<script>": "b", "What colour": "c", "How many legs": "b"}


class Failure(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise Failure(message)


class Tab:
    """One page of the browser over a WebSocket (RFC 6455, client side)."""

    def __init__(self, ws_url):
        host, rest = ws_url[len("ws://"):].split("/", 1)
        h, p = host.rsplit(":", 1)
        self.sock = socket.create_connection((h, int(p)), timeout=20)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET /{rest} HTTP/1.1\r\nHost: {host}\r\nUpgrade: websocket\r\n"
                           f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                           "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        reply = b""
        while b"\r\n\r\n" not in reply:
            chunk = self.sock.recv(1)
            if not chunk:
                raise EOFError("the browser closed the DevTools connection")
            reply += chunk
        expect(b" 101 " in reply.split(b"\r\n")[0], f"no WebSocket: {reply!r}")
        self.next_id = 0

    def _send(self, text):
        data = text.encode()
        mask = os.urandom(4)
        n = len(data)
        header = bytes([0x81]) + (bytes([0x80 | n]) if n < 126 else
                                  bytes([0x80 | 126]) + struct.pack(">H", n) if n < 65536 else
                                  bytes([0x80 | 127]) + struct.pack(">Q", n))
        self.sock.sendall(header + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def _exact(self, n):
        out = b""
        while len(out) < n:
            chunk = self.sock.recv(n - len(out))
            if not chunk:
                raise EOFError("the browser closed the DevTools connection")
            out += chunk
        return out

    def _receive(self):
        message = b""
        while True:
            first, second = self._exact(2)
            n = second & 0x7F
            if n == 126:
                n = struct.unpack(">H", self._exact(2))[0]
            elif n == 127:
                n = struct.unpack(">Q", self._exact(8))[0]
            message += self._exact(n)
            if first & 0x80:
                return json.loads(message)

    def call(self, method, **params):
        self.next_id += 1
        self._send(json.dumps({"id": self.next_id, "method": method, "params": params}))
        while True:
            reply = self._receive()
            if reply.get("method") == "Page.javascriptDialogOpening":
                raise Failure("the page asked: " + reply["params"]["message"])
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise Failure(f"{method}: {reply['error']}")
                return reply.get("result", {})

    def js(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            raise Failure(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, seconds=10):
        end = time.time() + seconds
        while time.time() < end:
            try:
                if self.js(expression):
                    return
            except Failure:
                pass  # the page is still loading
            time.sleep(0.05)
        raise Failure("timed out waiting for " + expression + "; the page says: " +
                      str(self.js("document.getElementById('status').textContent")))

    def key(self, key):
        """A key press as the keyboard makes it: Enter, or a letter."""
        code = 13 if key == "Enter" else ord(key.upper())
        text = "\r" if key == "Enter" else key
        self.call("Input.dispatchKeyEvent", type="keyDown", key=key, windowsVirtualKeyCode=code, text=text)
        self.call("Input.dispatchKeyEvent", type="keyUp", key=key, windowsVirtualKeyCode=code)

    def type(self, text):
        self.call("Input.insertText", text=text)

    def shot(self, width, path):
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=800 if width < 500 else 720,
                  deviceScaleFactor=1, mobile=width < 500)
        time.sleep(0.3)
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))
        expect(os.path.getsize(path) > 5000, f"{path} is nearly empty")


class Server:
    """`qwtool serve` on 127.0.0.1 and a free port; its console read as it comes."""

    def __init__(self, qwtool, test):
        self.process = subprocess.Popen([qwtool, "serve", test, "--bind", "127.0.0.1", "--port", "0"],
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True,
                                        start_new_session=True)
        self.lines = []
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()
        self.room = self.wait_line("Room code:").split()[-1]
        self.url = self.wait_line("Address:").split()[-1]

    def _read(self):
        for line in self.process.stdout:
            self.lines.append(line.rstrip("\n"))

    def wait_line(self, start, seconds=10):
        end = time.time() + seconds
        while time.time() < end:
            for line in self.lines:
                if line.startswith(start):
                    return line
            if self.process.poll() is not None and not self.reader.is_alive():
                break
            time.sleep(0.05)
        raise Failure(f"no line '{start}' from the server; it said: {self.lines}")

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        self.process.wait(timeout=10)
        self.reader.join(timeout=5)


def start_browser(profile):
    command = ["chromium", "--headless=new", "--disable-gpu", "--no-first-run", "--no-default-browser-check",
               "--disable-dev-shm-usage", "--remote-debugging-port=0", f"--user-data-dir={profile}",
               "about:blank"]
    # As root (CI), Chromium refuses to start without turning off its sandbox;
    # the browser only visits this server on loopback.
    if os.geteuid() == 0:
        command.insert(1, "--no-sandbox")
    browser = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    active = os.path.join(profile, "DevToolsActivePort")
    end = time.time() + 20
    while not os.path.exists(active) or len(open(active).read().split()) < 2:
        expect(time.time() < end and browser.poll() is None, "Chromium did not start")
        time.sleep(0.05)
    port = open(active).read().split()[0]
    pages = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json"))
    return browser, Tab([p for p in pages if p["type"] == "page"][0]["webSocketDebuggerUrl"])


def kill(process):
    if process and process.poll() is None:
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        process.wait()


AXE_RULES = ["wcag2a", "wcag2aa", "wcag21a", "wcag21aa", "wcag22aa"]


def audit(tab, axe, where):
    """axe-core's WCAG A and AA rules over the page as it stands."""
    if not axe:
        return
    if not tab.js("typeof axe !== 'undefined'"):
        tab.js(axe + "; true")
    found = tab.js("axe.run(document, {runOnly: %s}).then((r) => r.violations.map((v) => v.id + ' ' + "
                   "v.nodes.map((n) => n.target.join(' ')).join(', ')))" % json.dumps(AXE_RULES))
    expect(found == [], f"accessibility violations on the {where} page: {found}")


def question_text(tab):
    return tab.js("document.getElementById('question-text').textContent")


def press_for(text):
    for start, key in PRESS.items():
        if text.startswith(start):
            return key
    raise Failure("a question the test does not hold: " + text)


def answer(tab, number, outdir, quick=False):
    """Answers the question on the screen by keyboard; at the markup question
    checks that it shows as text; at the sky question saves the screenshots.
    Quick: returns as soon as the key is down, as a quick typist goes on."""
    tab.wait_for(f"!document.getElementById('question').hidden && "
                 f"document.getElementById('progress').textContent === 'Question {number} of 3'")
    text = question_text(tab)
    shown = tab.js("[...document.querySelectorAll('[hidden]')]"
                   ".filter((e) => getComputedStyle(e).display !== 'none').map((e) => e.id || e.tagName)")
    expect(shown == [], f"hidden yet shown on question {number}: {shown}")
    if text.startswith("<script>"):
        expect(text == "<script>window.injected = 1</script> Which number is even?", "markup changed: " + text)
        labels = tab.js("[...document.querySelectorAll('#answers label')].map((l) => l.textContent)")
        expect(labels[0] == 'A."><img src=x onerror="window.injected = 1">', f"answers: {labels}")
        expect(tab.js("document.querySelectorAll('#main script, #main img:not(#picture), [onerror]').length") == 0,
               "test text became markup")
    key = press_for(text)
    tab.key(key)
    if quick and not text.startswith("What colour"):
        return key
    tab.wait_for(f"document.querySelector('#answers input[value={key.upper()}]').checked")
    tab.wait_for(f"state.question.chosen === '{key.upper()}'")
    expect(tab.js("document.activeElement.value") == key.upper(), "the chosen answer lost the focus")
    if text.startswith("What colour"):
        tab.shot(360, os.path.join(outdir, "classroom-phone.png"))
        tab.shot(1280, os.path.join(outdir, "classroom-laptop.png"))
    return key


def run(qwtool, outdir, work, axe):
    os.makedirs(outdir, exist_ok=True)
    source = os.path.join(work, "questions.txt")
    with open(source, "w", encoding="utf-8") as out:
        out.write(QUESTIONS)
    test = os.path.join(work, "CLASS.QWT")
    subprocess.run([qwtool, "import", "aiken", source, test], check=True, timeout=20,
                   stdout=subprocess.DEVNULL)

    server = browser = None
    try:
        server = Server(qwtool, test)
        browser, tab = start_browser(os.path.join(work, "profile"))
        tab.call("Page.enable")
        tab.call("Page.navigate", url=server.url)
        tab.wait_for("document.readyState === 'complete' && !document.getElementById('join').hidden && "
                     "document.activeElement === document.getElementById('room')")
        audit(tab, axe, "join")
        tab.type(server.room.lower())
        tab.js("document.getElementById('name').focus()")
        tab.type("Ann Lee")
        tab.key("Enter")
        tab.wait_for("!document.getElementById('begin').hidden && "
                     "document.activeElement.closest('#start-form') !== null")
        server.wait_line("Joined:    Ann Lee")
        tab.key("Enter")

        # A letter and at once Enter: the answer is saved before the page
        # goes on.
        answer(tab, 1, outdir, quick=True)
        audit(tab, axe, "question")
        tab.key("Enter")

        # The second answer is saved, then the page reloads: it comes back on
        # the same question with the answer chosen, and the check follows.
        key = answer(tab, 2, outdir)
        tab.call("Page.reload")
        tab.wait_for("!document.getElementById('question').hidden && "
                     "document.getElementById('progress').textContent === 'Question 2 of 3'")
        expect(tab.js(f"document.querySelector('#answers input[value={key.upper()}]').checked"),
               "the answer was lost on reload")
        tab.js("document.getElementById('check').click()")
        tab.wait_for("!document.getElementById('check-result').hidden")
        expect(tab.js("document.querySelectorAll('#answers input:not(:disabled)').length") == 0,
               "a checked answer can still change")
        tab.key("Enter")

        answer(tab, 3, outdir, quick=True)
        tab.key("Enter")  # Enter on the last question finishes, with no question left blank
        tab.wait_for("!document.getElementById('finished').hidden")
        score = tab.js("document.getElementById('score').textContent")
        expect(score.startswith("You answered 2 of 3 questions right: "), "score: " + score)
        percent = score.rsplit(" ", 1)[-1].rstrip("%.")
        expect(tab.js("window.injected") is None, "test text ran as script")
        expect(tab.js("document.querySelectorAll('.review-item').length") == 1, "the review is not shown")
        audit(tab, axe, "review and end")
        tab.shot(360, os.path.join(outdir, "classroom-finished-phone.png"))

        # The teacher's console followed the student, and the store holds the
        # attempt with the score the page showed.
        server.wait_line("Finished:  Ann Lee")
        gradebook = os.path.join(work, "gradebook.csv")
        subprocess.run([qwtool, "results", test, "--source", "classroom", "--attempts", gradebook], check=True,
                       timeout=20, stdout=subprocess.DEVNULL)
        with open(gradebook, newline="", encoding="utf-8") as rows:
            attempts = list(csv.DictReader(rows))
        expect(len(attempts) == 1, f"attempts stored: {attempts}")
        expect(attempts[0]["Student"] == "Ann Lee" and attempts[0]["Score"] == "2" and
               attempts[0]["Percent"] == percent, f"stored: {attempts[0]}, page: {score}")
        # Another browser typing the same name waits for the teacher; it
        # never sees Ann's attempt.
        tab.js("localStorage.clear(); sessionStorage.clear(); true")
        tab.call("Page.navigate", url=server.url)
        tab.wait_for("!document.getElementById('join').hidden && document.activeElement === "
                     "document.getElementById('room')")
        tab.type(server.room)
        tab.js("document.getElementById('name').focus()")
        tab.type("ann lee")
        tab.key("Enter")
        tab.wait_for("!document.getElementById('waiting').hidden")
        expect(tab.js("document.getElementById('waiting-name').textContent") == "Ann Lee", "waiting for whom?")
        audit(tab, axe, "waiting")
        # A browser set to Arabic shows the page in Arabic, laid out right to left.
        tab.call("Network.setUserAgentOverride", userAgent=tab.js("navigator.userAgent"), acceptLanguage="ar")
        tab.call("Page.reload")
        tab.wait_for("!document.getElementById('waiting').hidden && document.documentElement.lang === 'ar'")
        expect(tab.js("document.documentElement.dir") == "rtl", "the Arabic page is not right to left")
        heading = tab.js("document.querySelector('#waiting h2').textContent")
        expect(heading == "\u0641\u064a \u0627\u0646\u062a\u0638\u0627\u0631 \u0627\u0644\u0645\u0639\u0644\u0645",
               "the Arabic page shows: " + heading)
        expect(tab.js("document.getElementById('waiting-name').textContent") == "Ann Lee", "the name left the text")
        audit(tab, axe, "waiting, in Arabic")
        tab.shot(360, os.path.join(outdir, "classroom-waiting-arabic.png"))
        server.wait_line("Asks:      Ann Lee asks to continue on another device")
        server.stop()
        server.wait_line("Session ended: 1 joined, 1 finished and stored.")
    finally:
        kill(browser)
        kill(server.process if server else None)


def main():
    qwtool, outdir = sys.argv[1:3]
    axe = None
    if len(sys.argv) > 3:
        with open(sys.argv[3], encoding="utf-8") as source:
            axe = source.read()

    def out_of_time(signum, frame):
        raise Failure(f"not done within {LIMIT_SECONDS} seconds")

    signal.signal(signal.SIGALRM, out_of_time)
    signal.alarm(LIMIT_SECONDS)
    with tempfile.TemporaryDirectory() as work:
        try:
            run(qwtool, os.path.abspath(outdir), work, axe)
        except (Failure, EOFError, OSError, subprocess.SubprocessError) as error:
            print("FAILED:", error, file=sys.stderr)
            return 1
    print("a whole attempt in Chromium: joined, answered by keyboard, checked, reloaded, finished, stored; "
          "screenshots in", outdir)
    return 0


if __name__ == "__main__":
    sys.exit(main())
