#ifndef KIVPARSER_TESTS_SUPPORT_SCHEMACHECK_H
#define KIVPARSER_TESTS_SUPPORT_SCHEMACHECK_H

// The checks of the JSON export that need a real JSON Schema validator: they
// run Python scripts of the source tree (python3 with jsonschema, which
// scripts/setup.sh installs for the test command).

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

// Whether the Python checks run: not in a Windows build, whose tests run under
// Wine where there is no Python (the Linux build runs the same checks).
bool pythonChecksRun();
// A path below the source tree.
std::string sourcePath(const std::string& rel);
// The installed schema of the JSON export, as it is in the source tree.
std::string schemaPath();
// Runs `python3 SCRIPT ARGS...` (SCRIPT below the source tree); true when it
// exits with 0. What it prints goes to the test's output.
bool runCheck(const std::string& script, const std::vector<std::string>& args);
// What `write` writes to a stream (a dumpJson call); empty when it fails.
std::string jsonText(const std::function<int(FILE*)>& write);
// Every document of `documents` validates against the schema; `what` names
// them in the failures.
bool validatesAgainstSchema(const std::vector<std::string>& documents, const std::string& what);

#endif
