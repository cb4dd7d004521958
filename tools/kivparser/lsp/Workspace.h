#ifndef KIVPARSER_TOOL_LSP_WORKSPACE_H
#define KIVPARSER_TOOL_LSP_WORKSPACE_H

#include "lsp/ReportCapture.h"
#include "lsp/TextDocument.h"

#include <kivparser/kivparser.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

// The four kinds of registration, each loaded from its own directories into
// its own registration.
enum class RegKind { Application = 0, Symbol = 1, Field = 2, Cgi = 3 };
const int regKindCount = 4;

// Where the registrations of a workspace are and what an editor holds of
// them: the files of each kind in the order the loaders parse them, the
// buffers open in the editor, the four registrations loaded from them (an
// open buffer's text in place of its file's) and the reports of those loads,
// per file.
//
// A load of one kind parses every file of that kind, in the loader's order,
// into a new registration: files merge into one another (the first completed
// definition wins, menus collect the entries of every file, a later file
// draws a duplicate warning for what an earlier one defined, a file refers to
// what another defines), so what one file says can change the reports of any
// other file of its kind, before it or after it; the kinds never meet.
class Workspace {
public:
    // How the directories are chosen (see configure).
    struct Settings {
        std::string root;                // the workspace folder; empty: none
        std::string etcPath;             // an installation root (as KZ_ETC_PATH); empty: none
        std::string paths[regKindCount]; // directory lists of each kind; empty: not given
        std::string application;         // the program the files are ranked for (setArfPriorities); empty: none
        bool lint = true;                // run the linter's rules after each load of the applications
    };

    struct File {
        std::string name;  // as the file list names it: what the parser and its reports call it
        RegKind kind;
        int order;         // its place in the load of its kind
    };

    Workspace() = default;
    ~Workspace();
    Workspace(const Workspace&) = delete;
    Workspace& operator=(const Workspace&) = delete;

    // Takes the settings; the directories of each kind are, in this order:
    // the kind's directory list of the settings; the kind's directory below
    // the settings' installation root; the kind's directory below the
    // workspace folder, when the folder holds the directory of any kind;
    // otherwise the loaders' own (KIvRegDir ..., KZ_ETC_PATH).
    void configure(const Settings& settings);
    const Settings& settings() const { return current; }
    // The directory list searched for each kind (without its language).
    const std::string& directory(RegKind kind) const { return directories[static_cast<int>(kind)]; }

    // Lists the files of every kind anew (files come and go). True when a
    // list changed.
    bool relist();
    // Loads one kind, or every kind. What the last load of a kind made is
    // kept until releaseRetired(): destroying a large registration takes a
    // while, which the editor need not wait for.
    void load(RegKind kind);
    void loadAll();
    void releaseRetired();

    // The workspace file at `path` (any name of it), or null.
    const File* find(const std::string& path) const;
    // The files of one kind in load order.
    const std::vector<const File*>& files(RegKind kind) const { return ordered[static_cast<int>(kind)]; }

    // Buffers of the editor. An open buffer stands for its file in every load
    // until it is closed.
    void open(const std::string& path, const std::string& text);
    TextDocument* buffer(const std::string& path);
    void close(const std::string& path);
    // The text of a workspace file: its buffer, else its bytes on disk
    // (read once per listing). Null when it cannot be read.
    const TextDocument* text(const std::string& name);

    // The reports of the last loads, per file (file list names).
    const std::map<std::string, std::vector<CapturedReport>>& reports(RegKind kind) const
    {
        return loadReports[static_cast<int>(kind)];
    }

    kivparser::ApplicationRegistration* applications() const { return arf; }
    kivparser::SymbolRegistration* symbols() const { return srf; }
    kivparser::FieldRegistration* fields() const { return frf; }
    kivparser::SnmppvReg* cgis() const { return svrf; }

private:
    void listKind(RegKind kind, std::vector<std::string>& names) const;
    void releaseKind(RegKind kind);
    void retire(RegKind kind);

    Settings current;
    std::string directories[regKindCount];
    std::map<std::string, File> filesByPath;       // canonical path -> file
    std::map<std::string, std::string> pathByName;  // file list name -> canonical path
    std::vector<const File*> ordered[regKindCount];
    std::map<std::string, std::unique_ptr<TextDocument>> buffers; // canonical path -> buffer
    std::map<std::string, std::unique_ptr<TextDocument>> diskTexts; // file list name -> text
    std::map<std::string, std::vector<CapturedReport>> loadReports[regKindCount];
    kivparser::ApplicationRegistration* arf = nullptr;
    kivparser::SymbolRegistration* srf = nullptr;
    kivparser::FieldRegistration* frf = nullptr;
    kivparser::SnmppvReg* svrf = nullptr;
    kivparser::ApplicationRegistration* retiredArf = nullptr;
    kivparser::SymbolRegistration* retiredSrf = nullptr;
    kivparser::FieldRegistration* retiredFrf = nullptr;
    kivparser::SnmppvReg* retiredSvrf = nullptr;
};

#endif
