#ifndef KIVPARSER_TOOL_LSP_MESSAGEREADER_H
#define KIVPARSER_TOOL_LSP_MESSAGEREADER_H

#include <cstddef>
#include <string>

// Splits a byte stream into the messages of the language server protocol:
// header lines ("Content-Length: N", others ignored) up to an empty line,
// each ended by CR LF (a lone LF is taken too), then N bytes of body. Bytes
// are pushed in as they come, in pieces of any size; wanted() says how many
// the reader can take without reading past the message at hand, so a caller
// that reads a blocking stream never waits for bytes that belong to a later
// message.
//
// A header block that is not one (too long, no Content-Length, a length that
// is not a number or too big) is a framing error: the reader gives it up and
// looks for the next header block; a body that is too big is skipped unread.
class MessageReader {
public:
    // Bodies and header blocks above these sizes are refused.
    static const std::size_t maxBody = 64u << 20;
    static const std::size_t maxHeader = 8192;

    enum class Result {
        NeedMore,     // nothing complete yet: push more bytes
        Message,      // a body is in body()
        FramingError  // a broken header block or an oversized body; error() says which
    };

    // Takes up to `size` bytes of `data`; returns how many it took (fewer when
    // a message or an error is complete: call next() and push the rest).
    std::size_t push(const char* data, std::size_t size);
    // What the bytes pushed so far make: a message or an error once, then
    // NeedMore until the next one is complete.
    Result next();

    // The number of bytes the reader can take before it has something to say
    // (at least 1): one at a time in a header, the rest of the body in a body.
    std::size_t wanted() const;

    const std::string& body() const { return messageBody; }
    const std::string& error() const { return errorText; }
    // True while no byte of a message has been taken (the stream may end here).
    bool atBoundary() const { return state == State::Header && header.empty(); }

private:
    enum class State { Header, Body, Skip };

    void headerComplete();
    void fail(const std::string& text);

    State state = State::Header;
    std::string header;
    std::string messageBody;
    std::string errorText;
    std::size_t remaining = 0;
    Result ready = Result::NeedMore;
};

#endif
