#ifndef KIVPARSER_LANGUAGE_PARSEDAMAGE_H
#define KIVPARSER_LANGUAGE_PARSEDAMAGE_H

// Private to the library: the diagnostics, the scanner, the grammar and the
// builders that must fail closed (ActionBuilder) include it.

namespace kivparser {

// What went wrong in the parse at work on this thread, beyond the counts:
// the events after which the text read cannot be trusted to say what its
// author meant (a syntax error, memory running out, an internal
// inconsistency, the scanner giving up its input, a report handler that
// failed), and whether the parse has been given up.
//
// A parse that is given up ends at the next token or grammar action: the
// scanner delivers the end of the input and the grammar aborts, with result
// 1. Objects whose definition saw damage are denied to every role (see
// ActionBuilder).
class ParseDamage final {
public:
    enum Reason {
        PDM_NONE = 0,
        PDM_OUT_OF_MEMORY,  // nomemory()
        PDM_INTERNAL,       // internal()
        PDM_SCANNER_FAILED, // the scanner gave up its input
        PDM_HANDLER_FAILED  // the report handler threw
    };

    // At the start of every parse.
    static void reset();

    // One event of damage (a syntax error); the parse goes on.
    static void record();
    // Damage after which the parse is given up; the first reason holds.
    static void giveUp(Reason why);

    // Events of damage so far in this parse: compare two readings to learn
    // whether damage happened in between.
    static long count();
    // Whether the parse has been given up, and why.
    static bool givenUp();
    static Reason reason();
    // Whether the report handler failed during this parse: it gets no more
    // reports of it.
    static bool handlerFailed();
};

} // namespace kivparser

#endif
