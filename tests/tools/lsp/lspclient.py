"""A small client of the language server protocol for the tests: starts
`kivparser lsp`, frames messages, keeps the notifications it receives while
it waits for an answer. Python's standard library only."""

import json
import os
import select
import subprocess
import time


class Client:
    def __init__(self, tool, env=None, cwd=None):
        self.process = subprocess.Popen([tool, "lsp"], stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                        stderr=subprocess.PIPE, env=env, cwd=cwd)
        self.next_id = 1
        self.notifications = []
        self.buffer = b""

    # ---- writing -------------------------------------------------------
    def send_raw(self, data):
        self.process.stdin.write(data)
        self.process.stdin.flush()

    def send(self, message):
        body = json.dumps(message).encode("utf-8")
        self.send_raw(b"Content-Length: %d\r\n\r\n" % len(body) + body)

    def notify(self, method, params=None):
        message = {"jsonrpc": "2.0", "method": method}
        if params is not None:
            message["params"] = params
        self.send(message)

    def request(self, method, params=None, timeout=20):
        ident = self.next_id
        self.next_id += 1
        message = {"jsonrpc": "2.0", "id": ident, "method": method}
        if params is not None:
            message["params"] = params
        self.send(message)
        return self.wait_for(lambda m: m.get("id") == ident and "method" not in m, timeout)

    # ---- reading -------------------------------------------------------
    def _fill(self, deadline):
        remaining = deadline - time.monotonic()
        if remaining <= 0:
            raise TimeoutError("no message from the server in time")
        ready, _, _ = select.select([self.process.stdout], [], [], remaining)
        if not ready:
            raise TimeoutError("no message from the server in time")
        chunk = os.read(self.process.stdout.fileno(), 65536)
        if not chunk:
            raise EOFError("the server closed its output")
        self.buffer += chunk

    def receive(self, timeout=20):
        deadline = time.monotonic() + timeout
        while b"\r\n\r\n" not in self.buffer:
            self._fill(deadline)
        header, _, rest = self.buffer.partition(b"\r\n\r\n")
        length = None
        for line in header.split(b"\r\n"):
            name, _, value = line.partition(b":")
            if name.strip().lower() == b"content-length":
                length = int(value.strip())
        if length is None:
            raise ValueError("a message without Content-Length: %r" % header)
        self.buffer = rest
        while len(self.buffer) < length:
            self._fill(deadline)
        body, self.buffer = self.buffer[:length], self.buffer[length:]
        return json.loads(body.decode("utf-8"))

    def wait_for(self, predicate, timeout=20):
        for i, message in enumerate(self.notifications):
            if predicate(message):
                del self.notifications[i]
                return message
        deadline = time.monotonic() + timeout
        while True:
            message = self.receive(max(0.01, deadline - time.monotonic()))
            if predicate(message):
                return message
            self.notifications.append(message)

    def diagnostics(self, uri=None, timeout=20):
        """The next publishDiagnostics (of `uri`, when given)."""
        def wanted(m):
            return m.get("method") == "textDocument/publishDiagnostics" and (uri is None or m["params"]["uri"] == uri)
        return self.wait_for(wanted, timeout)["params"]["diagnostics"]

    def drain(self, quiet=0.3):
        """Takes every message that arrives until the server is quiet."""
        while True:
            try:
                self.notifications.append(self.receive(quiet))
            except TimeoutError:
                return

    def exit_status(self, timeout=20):
        try:
            return self.process.wait(timeout)
        finally:
            self.process.stdin.close()
            self.process.stdout.close()
            self.process.stderr.close()

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
