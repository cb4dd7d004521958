#!/usr/bin/env python3
"""Checks the member descriptions of the model classes (written by
ModelDescriptionTest as {class: [[member, kind, class], ...]}) against the
JSON Schema of the export and against the public headers:

- every described class is a definition of the schema whose properties are
  exactly its members, all required, each with the type its kind gives;
- the schema defines nothing with properties that no class has (but for the
  document of "kivparser dump all");
- every data member that a model class's public header declares (with those
  of its base classes) is described, and nothing else is: the list machinery
  of SList and PSList is left out, and a value held as a type and a union is
  one member.

usage: model_description_check.py SCHEMA DESCRIPTIONS INCLUDE_DIR
"""
import json
import os
import re
import sys

schema_path, descriptions_path, include_dir = sys.argv[1:4]
failures = []

with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
with open(descriptions_path, encoding="utf-8") as f:
    descriptions = {name: members for name, members in json.load(f).items() if name}
definitions = schema["$defs"]

# ---- The schema -------------------------------------------------------------


def expected_type(kind, target):
    ref = {"$ref": f"#/$defs/{target}"}
    return {
        "text": {"$ref": "#/$defs/text"},
        "number": {"$ref": "#/$defs/int"},
        "variant": {"$ref": "#/$defs/variant"},
        "values": {"$ref": "#/$defs/values"},
        "object": {"oneOf": [ref, {"type": "null"}]},
        "link": {"oneOf": [ref, {"type": "string"}, {"type": "null"}]},
        "list": {"type": "array", "items": ref},
    }[kind]


for name, members in descriptions.items():
    definition = definitions.get(name)
    if definition is None:
        failures.append(f"schema: no definition of {name}")
        continue
    properties = definition.get("properties", {})
    names = [member for member, _, _ in members]
    if list(properties) != names:
        failures.append(f"schema: {name} has {list(properties)}, the description {names}")
    if definition.get("required") != names:
        failures.append(f"schema: {name} requires {definition.get('required')}, not every member")
    if definition.get("additionalProperties") is not False:
        failures.append(f"schema: {name} allows other members")
    for member, kind, target in members:
        if member not in properties:
            continue
        given = {k: v for k, v in properties[member].items() if k != "description"}
        if given != expected_type(kind, target):
            failures.append(f"schema: {name}.{member} is {given}, a {kind} wants {expected_type(kind, target)}")

documents = {"all"}
for name, definition in definitions.items():
    if "properties" in definition and name not in descriptions and name not in documents:
        failures.append(f"schema: {name} is no described class")

# ---- The headers ------------------------------------------------------------

# The list machinery, not part of what the model holds.
MACHINERY = {"_tail", "_next", "_base", "_application", "defaultPrecedence", "order"}
# A value held as a type and a union is exported as one member.
FOLDED = {
    "defaultValueType": "defaultValue",
    "defaultValue_integer": "defaultValue",
    "defaultValue_string": "defaultValue",
    "valueType": "value",
    "value_integer": "value",
    "value_string": "value",
}

class_line = re.compile(r"^class\s+(?:KIVPARSER_API\s+)?(\w+)(?:\s+final)?\s*(?::\s*public\s+(\w+))?\s*\{")
member_line = re.compile(r"^\s+(?!\s)(?!static\b|return\b|using\b|friend\b|typedef\b|enum\b)[\w:<>\s\*&]+?[\s\*&](\w+)\s*;")


def header_classes():
    """{class: (base, [data members])} of the model's public headers."""
    classes = {}
    for folder in ("application", "symbols", "lists"):
        directory = os.path.join(include_dir, "kivparser", folder)
        for file in sorted(os.listdir(directory)):
            with open(os.path.join(directory, file), encoding="utf-8") as f:
                current = None
                for line in f:
                    line = line.split("//")[0].rstrip()
                    found = class_line.match(line)
                    if found:
                        current = found.group(1)
                        classes[current] = (found.group(2), [])
                        continue
                    if current is None:
                        continue
                    if line.startswith("};"):
                        current = None
                        continue
                    union_end = re.match(r"^\s+\}\s*(\w+)\s*;", line)
                    if union_end:
                        classes[current][1].append(union_end.group(1))
                        continue
                    if "(" in line:
                        continue
                    member = member_line.match(line)
                    if member:
                        classes[current][1].append(member.group(1))
    return classes


classes = header_classes()


def members_of(name):
    base, members = classes[name]
    inherited = members_of(base) if base in classes else []
    return inherited + members


for name, members in descriptions.items():
    if name not in classes:
        if name != "Tabs":
            failures.append(f"headers: no public class {name}")
        continue
    declared = set()
    for member in members_of(name):
        if member not in MACHINERY:
            declared.add(FOLDED.get(member, member))
    described = {member for member, _, _ in members}
    for missing in sorted(declared - described):
        failures.append(f"headers: {name}.{missing} is declared but not described")
    for extra in sorted(described - declared):
        failures.append(f"headers: {name}.{extra} is described but not declared")

for failure in failures:
    print("model_description_check:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
