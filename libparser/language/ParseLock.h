// Private: included by every folder above the language folder that enters the process-wide parse state.
#ifndef KIVPARSER_LANGUAGE_PARSELOCK_H
#define KIVPARSER_LANGUAGE_PARSELOCK_H

namespace kivparser {

// The lock of the process-wide parse state: the scanner and the grammar
// engine, the parser at work, the file list and the application priorities,
// the dump's indentation, the message catalog cache, the symbol cache of the
// style sheet and the icon URLs, and the platform's result buffers. Every
// entry point that uses any of them holds the lock for its whole run, so that
// calls from several threads are served one after the other:
//
//     void SymbolRegistration::debugDump()
//     {
//         ParseLock lock;
//         ...
//     }
//
// The lock is recursive: an entry point may call another (a loader constructs
// parsers, the style sheet loads the symbol registration).
class ParseLock final {
public:
    ParseLock();
    ~ParseLock();

    ParseLock(const ParseLock&) = delete;
    ParseLock& operator=(const ParseLock&) = delete;
};

} // namespace kivparser

#endif
