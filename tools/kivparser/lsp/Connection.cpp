#include "lsp/Connection.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define dup _dup
#define dup2 _dup2
#define fdopen _fdopen
#define fileno _fileno
#else
#include <unistd.h>
#endif

Connection::Received Connection::receive(std::string& body)
{
    char buffer[65536];
    for (;;) {
        switch (reader.next()) {
        case MessageReader::Result::Message:
            body = reader.body();
            return Received::Message;
        case MessageReader::Result::FramingError:
            body = reader.error();
            return Received::Broken;
        case MessageReader::Result::NeedMore:
            break;
        }
        std::size_t want = reader.wanted();
        if (want > sizeof buffer)
            want = sizeof buffer;
        std::size_t got = std::fread(buffer, 1, want, input);
        if (got == 0)
            return Received::End;
        // The reader takes them all: it was asked how many it would.
        reader.push(buffer, got);
    }
}

bool Connection::send(const std::string& body)
{
    std::string header = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    return std::fwrite(header.data(), 1, header.size(), output) == header.size() &&
           std::fwrite(body.data(), 1, body.size(), output) == body.size() && std::fflush(output) == 0;
}

std::FILE* Connection::claimStandardOutput()
{
    std::fflush(stdout);
    int kept = dup(fileno(stdout));
    if (kept < 0)
        return stdout;
    std::FILE* messages = fdopen(kept, "wb");
    if (!messages)
        return stdout;
    dup2(fileno(stderr), fileno(stdout));
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
#endif
    return messages;
}
