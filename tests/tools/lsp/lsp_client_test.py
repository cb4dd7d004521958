"""The language server as an independent client sees it: `kivparser lsp` on
the workspace of tests/data/lsp (a copy), driven through the protocol.

usage: lsp_client_test.py KIVPARSER SOURCE_DIR
"""

import os
import shutil
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from lspclient import Client  # noqa: E402

tool, source = sys.argv[1], sys.argv[2]
failures = []


def check(condition, what, detail=None):
    if condition:
        print("ok   " + what)
    else:
        failures.append(what)
        print("FAIL " + what + ("" if detail is None else ": %r" % (detail,)))


work = tempfile.mkdtemp(prefix="kivparser-lsp.")
root = os.path.join(work, "workspace")
shutil.copytree(os.path.join(source, "tests", "data", "lsp", "workspace"), root)
registration = os.path.join(root, "registration", "C")
env = dict(os.environ, LC_ALL="C")
for name in ("KIvRegDir", "KIvSymDir", "KIvFieldDir", "LANG", "LC_CTYPE", "KZ_ETC_PATH"):
    env.pop(name, None)


def uri(name):
    return "file://" + os.path.join(registration, name)


def text(name):
    with open(os.path.join(registration, name), encoding="utf-8") as f:
        return f.read()


def position_of(name, needle, offset=1, source_text=None):
    """The protocol position of `needle` (plus `offset` characters) in a file."""
    content = source_text if source_text is not None else text(name)
    at = content.index(needle) + offset
    line = content.count("\n", 0, at)
    return {"line": line, "character": at - (content.rfind("\n", 0, at) + 1)}


def initialize(client, **params):
    base = {"processId": None, "rootUri": "file://" + root, "capabilities": {}}
    base.update(params)
    return client.request("initialize", base)


