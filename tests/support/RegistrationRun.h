#ifndef KIVPARSER_TESTS_SUPPORT_REGISTRATIONRUN_H
#define KIVPARSER_TESTS_SUPPORT_REGISTRATIONRUN_H

#include "platform/KzPlatform.h"
#include <string>

using namespace kivparser;

// What the fuzz targets do with their input, for the regression tests of the
// inputs they found: parse the files in turn into the same roots (verbose, so
// that every diagnostic is formatted), dump every root as text and as JSON
// (the process ends when the JSON is not valid), fold single-action menus,
// dump again and destroy everything. Standard output is discarded
// meanwhile. Returns the sum of the files' error counts.
class RegistrationRun {
public:
    static int parseDumpFold(const std::string& first, const std::string& second = std::string());
    // A file of tests/data/fuzz.
    static std::string fuzzInput(const char* name);
};

#endif
