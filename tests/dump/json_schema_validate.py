#!/usr/bin/env python3
"""Validates JSON documents of the export against its schema.

usage: json_schema_validate.py SCHEMA WHAT DOCUMENT...
"""
import json
import sys

import jsonschema

schema_path, what, documents = sys.argv[1], sys.argv[2], sys.argv[3:]
with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
validator = jsonschema.Draft202012Validator(schema)
failed = False
for path in documents:
    with open(path, encoding="utf-8") as f:
        document = json.load(f)
    for error in list(validator.iter_errors(document))[:5]:
        print(f"{what}: {error.message[:300]} at {list(error.absolute_path)}", file=sys.stderr)
        failed = True
sys.exit(1 if failed else 0)
