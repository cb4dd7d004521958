#include "lsp/LspServer.h"

#include "lsp/Completion.h"
#include "lsp/Connection.h"
#include "lsp/Diagnostics.h"
#include "lsp/FileUri.h"
#include "lsp/Folding.h"
#include "lsp/HoverText.h"
#include "lsp/Navigation.h"
#include "lsp/Outline.h"

#include <kivparser/kivparser.h>

#include <new>
#include <set>

using Json = nlohmann::json;

LspServer::LspServer()
{
    requests = {
        {"initialize", &LspServer::initialize},
        {"shutdown", &LspServer::shutdown},
        {"textDocument/documentSymbol", &LspServer::documentSymbol},
        {"textDocument/definition", &LspServer::definition},
        {"textDocument/references", &LspServer::references},
        {"textDocument/documentHighlight", &LspServer::documentHighlight},
        {"textDocument/hover", &LspServer::hover},
        {"textDocument/completion", &LspServer::completion},
        {"textDocument/foldingRange", &LspServer::foldingRange},
    };
    notifications = {
        {"initialized", &LspServer::initialized},
        {"textDocument/didOpen", &LspServer::didOpen},
        {"textDocument/didChange", &LspServer::didChange},
        {"textDocument/didSave", &LspServer::didSave},
        {"textDocument/didClose", &LspServer::didClose},
        {"workspace/didChangeWatchedFiles", &LspServer::didChangeWatchedFiles},
    };
}

Json LspServer::error(const Json& id, int code, const std::string& message)
{
    return Json{{"jsonrpc", "2.0"}, {"id", id}, {"error", {{"code", code}, {"message", message}}}};
}

Json LspServer::framingError(const std::string& reason)
{
    return error(nullptr, ParseError, "not a message: " + reason);
}

int LspServer::run(Connection& connection)
{
    std::function<void(const Json&)> send = [&connection](const Json& message) {
        // Texts of the files need not be UTF-8: bytes that are not become
        // U+FFFD rather than an exception.
        connection.send(message.dump(-1, ' ', false, Json::error_handler_t::replace));
    };
    for (;;) {
        std::string body;
        switch (connection.receive(body)) {
        case Connection::Received::End:
            return exitStatus();
        case Connection::Received::Broken:
            send(framingError(body));
            continue;
        case Connection::Received::Message:
            break;
        }
        if (!handle(body, send))
            return exitStatus();
    }
}

bool LspServer::handle(const std::string& body, const std::function<void(const Json&)>& send)
{
    Json message = Json::parse(body, nullptr, false);
    if (message.is_discarded()) {
        send(error(nullptr, ParseError, "the message is not JSON"));
        return true;
    }
    if (!message.is_object()) {
        send(error(nullptr, InvalidRequest, "a message is a JSON object"));
        return true;
    }
    auto methodField = message.find("method");
    auto idField = message.find("id");
    Json id = idField != message.end() ? *idField : Json();
    bool isRequest = idField != message.end();
    if (isRequest && !id.is_string() && !id.is_number_integer()) {
        send(error(nullptr, InvalidRequest, "the id of a request is a number or a string"));
        return true;
    }
    if (methodField == message.end() || !methodField->is_string()) {
        // A response to a request of ours (none is sent), or nothing.
        if (!isRequest || message.contains("result") || message.contains("error"))
            return true;
        send(error(id, InvalidRequest, "a request names its method"));
        return true;
    }
    std::string method = *methodField;
    Json params = message.value("params", Json::object());

    if (method == "exit")
        return false;

    sink = &send;
    try {
        if (isRequest) {
            auto handler = requests.find(method);
            if (handler == requests.end()) {
                send(error(id, MethodNotFound, "unknown method " + method));
            } else if (!initializeAnswered && method != "initialize") {
                send(error(id, ServerNotInitialized, "the server is not initialized"));
            } else if (shutdownRequested) {
                send(error(id, InvalidRequest, "the server is shutting down"));
            } else if (initializeAnswered && method == "initialize") {
                send(error(id, InvalidRequest, "the server is initialized already"));
            } else {
                Json result = (this->*handler->second)(params);
                send(Json{{"jsonrpc", "2.0"}, {"id", id}, {"result", result}});
            }
        } else if (initializeAnswered && !shutdownRequested) {
            // Unknown notifications ($/cancelRequest, $/setTrace ...) are
            // dropped, as the protocol wants.
            auto handler = notifications.find(method);
            if (handler != notifications.end())
                (this->*handler->second)(params);
        }
    } catch (const Json::exception& e) {
        if (isRequest)
            send(error(id, InvalidParams, std::string("invalid parameters: ") + e.what()));
    } catch (const std::bad_alloc&) {
        if (isRequest)
            send(error(id, InternalError, "out of memory"));
    } catch (const std::exception& e) {
        if (isRequest)
            send(error(id, InternalError, e.what()));
    }
    sink = nullptr;
    // What the loads replaced goes once the answers are out.
    files.releaseRetired();
    return true;
}

