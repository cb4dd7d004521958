// The language server's message reader and dispatcher: the input is the
// byte stream an editor would send, pushed into the reader in pieces whose
// size the first byte chooses; the reader must find the same messages as
// when the whole stream comes at once, and every message goes to a server
// over the test workspace (an initialize is pointed there, whatever it says),
// whose answers must be JSON-RPC objects. Documents below file:///WS/ are
// those of the test workspace.
#include "FuzzSupport.h"
#include "lsp/LspServer.h"
#include "lsp/MessageReader.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Piece {
    MessageReader::Result result;
    std::string text;
};

std::vector<Piece> read(const uint8_t* data, size_t size, size_t chunk)
{
    std::vector<Piece> pieces;
    MessageReader reader;
    size_t at = 0;
    while (at < size) {
        size_t n = size - at < chunk ? size - at : chunk;
        size_t taken = reader.push(reinterpret_cast<const char*>(data) + at, n);
        at += taken;
        MessageReader::Result result = reader.next();
        if (result == MessageReader::Result::Message)
            pieces.push_back({result, reader.body()});
        else if (result == MessageReader::Result::FramingError)
            pieces.push_back({result, reader.error()});
        else if (taken == 0)
            std::abort(); // took nothing and has nothing to say
        if (reader.wanted() == 0)
            std::abort(); // nothing to say, yet wants nothing
    }
    return pieces;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzSupport::setUp();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    size_t chunk = data[0] % 17 + 1;
    std::vector<Piece> whole = read(data + 1, size - 1, size);
    std::vector<Piece> pieces = read(data + 1, size - 1, chunk);
    if (whole.size() != pieces.size())
        std::abort();
    for (size_t i = 0; i < whole.size(); i++) {
        if (whole[i].result != pieces[i].result || whole[i].text != pieces[i].text)
            std::abort();
    }

    LspServer server;
    auto check = [](const nlohmann::json& answer) {
        if (!answer.is_object() || answer.value("jsonrpc", "") != "2.0")
            std::abort();
        answer.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    };
    for (const Piece& piece : whole) {
        if (piece.result == MessageReader::Result::FramingError) {
            check(LspServer::framingError(piece.text));
            continue;
        }
        // Documents of the seeds are named below file:///WS/, the workspace.
        std::string body = piece.text;
        const std::string placeholder = "file:///WS/";
        for (size_t at = body.find(placeholder); at != std::string::npos; at = body.find(placeholder, at + 1))
            body.replace(at, placeholder.size(), "file://" KIVPARSER_LSP_WORKSPACE "/");
        nlohmann::json message = nlohmann::json::parse(body, nullptr, false);
        if (message.is_object() && message.value("method", nlohmann::json()) == "initialize") {
            message["params"] = {{"rootUri", "file://" KIVPARSER_LSP_WORKSPACE}, {"capabilities", nlohmann::json::object()}};
            body = message.dump();
        }
        if (!server.handle(body, check))
            break;
    }
    return 0;
}
