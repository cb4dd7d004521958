#!/usr/bin/env python3
"""Opens the preview pages of "kivparser preview" in headless Chromium and
checks them through the DOM, driving the browser with chromedriver over
WebDriver (HTTP on localhost, standard library only):

 - the page of the sample installation holds every entry of the merged menus
   ("kivparser menus --format=json") in the tree's order: the menu bars with
   their cascades, the toolbar, a popup menu per target symbol type, the tabs
   and the lists no tab opens;
 - a drop-down menu and a cascade open when the pointer moves over them, and
   close again;
 - the keyboard walks the menus: arrow keys, Enter, Escape, with aria-expanded
   and the focus where they belong;
 - choosing an entry shows its action in the side panel: selection rule,
   roles, the actions of a label with two;
 - the page of a hostile registration shows markup in its texts as text.

It takes a screenshot of the sample's page with a cascade open and an action
in the panel (the README's picture comes from it).

usage: preview_browser_check.py TOOL HOSTILE_DIR WORKDIR
The environment points the tool at the sample (KZ_ETC_PATH, KZwwwBitmapDir).
"""

import base64
import json
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time
import urllib.error
import urllib.request

CHROMIUM_ARGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--window-size=1280,860", "--hide-scrollbars", "--force-device-scale-factor=1"]
ELEMENT = "element-6066-11e4-a52e-4f735466cecf"
KEYS = {"Down": "\ue015", "Up": "\ue013", "Left": "\ue012", "Right": "\ue014", "Enter": "\ue007",
        "Escape": "\ue00c"}

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAIL: " + message, file=sys.stderr)
    return condition


def chromium_binary():
    # Debian's /usr/bin/chromium is a wrapper script; chromedriver wants the program.
    for path in ("/usr/lib/chromium/chromium", shutil.which("chromium") or "", shutil.which("chromium-browser") or ""):
        if path and os.access(path, os.X_OK):
            return path
    return None