Json LspServer::initialize(const Json& params)
{
    Workspace::Settings settings;
    std::string root;
    if (params.contains("workspaceFolders") && params.at("workspaceFolders").is_array() &&
        !params.at("workspaceFolders").empty())
        root = FileUri::toPath(params.at("workspaceFolders").at(0).value("uri", ""));
    if (root.empty() && params.contains("rootUri") && params.at("rootUri").is_string())
        root = FileUri::toPath(params.at("rootUri").get<std::string>());
    if (root.empty() && params.contains("rootPath") && params.at("rootPath").is_string())
        root = params.at("rootPath").get<std::string>();
    settings.root = root;

    const Json options = params.value("initializationOptions", Json::object());
    if (options.is_object()) {
        settings.etcPath = options.value("etcPath", "");
        settings.paths[0] = options.value("registrationPath", "");
        settings.paths[1] = options.value("symbolPath", "");
        settings.paths[2] = options.value("fieldPath", "");
        settings.paths[3] = options.value("cgiPath", "");
        settings.application = options.value("application", "");
        settings.lint = options.value("lint", true);
    }

    const Json capabilities = params.value("capabilities", Json::object());
    std::string encoding = "utf-16";
    if (capabilities.contains("general") && capabilities.at("general").contains("positionEncodings")) {
        for (const Json& offered : capabilities.at("general").at("positionEncodings")) {
            if (offered == "utf-8") {
                encoding = "utf-8";
                positionUnits = TextDocument::Units::Utf8;
            }
        }
    }
    if (capabilities.contains("textDocument") && capabilities.at("textDocument").contains("publishDiagnostics"))
        relatedSupported =
            capabilities.at("textDocument").at("publishDiagnostics").value("relatedInformation", false);

    files.configure(settings);
    files.relist();
    files.loadAll();
    initializeAnswered = true;

    return Json{
        {"capabilities",
         {
             {"positionEncoding", encoding},
             {"textDocumentSync", {{"openClose", true}, {"change", 2}, {"save", {{"includeText", false}}}}},
             {"documentSymbolProvider", true},
             {"definitionProvider", true},
             {"referencesProvider", true},
             {"documentHighlightProvider", true},
             {"hoverProvider", true},
             {"completionProvider", {{"triggerCharacters", {"\"", "."}}}},
             {"foldingRangeProvider", true},
         }},
        {"serverInfo", {{"name", "kivparser"}, {"version", kivparser::version()}}},
    };
}

Json LspServer::shutdown(const Json&)
{
    shutdownRequested = true;
    return nullptr;
}

std::string LspServer::pathOf(const Json& params)
{
    return FileUri::toPath(params.at("textDocument").at("uri").get<std::string>());
}

const Workspace::File* LspServer::fileOf(const Json& params)
{
    std::string path = pathOf(params);
    return path.empty() ? nullptr : files.find(path);
}

void LspServer::initialized(const Json&)
{
    publish();
}

void LspServer::didOpen(const Json& params)
{
    const Json& document = params.at("textDocument");
    std::string uri = document.at("uri");
    std::string path = FileUri::toPath(uri);
    if (path.empty())
        return;
    const Workspace::File* file = files.find(path);
    if (!file && files.relist()) {
        // A file made since the last listing: every kind may see it.
        file = files.find(path);
        if (file)
            files.loadAll();
    }
    if (!file)
        return;
    uriOfPath[FileUri::canonical(path)] = uri;
    std::string text = document.at("text").get<std::string>();
    // A buffer that holds what the file holds changes nothing the last load
    // saw: no need to load again.
    const TextDocument* onDisk = files.text(file->name);
    bool same = onDisk && onDisk->text() == text;
    files.open(path, text);
    if (!same)
        files.load(file->kind);
    publish();
}

void LspServer::didChange(const Json& params)
{
    std::string path = pathOf(params);
    TextDocument* text = files.buffer(path);
    const Workspace::File* file = files.find(path);
    if (!text || !file)
        return;
    for (const Json& change : params.at("contentChanges")) {
        if (change.contains("range")) {
            // at(): a member that is missing is an error of the message, never a
            // read of what is not there.
            const Json& range = change.at("range");
            TextRange replaced;
            replaced.start = TextPosition{range.at("start").at("line").get<int>(),
                                          range.at("start").at("character").get<int>()};
            replaced.end = TextPosition{range.at("end").at("line").get<int>(), range.at("end").at("character").get<int>()};
            text->replace(&replaced, change.at("text"), positionUnits);
        } else {
            text->replace(nullptr, change.at("text"), positionUnits);
        }
    }
    files.load(file->kind);
    publish();
}

