#!/usr/bin/env python3
"""Drives headless Chromium through the student page over the DevTools
protocol (standard library only) and saves screenshots.

    page_screenshots.py URL ROOM OUTDIR

Joins as a student, starts, answers, checks, reloads, and saves
join/question screenshots at 360 and 1280 pixels wide. Exits non-zero when a
step fails or test text shows up as markup."""
import base64, json, os, socket, struct, subprocess, sys, tempfile, time, urllib.request


class Tab:
    def __init__(self, ws_url):
        host, rest = ws_url[len("ws://"):].split("/", 1)
        h, p = host.split(":")
        self.sock = socket.create_connection((h, int(p)), timeout=20)
        key = base64.b64encode(os.urandom(16)).decode()
        self.sock.sendall((f"GET /{rest} HTTP/1.1\r\nHost: {host}\r\nUpgrade: websocket\r\n"
                           f"Connection: Upgrade\r\nSec-WebSocket-Key: {key}\r\n"
                           "Sec-WebSocket-Version: 13\r\n\r\n").encode())
        reply = b""
        while b"\r\n\r\n" not in reply:
            reply += self.sock.recv(1)
        assert b" 101 " in reply.split(b"\r\n")[0], reply
        self.next_id = 0

    def _send(self, text):
        data = text.encode()
        mask = os.urandom(4)
        header = bytes([0x81])
        n = len(data)
        header += bytes([0x80 | n]) if n < 126 else (bytes([0x80 | 126]) + struct.pack(">H", n) if n < 65536
                                                     else bytes([0x80 | 127]) + struct.pack(">Q", n))
        self.sock.sendall(header + mask + bytes(b ^ mask[i % 4] for i, b in enumerate(data)))

    def _exact(self, n):
        out = b""
        while len(out) < n:
            chunk = self.sock.recv(n - len(out))
            if not chunk:
                raise EOFError
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
            if reply.get("id") == self.next_id:
                if "error" in reply:
                    raise RuntimeError(f"{method}: {reply['error']}")
                return reply.get("result", {})

    def js(self, expression):
        result = self.call("Runtime.evaluate", expression=expression, awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def wait_for(self, expression, seconds=10):
        end = time.time() + seconds
        while time.time() < end:
            try:
                if self.js(expression):
                    return
            except RuntimeError:
                pass  # the page is still loading
            time.sleep(0.1)
        raise RuntimeError("timed out waiting for " + expression)

    def shot(self, width, path):
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=800, deviceScaleFactor=1,
                  mobile=width < 500)
        time.sleep(0.3)
        data = self.call("Page.captureScreenshot", format="png")["data"]
        with open(path, "wb") as out:
            out.write(base64.b64decode(data))


def main():
    url, room, outdir = sys.argv[1:4]
    profile = tempfile.mkdtemp()
    port = 9333
    browser = subprocess.Popen(["chromium", "--headless=new", "--no-sandbox", "--disable-gpu",
                                f"--remote-debugging-port={port}", f"--user-data-dir={profile}", "about:blank"],
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            try:
                pages = json.load(urllib.request.urlopen(f"http://127.0.0.1:{port}/json"))
                break
            except OSError:
                time.sleep(0.1)
        tab = Tab([p for p in pages if p["type"] == "page"][0]["webSocketDebuggerUrl"])
        tab.call("Page.enable")
        tab.call("Page.navigate", url=url)
        tab.wait_for("document.readyState === 'complete' && !document.getElementById('join').hidden")
        tab.shot(360, os.path.join(outdir, "classroom-join-360.png"))
        tab.js(f"document.getElementById('room').value = {json.dumps(room)};"
               "document.getElementById('name').value = 'Ann Lee';"
               "document.querySelector('#join-form button').click()")
        tab.wait_for("!document.getElementById('begin').hidden")
        tab.shot(360, os.path.join(outdir, "classroom-begin-360.png"))
        tab.js("document.querySelector('#start-form button').click()")
        tab.wait_for("!document.getElementById('question').hidden")
        tab.shot(360, os.path.join(outdir, "classroom-first-360.png"))
        # Keyboard alone: B chooses, Enter goes on.
        for key, code in (("b", 66), ("Enter", 13)):
            for kind in ("keyDown", "keyUp"):
                tab.call("Input.dispatchKeyEvent", type=kind, key=key, windowsVirtualKeyCode=code,
                         text=key if kind == "keyDown" and len(key) == 1 else "")
        tab.wait_for("document.getElementById('progress').textContent.startsWith('Question 2')")
        tab.js("document.querySelector('#answers input').click()")
        tab.wait_for("document.querySelector('#answers input').checked")
        time.sleep(0.3)
        tab.call("Page.reload")
        tab.wait_for("!document.getElementById('question').hidden && "
                     "document.getElementById('progress').textContent.startsWith('Question 2')")
        assert tab.js("document.querySelector('#answers input').checked"), "the answer was lost on reload"
        if tab.js("!document.getElementById('check').hidden"):
            tab.js("document.getElementById('check').click()")
            tab.wait_for("!document.getElementById('check-result').hidden")
        markup = tab.js("document.querySelectorAll('#main script, #main img[onerror], #main b').length")
        assert markup == 0, "test text became markup"
        tab.shot(360, os.path.join(outdir, "classroom-question-360.png"))
        tab.shot(1280, os.path.join(outdir, "classroom-question-1280.png"))
        print("page driven through join, start, keys, reload and check; screenshots in", outdir)
    finally:
        browser.terminate()
        browser.wait(timeout=10)


if __name__ == "__main__":
    main()
