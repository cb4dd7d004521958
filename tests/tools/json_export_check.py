#!/usr/bin/env python3
"""Checks the JSON export of the sample installation (kivparser dump KIND
--format=json) against its schema, with a real validator, and a handful of its
values against the text dump of the same registrations.

usage: json_export_check.py SCHEMA DIR
DIR holds KIND.json (arf tabs srf frf svrf all) and KIND.txt (the text dumps).
"""
import json
import re
import sys

import jsonschema

schema_path, work = sys.argv[1], sys.argv[2]
kinds = ["arf", "tabs", "srf", "frf", "svrf"]
failures = []


def load(name):
    with open(f"{work}/{name}", encoding="utf-8") as f:
        return f.read()


def objects(value, within=None):
    """Every object of a document with the member that holds it, in document
    order (that of the text dump)."""
    if isinstance(value, dict):
        yield value, within
        for key, member in value.items():
            yield from objects(member, key)
    elif isinstance(value, list):
        for element in value:
            yield from objects(element, within)


def rendered(e):
    """An expression as the text dump writes it."""
    if e is None:
        return "<err>"
    if e["op"] == "term":
        return "<null>" if e["term"] is None else f'"{e["term"]}"'
    if e["op"] == "n/a":
        return "<n/a>"
    if e["op"] == "!":
        return "!(" + rendered(e["expr1"]) + ")"
    return "(" + rendered(e["expr1"]) + e["op"] + rendered(e["expr2"]) + ")"


def same(what, from_text, from_json):
    if not from_text:
        failures.append(f"{what}: nothing found in the text dump")
    elif from_text != from_json:
        failures.append(f"{what}: text dump {from_text[:5]}... JSON {from_json[:5]}...")


with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)
docs = {}
for kind in kinds + ["all"]:
    docs[kind] = json.loads(load(f"{kind}.json"))
    for error in list(validator.iter_errors(docs[kind]))[:5]:
        failures.append(f"{kind}: {error.message[:200]} at {list(error.absolute_path)}")
for kind in kinds:
    if docs["all"][kind] != docs[kind]:
        failures.append(f"all: member {kind} differs from dump {kind}")

text = {kind: load(f"{kind}.txt") for kind in kinds}
# The further actions of multi-action entries are menu items that the text
# dump shows as lines of their own.
arf = [o for o, within in objects(docs["arf"])]
entries = [o for o, within in objects(docs["arf"]) if "accelerator" in o and within != "dupMenuItems"]
# Every menu item, with its precedence and label, in the order of the dump
# (links expanded below menu bars and toolbar buttons as the dump does).
same("menu items",
     re.findall(r'^ *MenuItem <(-?\d+)> "(@?)(.*)" _', text["arf"], re.M),
     [(str(o["precedence"]), "@" if o["isBitmap"] == 1 else "", o["label"] or "")
      for o in entries])
same("actions", re.findall(r'^ *Action "(.*)" \{', text["arf"], re.M),
     [o["actionID"] for o in arf if "minSelected" in o])
same("selection rules", [rule.rstrip() for rule in re.findall(r'^ *SelectionRule : (.*)$', text["arf"], re.M)],
     [rendered(o["selectionRule"]) if o["selectionRule"] else "" for o in arf if "selectionRule" in o])
same("applications", re.findall(r'^Application "(.*)" : "(.*)" \{', text["arf"], re.M),
     [(a["appName"], a["appParent"] or "") for a in docs["arf"]["applications"]])
same("commands", re.findall(r'^ *Command Name : "(.*)"', text["arf"], re.M),
     [o["commandName"] or "" for o in arf if "processFlag" in o])
same("tabs and list items", re.findall(r'^ *(?:Tab|ListItem) <(-?\d+)> "@?(.*)"', text["tabs"], re.M),
     [(str(o["precedence"]), o.get("menuID") or o.get("label") or "")
      for o, _ in objects(docs["tabs"]) if next(iter(o)) == "precedence"])
same("symbols", re.findall(r'^ *Symbol(?:Class|Type) "(.*)" \{\n *FileBase: "(.*)"\n *CursorSize: (-?\d+)',
                           text["srf"], re.M),
     [(o["symbolID"], o["fileBase"] or "", str(o["cursorSize"])) for o, _ in objects(docs["srf"]) if "symbolID" in o])
same("fields", re.findall(r'^Field "(.*)" \{\n *FieldType: (-?\d+)\n *FieldFlag: (-?\d+)', text["frf"], re.M),
     [(f["fieldID"], str(f["fieldType"]), str(f["fieldFlag"])) for f in docs["frf"]["fields"]])
same("cgis", re.findall(r'^CGI : (.*) \{\n\tCommand (.*);', text["svrf"], re.M),
     [(c["cgiNameID"], c["commandName"] or "") for c in docs["svrf"]["snmppvCgis"]])

for failure in failures:
    print("json_export_check:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
