#ifndef KIVPARSER_TOOL_REGISTRATIONKIND_H
#define KIVPARSER_TOOL_REGISTRATIONKIND_H

#include <string>

// Where the loader of one kind of registration looks, for the messages of the
// tool: the environment variable that overrides the directory and the
// standard directory of the installation.
class RegistrationKind {
public:
    RegistrationKind(const char* title, const char* standardDir, const char* envName);

    // "application registration" ...
    const char* title() const { return kindTitle; }

    // The directory list the loader searches for `path` (null: the standard
    // one), without its language subdirectory.
    std::string directoryFor(const char* path) const;

    // "no <title> found in <directory>": nothing of this kind was found in the
    // directory the loader searched for `path`.
    std::string notFound(const char* path) const;
    // Reports that on standard error; returns the failure exit status.
    int reportNotFound(const char* path) const;

    static const RegistrationKind application;
    static const RegistrationKind symbol;
    static const RegistrationKind field;
    static const RegistrationKind cgi;

private:
    const char* kindTitle;
    const char* standardDir;
    const char* envName;
};

#endif