class Browser:
    """One chromedriver with one session."""

    def __init__(self, profile):
        sock = socket.socket()
        sock.bind(("127.0.0.1", 0))
        port = sock.getsockname()[1]
        sock.close()
        self.driver = subprocess.Popen(["chromedriver", "--port=%d" % port],
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.base = "http://127.0.0.1:%d" % port
        deadline = time.time() + 20
        while True:
            try:
                self.request("GET", "/status")
                break
            except (urllib.error.URLError, ConnectionError):
                if time.time() > deadline:
                    raise RuntimeError("chromedriver did not start")
                time.sleep(0.1)
        options = {"binary": chromium_binary(), "args": CHROMIUM_ARGS + ["--user-data-dir=" + profile]}
        answer = self.request("POST", "/session", {"capabilities": {"alwaysMatch": {
            "browserName": "chrome", "goog:chromeOptions": options}}})
        self.session = "/session/" + answer["sessionId"]

    def request(self, method, path, body=None):
        data = json.dumps(body).encode() if body is not None else None
        req = urllib.request.Request(self.base + path, data=data, method=method,
                                     headers={"Content-Type": "application/json"})
        try:
            with urllib.request.urlopen(req, timeout=60) as answer:
                return json.load(answer)["value"]
        except urllib.error.HTTPError as error:
            raise RuntimeError("WebDriver %s %s: %s" % (method, path, error.read().decode(errors="replace")))

    def call(self, method, path, body=None):
        return self.request(method, self.session + path, body)

    def open(self, path):
        self.call("POST", "/url", {"url": "file://" + os.path.abspath(path)})

    def js(self, code, *args):
        return self.call("POST", "/execute/sync", {"script": code, "args": list(args)})

    def find(self, css):
        return self.call("POST", "/element", {"using": "css selector", "value": css})

    def hover(self, css):
        element = self.find(css)
        self.call("POST", "/actions", {"actions": [{"type": "pointer", "id": "mouse",
                                                    "parameters": {"pointerType": "mouse"},
                                                    "actions": [{"type": "pointerMove", "duration": 0,
                                                                 "origin": element, "x": 0, "y": 0}]}]})

    def click(self, css):
        self.call("POST", "/element/%s/click" % self.find(css)[ELEMENT], {})

    def keys(self, *names):
        actions = []
        for name in names:
            actions += [{"type": "keyDown", "value": KEYS[name]}, {"type": "keyUp", "value": KEYS[name]}]
        self.call("POST", "/actions", {"actions": [{"type": "key", "id": "keyboard", "actions": actions}]})

    def screenshot(self, path):
        with open(path, "wb") as out:
            out.write(base64.b64decode(self.call("GET", "/screenshot")))

    def close(self):
        try:
            self.request("DELETE", self.session)
        finally:
            self.driver.terminate()
            self.driver.wait()


# The labels in the order the page must show them, per part of the page, from
# the JSON tree: entries before the entries they open.
def preorder(entries, out):
    stack = [iter(entries)]
    while stack:
        entry = next(stack[-1], None)
        if entry is None:
            stack.pop()
            continue
        out.append(entry["label"])
        if entry.get("entries"):
            stack.append(iter(entry["entries"]))
    return out


def expected_parts(tree):
    parts = {"menubar": [], "toolbar": [], "popups": [], "tabs": [], "lists": []}
    for bar in tree["menuBars"]:
        parts["menubar"].append(bar["name"])
        preorder(bar["entries"], parts["menubar"])
    parts["toolbar"] = [button["label"] for button in tree["toolbar"]]
    groups = {}
    for item in tree["popupItems"]:
        groups.setdefault(item["target"] or "", []).append(item)
    for items in groups.values():  # in the order the types first come
        preorder(items, parts["popups"])
    for key in ("tabs", "lists"):
        for container in tree[key]:
            parts[key].append(container["name"])
            preorder(container["entries"], parts[key])
    return parts


PAGE_PARTS = """
var parts = {menubar: '.menubar', toolbar: '.toolbar', popups: '.popups', tabs: '.tabs', lists: '.lists'};
var result = {};
Object.keys(parts).forEach(function (name) {
  var root = document.querySelector(parts[name]);
  result[name] = root ? Array.prototype.map.call(root.querySelectorAll('[data-e]'), function (el) {
    return el.getAttribute('data-label');
  }) : null;
});
return result;
"""

VISIBLE = """
var el = document.querySelector(arguments[0]);
if (!el) return null;
var box = el.getBoundingClientRect();
return getComputedStyle(el).display !== 'none' && box.width > 0 && box.height > 0;
"""

STATE = """
var el = document.activeElement;
var opener = document.querySelector(arguments[0]);
return {focus: el && el.getAttribute('data-label'), expanded: opener && opener.getAttribute('aria-expanded')};
"""


def item(label, scope=""):
    return '%s [data-label="%s"]' % (scope, label.replace('"', '\\"'))


def visible(browser, css):
    return browser.js(VISIBLE, css)


def check_sample(browser, tool, work):
    tree = json.loads(subprocess.run([tool, "menus", "--app", "jkiv", "--format=json"], check=True,
                                     capture_output=True).stdout)
    page = os.path.join(work, "sample")
    subprocess.run([tool, "preview", "--app", "jkiv", "--out", page], check=True, capture_output=True)
    browser.open(os.path.join(page, "index.html"))

    # Every entry, in the tree's order.
    expected = expected_parts(tree)
    shown = browser.js(PAGE_PARTS)
    entries = 0
    for part, labels in expected.items():
        check(shown.get(part) == labels,
              "the %s of the page are %r, the tree has %r" % (part, shown.get(part), labels))
        entries += len(labels)
    check(entries > 50, "only %d entries in the sample's tree" % entries)
    texts = browser.js("""return Array.prototype.map.call(document.querySelectorAll('.menubar .label'),
        function (el) { return el.textContent; });""")
    check("Events of Object" in texts or "Events of Object\u2026" in texts, "label texts: %r" % texts[:12])

    # Hover: the drop-down of "View", then the cascade of "Layout"; they close
    # when the pointer leaves the menu bar.
    layout_menu = '[aria-label="Layout Menu"]'
    check(not visible(browser, layout_menu), "the Layout cascade is open before anything happened")
    browser.hover(item("View", ".menubar >li >"))
    check(visible(browser, '.menubar [aria-label="View"]'), "hovering View does not open its menu")
    browser.hover(item("Layout"))
    check(visible(browser, layout_menu), "hovering Layout does not open its cascade")
    check(visible(browser, item("Ring")), "the entry Ring of the Layout cascade is not shown")
    browser.hover(".page-head h1")
    time.sleep(0.6)
    check(not visible(browser, layout_menu), "the cascade stays open after the pointer left")

    # Keyboard: Monitor, down into its menu, right into the Events cascade,
    # Escape back out.
    browser.js("document.querySelector(arguments[0]).focus()", item("Monitor", ".menubar"))
    browser.keys("Down")
    state = browser.js(STATE, item("Monitor", ".menubar"))
    check(state == {"focus": "Status Poll", "expanded": "true"}, "Monitor, Down: %r" % state)
    browser.keys("Down")
    browser.keys("Right")
    state = browser.js(STATE, item("Events", ".menubar"))
    check(state["focus"] in ("All Events", "All Events\u2026") and state["expanded"] == "true",
          "Monitor, Down, Down, Right: %r" % state)
    check(visible(browser, '[aria-label="Event Views"]'), "the Event Views cascade is not shown")
    browser.keys("Escape")
    state = browser.js(STATE, item("Events", ".menubar"))
    check(state == {"focus": "Events", "expanded": "false"}, "Escape in the cascade: %r" % state)
    check(not visible(browser, '[aria-label="Event Views"]'), "Escape does not close the cascade")
    browser.keys("Escape")
    state = browser.js(STATE, item("Monitor", ".menubar"))
    check(state == {"focus": "Monitor", "expanded": "false"}, "Escape in the menu: %r" % state)
    browser.keys("Right", "Down", "Enter")
    panel = browser.js("return document.getElementById('panel-body').textContent")
    check("UPS Status" in panel and "isUPS" in panel, "Right, Down, Enter does not choose Power > UPS Status: %r"
          % panel[:200])

    # The panel: the rule and the roles of Edit > Delete, as the tree has them.
    delete = [entry for bar in tree["menuBars"] if bar["name"] == "Edit" for entry in bar["entries"]
              if entry["label"] == "Delete"][0]["actions"][0]
    browser.click(item("Edit", ".menubar"))
    browser.click(item("Delete", ".menubar"))
    fields = browser.js("""var out = {};
        Array.prototype.forEach.call(document.querySelectorAll('#panel-body [data-field]'), function (el) {
          out[el.getAttribute('data-field')] = el.textContent; });
        return out;""")
    check(fields.get("selectionRule") == delete["selectionRule"],
          "the panel's rule for Delete is %r, the tree's %r" % (fields.get("selectionRule"), delete["selectionRule"]))
    check(fields.get("roles") == ", ".join(delete["access"]), "the panel's roles for Delete: %r" % fields.get("roles"))
    check(fields.get("selected") == "min 1, max not given", "min/max of Delete: %r" % fields.get("selected"))
    place = delete["definedAt"]
    check(place is not None and fields.get("definedAt") == "%s:%d" % (place["file"], place["line"]),
          "the panel's place of Delete's definition: %r, the tree's %r" % (fields.get("definedAt"), place))
    check(not visible(browser, '.menubar [aria-label="Edit"]'), "the Edit menu stays open after choosing Delete")

    # One label, two actions: both in the panel.
    browser.click(item("Monitor", ".menubar"))
    browser.click(item("Status Poll", ".menubar"))
    headings = browser.js("""return Array.prototype.map.call(document.querySelectorAll('#panel-body h3'),
        function (el) { return el.textContent; });""")
    check(headings == ["Status Poll", "Action \u201cStatus Poll\u201d", "Action \u201cPoll Links\u201d"],
          "the panel of Status Poll shows %r" % headings)

    # The picture: Delete chosen, View > Layout open.
    browser.click(item("Edit", ".menubar"))
    browser.click(item("Delete", ".menubar"))
    browser.hover(item("View", ".menubar >li >"))
    browser.hover(item("Layout"))
    browser.js("document.activeElement.blur()")
    time.sleep(0.2)
    browser.screenshot(os.path.join(work, "preview.png"))
    return entries


def check_hostile(browser, tool, hostile, work):
    page = os.path.join(work, "hostile")
    subprocess.run([tool, "preview", "--path", hostile, "--out", page], check=True, capture_output=True)
    browser.open(os.path.join(page, "index.html"))
    facts = browser.js("""return {
        scripts: document.scripts.length,
        images: Array.prototype.map.call(document.images, function (el) { return el.getAttribute('src'); }),
        labels: Array.prototype.map.call(document.querySelectorAll('.menubar [data-e]'),
          function (el) { return el.getAttribute('data-label'); }),
        text: document.querySelector('.menubar [data-label^="A &"] .label').textContent,
        caption: document.querySelector('.popups figcaption code').textContent,
        title: document.querySelector('.legend small').textContent };""")
    check(facts["scripts"] == 1, "the hostile page has %d scripts" % facts["scripts"])
    check(not any(src and "outside" in src for src in facts["images"]), "a bitmap outside the bitmap directory "
          "was copied: %r" % facts["images"])
    check(facts["text"] == 'A & <b>"bold"</b>', "a label with markup reads %r" % facts["text"])
    check(facts["caption"] == "<img src=x onerror=alert(1)>:any", "the popup target reads %r" % facts["caption"])
    check(facts["title"] == "<script>alert(1)</script>", "the display string reads %r" % facts["title"])
    check(facts["labels"][:3] == ["Fi<le>", 'A & <b>"bold"</b>', "Loop"], "hostile labels: %r" % facts["labels"][:3])
    browser.click('.menubar [data-label="Fi<le>"]')
    browser.click('.menubar [data-label="Twice"]')
    problem = browser.js("var el = document.querySelector('#panel-body [data-field=problem]');"
                         "return el && el.textContent;")
    check(problem is not None and "Missing" in problem and "never defined" in problem,
          "the panel of Twice does not name its undefined action: %r" % problem)
    browser.click('.menubar [data-label="Fi<le>"]')
    browser.click('.menubar [data-label="Broken"]')
    roles = browser.js("var el = document.querySelector('#panel-body [data-field=roles]'); return el && el.textContent;")
    check(roles == "nobody (incomplete definition)", "the roles of an incomplete action read %r" % roles)


def main():
    if len(sys.argv) != 4:
        print(__doc__, file=sys.stderr)
        return 2
    tool, hostile, work = sys.argv[1:4]
    os.makedirs(work, exist_ok=True)
    if not chromium_binary() or not shutil.which("chromedriver"):
        print("preview_browser_check: chromium and chromedriver are needed", file=sys.stderr)
        return 2
    started = time.time()
    profile = tempfile.mkdtemp(prefix="kivparser-chromium.")
    browser = None
    try:
        browser = Browser(profile)
        entries = check_sample(browser, tool, work)
        check_hostile(browser, tool, hostile, work)
    except (RuntimeError, subprocess.CalledProcessError, KeyError, TypeError, IndexError) as error:
        # A step that cannot even be taken (an element not there, a command
        # that failed) ends the check.
        check(False, "stopped: %s" % str(error)[:400])
        entries = 0
    finally:
        if browser:
            browser.close()
        shutil.rmtree(profile, ignore_errors=True)
    if failures:
        print("preview_browser_check: %d check(s) failed" % len(failures), file=sys.stderr)
        return 1
    print("preview_browser_check: %d entries in order, hover, keyboard, panel, hostile texts: passed in %.1fs; "
          "screenshot %s" % (entries, time.time() - started, os.path.join(work, "preview.png")))
    return 0


if __name__ == "__main__":
    sys.exit(main())