void LspServer::didSave(const Json&)
{
    // Files may have been made or removed beside the one saved.
    if (files.relist())
        files.loadAll();
    publish();
}

void LspServer::didClose(const Json& params)
{
    std::string path = pathOf(params);
    TextDocument* buffer = files.buffer(path);
    if (!buffer)
        return;
    std::string was = buffer->text();
    files.close(path);
    // The file's text on disk stands for it again: a load when it differs.
    const Workspace::File* file = files.find(path);
    const TextDocument* onDisk = file ? files.text(file->name) : nullptr;
    if (file && (!onDisk || onDisk->text() != was))
        files.load(file->kind);
    publish();
}

void LspServer::didChangeWatchedFiles(const Json&)
{
    files.relist();
    files.loadAll();
    publish();
}

void LspServer::publish()
{
    if (!sink)
        return;
    auto uriOf = [this](const std::string& name) {
        std::string path = FileUri::canonical(name);
        auto known = uriOfPath.find(path);
        return known != uriOfPath.end() ? known->second : FileUri::fromPath(path);
    };
    Diagnostics diagnostics(files, positionUnits, relatedSupported, uriOf);
    std::map<std::string, std::string> now;
    for (int kind = 0; kind < regKindCount; kind++) {
        for (const auto& entry : files.reports(static_cast<RegKind>(kind))) {
            // Reports of files outside the workspace (an #include'd file does
            // not exist here) are not published.
            if (!files.find(entry.first))
                continue;
            std::string uri = uriOf(entry.first);
            Json list = diagnostics.forFile(entry.first, entry.second);
            if (now.count(uri)) {
                Json merged = Json::parse(now[uri]);
                for (Json& item : list)
                    merged.push_back(item);
                list = merged;
            }
            now[uri] = list.dump(-1, ' ', false, Json::error_handler_t::replace);
        }
    }
    for (const auto& entry : now) {
        auto old = published.find(entry.first);
        if (old != published.end() && old->second == entry.second)
            continue;
        (*sink)(Json{{"jsonrpc", "2.0"},
                     {"method", "textDocument/publishDiagnostics"},
                     {"params", {{"uri", entry.first}, {"diagnostics", Json::parse(entry.second)}}}});
    }
    for (const auto& entry : published) {
        if (!now.count(entry.first))
            (*sink)(Json{{"jsonrpc", "2.0"},
                         {"method", "textDocument/publishDiagnostics"},
                         {"params", {{"uri", entry.first}, {"diagnostics", Json::array()}}}});
    }
    published.swap(now);
}

Json LspServer::documentSymbol(const Json& params)
{
    const Workspace::File* file = fileOf(params);
    if (!file)
        return Json::array();
    return Outline(files, positionUnits).symbols(*file);
}

Json LspServer::foldingRange(const Json& params)
{
    const Workspace::File* file = fileOf(params);
    if (!file)
        return Json::array();
    return Folding(files).ranges(*file);
}

namespace {

TextPosition positionOf(const Json& params)
{
    const Json& position = params.at("position");
    return TextPosition{position.at("line").get<int>(), position.at("character").get<int>()};
}

} // namespace

Json LspServer::definition(const Json& params)
{
    const Workspace::File* file = fileOf(params);
    if (!file)
        return nullptr;
    return Navigation(files, positionUnits, uriOfPath).definition(*file, positionOf(params));
}

Json LspServer::references(const Json& params)
{
    const Workspace::File* file = fileOf(params);
    if (!file)
        return nullptr;
    bool declaration = params.contains("context") && params.at("context").value("includeDeclaration", false);
    return Navigation(files, positionUnits, uriOfPath).references(*file, positionOf(params), declaration);
}

Json LspServer::documentHighlight(const Json& params)
{
    const Workspace::File* file = fileOf(params);
    if (!file)
        return nullptr;
    return Navigation(files, positionUnits, uriOfPath).highlights(*file, positionOf(params));
}

Json LspServer::hover(const Json& params)
{
    const Workspace::File* file = fileOf(params);
    if (!file)
        return nullptr;
    return HoverText(files, positionUnits).at(*file, positionOf(params));
}

Json LspServer::completion(const Json& params)
{
    const Workspace::File* file = fileOf(params);
    if (!file)
        return Json::array();
    return Completion(files, positionUnits).at(*file, positionOf(params));
}
