#include "lsp/Workspace.h"

#include "RegistrationKind.h"
#include "lsp/FileUri.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

using namespace kivparser;

namespace {

// The directory of each kind below an installation root, and the loader's
// own choice of directory.
const char* const subdirectories[regKindCount] = {"registration", "symbols", "fields", "www/registration/dazivovovo"};

const RegistrationKind& loaderKind(int kind)
{
    switch (kind) {
    case 0:
        return RegistrationKind::application;
    case 1:
        return RegistrationKind::symbol;
    case 2:
        return RegistrationKind::field;
    default:
        return RegistrationKind::cgi;
    }
}

bool isDirectory(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

std::string readFile(const std::string& name, bool& ok)
{
    std::ifstream in(name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    ok = static_cast<bool>(in) || in.eof();
    return text.str();
}

} // namespace

Workspace::~Workspace()
{
    releaseRetired();
    for (int kind = 0; kind < regKindCount; kind++)
        releaseKind(static_cast<RegKind>(kind));
}

void Workspace::configure(const Settings& settings)
{
    current = settings;
    bool rootIsInstallation = false;
    if (!settings.root.empty()) {
        for (const char* sub : subdirectories)
            rootIsInstallation = rootIsInstallation || isDirectory(settings.root + "/" + sub);
    }
    for (int kind = 0; kind < regKindCount; kind++) {
        std::string given;
        if (!settings.paths[kind].empty())
            given = settings.paths[kind];
        else if (!settings.etcPath.empty())
            given = settings.etcPath + "/" + subdirectories[kind];
        else if (rootIsInstallation)
            given = settings.root + "/" + subdirectories[kind];
        directories[kind] = loaderKind(kind).directoryFor(given.empty() ? nullptr : given.c_str());
    }
    setArfPriorities(settings.application.empty() ? nullptr : settings.application.c_str());
}

void Workspace::listKind(RegKind kind, std::vector<std::string>& names) const
{
    const std::string& dir = directories[static_cast<int>(kind)];
    // As the loaders list them: completed from C, nothing printed.
    FileList list(dir.c_str(), 0, 1, 0);
    for (int i = 0; const char* name = list.getFileName(i); i++)
        names.push_back(name);
}

bool Workspace::relist()
{
    std::map<std::string, File> files;
    std::map<std::string, std::string> paths;
    for (int kind = 0; kind < regKindCount; kind++) {
        std::vector<std::string> names;
        listKind(static_cast<RegKind>(kind), names);
        for (std::size_t i = 0; i < names.size(); i++) {
            std::string path = FileUri::canonical(names[i]);
            // A file listed for two kinds (directory lists that overlap) is
            // taken for the first.
            if (files.count(path))
                continue;
            files[path] = File{names[i], static_cast<RegKind>(kind), static_cast<int>(i)};
            paths[names[i]] = path;
        }
    }
    bool changed = files.size() != filesByPath.size();
    if (!changed) {
        for (const auto& entry : files) {
            auto old = filesByPath.find(entry.first);
            if (old == filesByPath.end() || old->second.name != entry.second.name ||
                old->second.kind != entry.second.kind || old->second.order != entry.second.order) {
                changed = true;
                break;
            }
        }
    }
    // Files on disk may have changed with the list: read them again.
    diskTexts.clear();
    filesByPath.swap(files);
    pathByName.swap(paths);
    for (auto& list : ordered)
        list.clear();
    for (const auto& entry : filesByPath)
        ordered[static_cast<int>(entry.second.kind)].push_back(&entry.second);
    for (auto& list : ordered) {
        std::sort(list.begin(), list.end(), [](const File* a, const File* b) { return a->order < b->order; });
    }
    return changed;
}

const Workspace::File* Workspace::find(const std::string& path) const
{
    auto found = filesByPath.find(FileUri::canonical(path));
    return found == filesByPath.end() ? nullptr : &found->second;
}

namespace {

template <class Registration>
void release(Registration*& registration)
{
    delete registration;
    registration = nullptr;
}

// The registration in use becomes the retired one (the one retired before
// is released).
template <class Registration>
void retireOne(Registration*& current, Registration*& retired)
{
    delete retired;
    retired = current;
    current = nullptr;
}

} // namespace

void Workspace::retire(RegKind kind)
{
    switch (kind) {
    case RegKind::Application:
        return retireOne(arf, retiredArf);
    case RegKind::Symbol:
        return retireOne(srf, retiredSrf);
    case RegKind::Field:
        return retireOne(frf, retiredFrf);
    case RegKind::Cgi:
        return retireOne(svrf, retiredSvrf);
    }
}

void Workspace::releaseRetired()
{
    release(retiredArf);
    release(retiredSrf);
    release(retiredFrf);
    release(retiredSvrf);
}

void Workspace::releaseKind(RegKind kind)
{
    switch (kind) {
    case RegKind::Application:
        return release(arf);
    case RegKind::Symbol:
        return release(srf);
    case RegKind::Field:
        return release(frf);
    case RegKind::Cgi:
        return release(svrf);
    }
}

void Workspace::load(RegKind kind)
{
    int index = static_cast<int>(kind);
    retire(kind);
    // The loader itself, with the open buffers in place of their files.
    std::vector<SourceText> texts;
    for (const File* file : ordered[index]) {
        auto open = buffers.find(pathByName[file->name]);
        if (open != buffers.end()) {
            const std::string& text = open->second->text();
            texts.push_back(SourceText{file->name.c_str(), text.data(), text.size()});
        }
    }
    const char* dir = directories[index].c_str();
    const SourceText* given = texts.empty() ? nullptr : texts.data();
    int count = static_cast<int>(texts.size());
    LoadStatus status;
    ReportCapture capture;
    switch (kind) {
    case RegKind::Application:
        arf = loadArf(0, dir, &status, given, count);
        // The rules that need the whole merged registration.
        if (arf && current.lint)
            lintApplications(arf, nullptr, 0);
        break;
    case RegKind::Symbol:
        srf = loadSrf(0, dir, &status, given, count);
        break;
    case RegKind::Field:
        frf = loadFrf(0, dir, &status, given, count);
        break;
    case RegKind::Cgi:
        svrf = loadSvrf(0, dir, &status, given, count);
        break;
    }
    loadReports[index].swap(capture.byFile());
}

void Workspace::loadAll()
{
    for (int kind = 0; kind < regKindCount; kind++)
        load(static_cast<RegKind>(kind));
}

void Workspace::open(const std::string& path, const std::string& text)
{
    buffers[FileUri::canonical(path)] = std::make_unique<TextDocument>(text);
}

TextDocument* Workspace::buffer(const std::string& path)
{
    auto found = buffers.find(FileUri::canonical(path));
    return found == buffers.end() ? nullptr : found->second.get();
}

void Workspace::close(const std::string& path)
{
    buffers.erase(FileUri::canonical(path));
}

const TextDocument* Workspace::text(const std::string& name)
{
    auto path = pathByName.find(name);
    std::string canonical = path != pathByName.end() ? path->second : FileUri::canonical(name);
    auto open = buffers.find(canonical);
    if (open != buffers.end())
        return open->second.get();
    auto cached = diskTexts.find(name);
    if (cached != diskTexts.end())
        return cached->second.get();
    bool ok = false;
    std::string bytes = readFile(name, ok);
    if (!ok)
        return nullptr;
    return (diskTexts[name] = std::make_unique<TextDocument>(std::move(bytes))).get();
}