try:
    # ---- initialize, the first diagnostics -------------------------------
    client = Client(tool, env=env)
    answer = initialize(client, capabilities={"textDocument": {"publishDiagnostics": {"relatedInformation": True}}})
    capabilities = answer["result"]["capabilities"]
    check(capabilities.get("positionEncoding") == "utf-16", "initialize: positions in UTF-16 by default", capabilities)
    for provider in ("definitionProvider", "referencesProvider", "hoverProvider", "documentSymbolProvider",
                     "foldingRangeProvider", "documentHighlightProvider", "completionProvider"):
        check(bool(capabilities.get(provider)), "initialize: " + provider)
    client.notify("initialized", {})
    broken = client.diagnostics(uri("broken"))
    check(len(broken) == 1 and broken[0]["severity"] == 1 and "syntax error" in broken[0]["message"]
          and broken[0]["range"]["start"]["line"] in (3, 4), "diagnostics: the syntax error of broken", broken)
    more = client.diagnostics(uri("alpha_more"))
    check(len(more) == 1 and more[0]["severity"] == 2 and "duplicate definition" in more[0]["message"],
          "diagnostics: the warning of the second file of Alpha Map", more)
    alpha_initial = client.diagnostics(uri("alpha"))
    client.drain()
    check(not any(m.get("params", {}).get("uri") == uri("beta") for m in client.notifications),
          "diagnostics: nothing for a file without problems")
    client.notifications.clear()

    # ---- an open buffer stands for its file -------------------------------
    fixed = text("broken").replace('Version "1.0"\n', 'Version "1.0";\n')
    client.notify("textDocument/didOpen", {"textDocument": {"uri": uri("broken"), "languageId": "kivreg",
                                                             "version": 1, "text": text("broken")}})
    client.notify("textDocument/didChange", {"textDocument": {"uri": uri("broken"), "version": 2},
                                             "contentChanges": [{"text": fixed}]})
    check(client.diagnostics(uri("broken")) == [], "didChange: the fixed buffer has no diagnostics")

    # ---- a change in one file changes another file's diagnostics --------
    alpha = text("alpha")
    client.notify("textDocument/didOpen", {"textDocument": {"uri": uri("alpha"), "languageId": "kivreg",
                                                             "version": 1, "text": alpha}})
    start = position_of("alpha", 'Application "Alpha Map"', len('Application "'))
    end = dict(start, character=start["character"] + len("Alpha"))
    client.notify("textDocument/didChange", {
        "textDocument": {"uri": uri("alpha"), "version": 2},
        "contentChanges": [{"range": {"start": start, "end": end}, "text": "Gamma"}]})
    check(client.diagnostics(uri("alpha_more")) == [],
          "didChange (range): renaming the application in alpha clears the warning of alpha_more")
    client.notify("textDocument/didChange", {
        "textDocument": {"uri": uri("alpha"), "version": 3},
        "contentChanges": [{"range": {"start": start, "end": dict(start, character=start["character"] + 5)},
                            "text": "Alpha"}]})
    check(len(client.diagnostics(uri("alpha_more"))) == 1, "didChange (range): the name back, the warning back")
    client.drain()
    client.notifications.clear()

    # ---- where the library places its reports ----------------------------------
    client.notify("textDocument/didClose", {"textDocument": {"uri": uri("broken")}})
    broken = client.diagnostics(uri("broken"))
    version_line = position_of("broken", 'Version "1.0"')["line"]
    check(len(broken) == 1 and broken[0].get("code") == "syntax-error"
          and broken[0]["range"]["start"] == {"line": version_line, "character": len('    Version "1.0"')}
          and "expected" in broken[0]["message"],
          "diagnostics: a missing ';' at the end of its line, with the rule and what was expected", broken)
    related = more[0].get("relatedInformation", [{}])[0] if more else {}
    check(more and more[0].get("code") == "shadowed-definition"
          and related.get("location", {}).get("uri") == uri("alpha")
          and related["location"]["range"]["start"]["line"] == position_of("alpha", 'Application "Alpha Map"')["line"],
          "diagnostics: a duplicate definition points at the first one", more)
    undefined = [d for d in alpha_initial if d.get("code") == "undefined-action"]
    check(len(undefined) == 1
          and undefined[0]["range"]["start"] == position_of("alpha", 'f.action "Sweep"', len("f.action ")),
          "diagnostics: an undefined action at its use", alpha_initial)
    client.drain()
    client.notifications.clear()

    # ---- definition, references, highlights -------------------------------------
    answer = client.request("textDocument/definition", {"textDocument": {"uri": uri("alpha")},
                                                        "position": position_of("alpha", 'f.action "Sweep"', 11)})
    places = answer["result"] or []
    check(len(places) == 1 and places[0]["uri"] == uri("alpha_more")
          and places[0]["range"]["start"] == position_of("alpha_more", 'Action "Sweep"', len("Action ")),
          "definition: f.action leads into the other file of the application", places)
    answer = client.request("textDocument/definition", {"textDocument": {"uri": uri("beta")},
                                                        "position": position_of("beta", 'MenuBar "Tools"', 10)})
    places = sorted((p["uri"], p["range"]["start"]["line"]) for p in answer["result"] or [])
    check(places == sorted([(uri("alpha"), position_of("alpha", 'MenuBar <80> "Tools"')["line"]),
                            (uri("beta"), position_of("beta", 'MenuBar "Tools"')["line"])]),
          "definition: a shared menu bar is defined in both files", places)
    answer = client.request("textDocument/definition", {"textDocument": {"uri": uri("alpha")},
                                                        "position": position_of("alpha", 'f.menu "Layout Menu"', 9)})
    places = answer["result"] or []
    check(len(places) == 1 and places[0]["range"]["start"] == position_of("alpha", 'Menu "Layout Menu"', 5),
          "definition: f.menu leads to the menu block", places)
    answer = client.request("textDocument/references", {"textDocument": {"uri": uri("alpha")},
                                                        "position": position_of("alpha", 'Action "Ping"', 9),
                                                        "context": {"includeDeclaration": True}})
    places = sorted((p["uri"], p["range"]["start"]["line"]) for p in answer["result"] or [])
    check(places == sorted([(uri("alpha"), position_of("alpha", 'Action "Ping"')["line"]),
                            (uri("alpha"), position_of("alpha", 'f.action "Ping"')["line"]),
                            (uri("alpha"), position_of("alpha", '"Ping node"')["line"])]),
          "references: the definition and the entries that run the action", places)
    answer = client.request("textDocument/definition", {
        "textDocument": {"uri": uri("alpha")}, "position": position_of("alpha", 'f.menu "Node Menu"', 9)})
    places = answer["result"] or []
    check(len(places) == 1 and places[0]["range"]["start"] == position_of("alpha", 'PopupMenu "Node Menu"', 10),
          "definition: a popup item's target is the popup menu", places)
    answer = client.request("textDocument/documentHighlight", {"textDocument": {"uri": uri("alpha")},
                                                               "position": position_of("alpha", 'f.action "Ping"', 11)})
    kinds = sorted(h["kind"] for h in answer["result"] or [])
    check(kinds == [2, 2, 3], "documentHighlight: the uses (read) and the definition (write)",
          answer["result"])

    # ---- completion of keywords ------------------------------------------------
    keywords_text = alpha.replace('Action "Layout Ring" { CallbackArgs "-layout ring"; }',
                                  'Action "Layout Ring" { Sel }')
    client.notify("textDocument/didChange", {"textDocument": {"uri": uri("alpha"), "version": 10},
                                             "contentChanges": [{"text": keywords_text}]})
    at = position_of("alpha", 'Layout Ring" { Sel', len('Layout Ring" { Sel'), keywords_text)
    items = client.request("textDocument/completion", {"textDocument": {"uri": uri("alpha")},
                                                       "position": at})["result"]
    labels = [item["label"] for item in items]
    check("SelectionRule" in labels and "MinSelected" in labels and "Access" in labels
          and "MenuBar" not in labels and all(item["kind"] == 14 for item in items),
          "completion: the keywords the grammar takes in an action block", labels)
    top = client.request("textDocument/completion", {"textDocument": {"uri": uri("alpha")},
                                                     "position": {"line": 0, "character": 0}})["result"]
    labels = [item["label"] for item in top]
    check("Application" in labels and "SelectionRule" not in labels,
          "completion: the keywords that start a file", labels)
    client.notify("textDocument/didChange", {"textDocument": {"uri": uri("alpha"), "version": 11},
                                             "contentChanges": [{"text": alpha}]})
    client.drain()
    client.notifications.clear()

    # ---- outline -----------------------------------------------------------
    symbols = client.request("textDocument/documentSymbol", {"textDocument": {"uri": uri("alpha")}})["result"]
    app = symbols[0] if symbols else {}
    children = [(c["name"], c["detail"]) for c in app.get("children", [])]
    check(app.get("name") == "Alpha Map" and children == [("Tools", "menu bar"), ("Layout Menu", "menu"),
                                                          ("Node Menu", "popup menu"), ("Ping", "action"),
                                                          ("Layout Ring", "action")],
          "documentSymbol: the application with its menu bar, menu and actions", symbols)
    tools = app.get("children", [{}])[0]
    check(tools.get("selectionRange", {}).get("start") == position_of("alpha", '"Tools"', 0)
          and tools["range"]["start"]["line"] < tools["range"]["end"]["line"],
          "documentSymbol: the menu bar's name and block", tools)

    symbols = client.request("textDocument/documentSymbol", {
        "textDocument": {"uri": "file://" + os.path.join(root, "symbols", "C", "net")}})["result"]
    tree = [(c["name"], c["detail"], [g["name"] for g in c["children"]]) for c in symbols]
    check(tree == [("Connector", "symbol class", ["Router", "Switch"])],
          "documentSymbol: a symbol class with its types", tree)
    fields = client.request("textDocument/documentSymbol", {
        "textDocument": {"uri": "file://" + os.path.join(root, "fields", "C", "net")}})["result"]
    check([(f["name"], f["detail"]) for f in fields] == [("isRouter", "field")], "documentSymbol: fields", fields)
    cgis = client.request("textDocument/documentSymbol", {"textDocument": {"uri": "file://" + os.path.join(
        root, "www", "registration", "dazivovovo", "C", "linkload")}})["result"]
    check([(c["name"], c["detail"]) for c in cgis] == [("linkload", "CGI program")]
          and cgis[0]["range"]["start"]["line"] == 1, "documentSymbol: a CGI", cgis)

    # ---- hover -------------------------------------------------------------
    hover = client.request("textDocument/hover", {"textDocument": {"uri": uri("beta")},
                                                  "position": position_of("beta", 'MenuBar "Tools"', 10)})["result"]
    value = hover["contents"]["value"] if hover else ""
    order = [value.find(label) for label in ("Ping", "Sweep", "Beta Settings", "Layout")]
    check("menu bar" in value and "Alpha Map" in value and "Beta Tool" in value and -1 not in order
          and order == sorted(order), "hover: the merged menu bar in precedence order, with its applications", value)
    hover = client.request("textDocument/hover", {"textDocument": {"uri": uri("alpha")},
                                                  "position": position_of("alpha", 'f.action "Ping"', 11)})["result"]
    value = hover["contents"]["value"] if hover else ""
    check("Ping the selected nodes" in value and "isIP" in value and "every role" in value
          and "alpha:%d" % (position_of("alpha", 'Action "Ping"')["line"] + 1) in value,
          "hover: an action's display string, selection rule, roles and where it is defined", value)
    hover = client.request("textDocument/hover", {"textDocument": {"uri": uri("alpha")},
                                                  "position": position_of("alpha", "MenuBar", 2)})["result"]
    check(hover is not None and "menu bar" in hover["contents"]["value"].lower(), "hover: a keyword", hover)

    # ---- completion of names -------------------------------------------------
    line = position_of("alpha", 'f.action "Ping"', len('f.action "'))
    items = client.request("textDocument/completion", {"textDocument": {"uri": uri("alpha")},
                                                       "position": line})["result"]
    labels = sorted(item["label"] for item in items)
    check(labels == ["Layout Ring", "Ping", "Sweep"],
          "completion after f.action: the actions of the application being edited", labels)
    line = position_of("alpha", 'f.menu "Layout Menu"', len('f.menu "'))
    items = client.request("textDocument/completion", {"textDocument": {"uri": uri("alpha")},
                                                       "position": line})["result"]
    check([item["label"] for item in items] == ["Layout Menu"], "completion after f.menu: the menus", items)

    # ---- folding -------------------------------------------------------------
    ranges = client.request("textDocument/foldingRange", {"textDocument": {"uri": uri("alpha")}})["result"]
    starts = sorted(r["startLine"] for r in ranges if r.get("kind") == "region")
    check(starts[:2] == [position_of("alpha", "Application")["line"], position_of("alpha", "MenuBar")["line"]],
          "foldingRange: the application's block and the menu bar's", ranges)

    # ---- positions in UTF-16 code units ---------------------------------------
    # A label with a character outside the BMP (two UTF-16 units, four bytes)
    # before the name on the same line.
    wide = alpha.replace('<90> "Ping"   _P f.action "Ping";', '<90> "P\u00efng \U0001F600" _P f.action "Ping";')
    client.notify("textDocument/didChange", {"textDocument": {"uri": uri("alpha"), "version": 4},
                                             "contentChanges": [{"text": wide}]})
    line = [l for l in wide.split("\n") if "\U0001F600" in l][0]
    units = len(line[:line.index('f.action "Ping"') + 11].encode("utf-16-le")) // 2
    hover = client.request("textDocument/hover", {"textDocument": {"uri": uri("alpha")}, "position": {
        "line": wide.split("\n").index(line), "character": units}})["result"]
    check(hover is not None and "Ping the selected nodes" in hover["contents"]["value"]
          and hover["range"]["start"]["character"] == units - 2,
          "hover: a position after a character of two UTF-16 units", hover)
    client.notify("textDocument/didChange", {"textDocument": {"uri": uri("alpha"), "version": 5},
                                             "contentChanges": [{"text": alpha}]})
    client.drain()
    client.notifications.clear()

    # ---- a file made on disk joins the workspace when it is saved --------------
    with open(os.path.join(registration, "gamma"), "w") as f:
        f.write('Application "Gamma" {\n    Version "2"\n}\n')
    client.notify("textDocument/didSave", {"textDocument": {"uri": uri("gamma")}})
    gamma = client.diagnostics(uri("gamma"))
    check(len(gamma) == 1 and gamma[0]["severity"] == 1, "didSave: a new file is listed and parsed", gamma)
    os.remove(os.path.join(registration, "gamma"))
    client.notify("workspace/didChangeWatchedFiles", {"changes": [{"uri": uri("gamma"), "type": 3}]})
    check(client.diagnostics(uri("gamma")) == [], "didChangeWatchedFiles: a removed file's diagnostics go")
    client.drain()
    client.notifications.clear()

    # ---- bad input -------------------------------------------------------------
    client.send_raw(b"Content-Length: 9\r\n\r\nnot json!")
    answer = client.wait_for(lambda m: "error" in m)
    check(answer["error"]["code"] == -32700 and answer["id"] is None, "a body that is not JSON: -32700, id null",
          answer)
    client.send_raw(b"Content-Type: nothing\r\n\r\n")
    answer = client.wait_for(lambda m: "error" in m)
    check(answer["error"]["code"] == -32700 and answer["id"] is None, "a header without length: -32700", answer)
    answer = client.request("textDocument/frobnicate", {})
    check(answer.get("error", {}).get("code") == -32601, "an unknown method: -32601", answer)
    outside = os.path.join(work, "elsewhere")
    with open(outside, "w") as f:
        f.write('Application "Elsewhere" { MenuBar "Tools" { "X" f.action "Y"; } }\n')
    for method, empty in (("textDocument/documentSymbol", []), ("textDocument/hover", None),
                          ("textDocument/definition", None), ("textDocument/completion", [])):
        answer = client.request(method, {"textDocument": {"uri": "file://" + outside},
                                         "position": {"line": 0, "character": 30}})
        check(answer.get("result", "missing") == empty, method + " of a file outside the workspace: empty", answer)
    answer = client.request("textDocument/hover", {"textDocument": {"uri": uri("alpha")}, "position": "nowhere"})
    check(answer.get("error", {}).get("code") == -32602, "parameters of the wrong type: -32602", answer)
    client.notify("textDocument/didChange", {"textDocument": {"uri": uri("alpha"), "version": 99},
                                             "contentChanges": [{"range": {"end": {"line": 0}}, "text": "x"}]})
    answer = client.request("textDocument/documentSymbol", {"textDocument": {"uri": uri("alpha")}})
    check(answer.get("result") and answer["result"][0]["name"] == "Alpha Map",
          "a change with a broken range is dropped; the server goes on", answer)
    client.notify("no/such/notification", {})
    answer = client.request("shutdown")
    check("result" in answer and answer["result"] is None, "shutdown answers null", answer)
    answer = client.request("textDocument/hover", {"textDocument": {"uri": uri("alpha")},
                                                   "position": {"line": 0, "character": 0}})
    check(answer.get("error", {}).get("code") == -32600, "a request after shutdown: -32600", answer)
    client.notify("exit")
    check(client.exit_status() == 0, "shutdown, then exit: status 0")

    # ---- exit alone, requests before initialize, the end of the input ----------
    client = Client(tool, env=env)
    answer = client.request("textDocument/hover", {"textDocument": {"uri": uri("alpha")},
                                                   "position": {"line": 0, "character": 0}})
    check(answer.get("error", {}).get("code") == -32002, "a request before initialize: -32002", answer)
    client.notify("exit")
    check(client.exit_status() == 1, "exit without shutdown: status 1")

    client = Client(tool, env=env)
    initialize(client)
    client.process.stdin.close()
    check(client.process.wait(20) == 1, "the input ends without exit: status 1")

    # ---- directories from initializationOptions, UTF-8 positions ---------------
    client = Client(tool, env=env)
    answer = initialize(client, rootUri=None, capabilities={"general": {"positionEncodings": ["utf-8", "utf-16"]}},
                        initializationOptions={"registrationPath": os.path.join(root, "registration")})
    check(answer["result"]["capabilities"].get("positionEncoding") == "utf-8", "initialize: UTF-8 when offered")
    client.notify("initialized", {})
    check(len(client.diagnostics(uri("broken"))) == 1, "initializationOptions: registrationPath")
    client.notify("textDocument/didOpen", {"textDocument": {"uri": uri("alpha"), "languageId": "kivreg",
                                                             "version": 1, "text": wide}})
    raw = line.encode("utf-8")
    at = raw.index(b'f.action "Ping"') + 11
    hover = client.request("textDocument/hover", {"textDocument": {"uri": uri("alpha")}, "position": {
        "line": wide.split("\n").index(line), "character": at}})["result"]
    check(hover is not None and hover["range"]["start"]["character"] == at - 2,
          "hover: positions in bytes when the client takes UTF-8", hover)
    client.request("shutdown")
    client.notify("exit")
    check(client.exit_status() == 0, "second server: shutdown and exit")
finally:
    shutil.rmtree(work, ignore_errors=True)

print("%d failed" % len(failures))
sys.exit(1 if failures else 0)
