#ifndef KIVPARSER_TOOL_LSP_CONNECTION_H
#define KIVPARSER_TOOL_LSP_CONNECTION_H

#include "lsp/MessageReader.h"

#include <cstdio>
#include <string>

// The server's end of the protocol: framed messages read from one stream and
// written to another. Reads never ask for bytes past the message at hand.
class Connection {
public:
    Connection(std::FILE* in, std::FILE* out) : input(in), output(out) {}

    enum class Received {
        Message, // a body, in the string given
        Broken,  // bytes that are no message (the reason in the string)
        End      // the input ended
    };
    Received receive(std::string& body);
    // Writes one message; false when the output is gone.
    bool send(const std::string& body);

    // Makes the process's standard output the protocol's alone: the stream
    // that was standard output is kept for the messages, and standard output
    // itself goes to standard error from now on, so that nothing printed by
    // the library or anything else can break a message. Returns the stream
    // for the messages (standard output itself when that cannot be done).
    static std::FILE* claimStandardOutput();

private:
    std::FILE* input;
    std::FILE* output;
    MessageReader reader;
};

#endif
