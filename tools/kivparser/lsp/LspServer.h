#ifndef KIVPARSER_TOOL_LSP_LSPSERVER_H
#define KIVPARSER_TOOL_LSP_LSPSERVER_H

#include "lsp/TextDocument.h"
#include "lsp/Workspace.h"

#include <nlohmann/json.hpp>

#include <functional>
#include <map>
#include <string>

class Connection;

// The language server of registration files: answers the requests of the
// language server protocol (3.17) about the files of one workspace, and
// publishes the reports of the library as diagnostics whenever a load changes
// them. One thread; each message is handled to its end before the next is
// read.
class LspServer {
public:
    using Json = nlohmann::json;

    LspServer();

    // Serves `connection` until `exit` (or the end of the input). The exit
    // status: 0 after shutdown, 1 otherwise.
    int run(Connection& connection);

    // Handles one message body; what is to be sent goes to `send`. False once
    // the server is to end (after `exit`).
    bool handle(const std::string& body, const std::function<void(const Json&)>& send);
    // The answer to bytes that are no message.
    static Json framingError(const std::string& reason);
    int exitStatus() const { return shutdownRequested ? 0 : 1; }

    // JSON-RPC and protocol error codes.
    enum ErrorCode {
        ParseError = -32700,
        InvalidRequest = -32600,
        MethodNotFound = -32601,
        InvalidParams = -32602,
        InternalError = -32603,
        ServerNotInitialized = -32002,
        RequestFailed = -32803
    };

    Workspace& workspace() { return files; }
    TextDocument::Units units() const { return positionUnits; }

private:
    using Handler = Json (LspServer::*)(const Json& params);

    static Json error(const Json& id, int code, const std::string& message);

    Json initialize(const Json& params);
    Json shutdown(const Json& params);
    Json documentSymbol(const Json& params);
    Json definition(const Json& params);
    Json references(const Json& params);
    Json documentHighlight(const Json& params);
    Json hover(const Json& params);
    Json completion(const Json& params);
    Json foldingRange(const Json& params);

    void initialized(const Json& params);
    void didOpen(const Json& params);
    void didChange(const Json& params);
    void didSave(const Json& params);
    void didClose(const Json& params);
    void didChangeWatchedFiles(const Json& params);

    // The workspace file of a request's document (null: none, the request
    // gets an empty answer).
    const Workspace::File* fileOf(const Json& params);
    // Publishes the diagnostics of every file whose diagnostics changed.
    void publish();
    // The path of the document a message names.
    static std::string pathOf(const Json& params);

    Workspace files;
    TextDocument::Units positionUnits = TextDocument::Units::Utf16;
    bool initializeAnswered = false;
    bool shutdownRequested = false;
    bool relatedSupported = true;
    std::map<std::string, Handler> requests;
    std::map<std::string, void (LspServer::*)(const Json&)> notifications;
    // The diagnostics last published, per URI, as sent.
    std::map<std::string, std::string> published;
    std::map<std::string, std::string> uriOfPath; // canonical path -> the URI the editor uses
    const std::function<void(const Json&)>* sink = nullptr;
};

#endif
