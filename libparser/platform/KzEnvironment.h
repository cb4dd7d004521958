// Private: included by the platform, language, symbols and loading folders.
#ifndef KIVPARSER_PLATFORM_KZENVIRONMENT_H
#define KIVPARSER_PLATFORM_KZENVIRONMENT_H

namespace kivparser {

// The process facts the loaders read: environment variables and the name of
// the character-type locale, which names the language subdirectory of every
// registration directory.
class KzEnvironment final {
public:
    // Value of the environment variable `name`, or null when it is unset
    // (or `name` is null or empty).
    static const char* getVariable(const char* name);

    // The current name of the character-type locale, as the process reports
    // it without changing it; "C" when there is none or it is empty. The text
    // is only valid until the locale changes: copy it.
    static const char* languageName();
};

} // namespace kivparser

#endif
