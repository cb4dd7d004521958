#include "kivparser/loading/KivparserUtil.h"

#include "kivparser/application/Action.h"
#include "kivparser/application/Application.h"
#include "kivparser/application/ApplicationRegistration.h"
#include "kivparser/language/KivParser.h"
#include "kivparser/language/MessageCatalog.h"
#include "kivparser/lists/String.h"
#include "kivparser/loading/FileList.h"
#include "language/EntryGuard.h"
#include "language/ParseLock.h"
#include "language/ParserErrInternal.h"
#include "lists/LoadScope.h"
#include "platform/KzDirectory.h"
#include "platform/KzEnvironment.h"
#include "platform/KzPlatform.h"
#include "kivparser/symbols/FieldRegistration.h"
#include "kivparser/symbols/SnmppvReg.h"
#include "kivparser/symbols/SymbolRegistration.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string_view>
#include <type_traits>
#include <unordered_map>

namespace kivparser {

namespace {

// What tells the four loaders apart.
struct LoaderKind {
    const char* envName;
    const char* standardDir;
    int pathMsg;
    bool printPriorities;
};

const LoaderKind arfKind = {"KIvRegDir", "%KZ_ETC_PATH%" KZ_PATH_SEP_STR "registration", MSG_ARF_PATH, true};
const LoaderKind srfKind = {"KIvSymDir", "%KZ_ETC_PATH%" KZ_PATH_SEP_STR "symbols", MSG_SRF_PATH, false};
const LoaderKind frfKind = {"KIvFieldDir", "%KZ_ETC_PATH%" KZ_PATH_SEP_STR "fields", MSG_FRF_PATH, false};
const LoaderKind svrfKind = {"",
                             "%KZ_ETC_PATH%" KZ_PATH_SEP_STR "www" KZ_PATH_SEP_STR "registration" KZ_PATH_SEP_STR
                             "dazivovovo",
                             MSG_SVRF_PATH, false};

// The progress lines of a verbose load go where the reports go.
template <class... Args>
void progress(const char* file, int msg, Args... args)
{
    reportLine(RPT_PROGRESS, file, 0, 1, msg, args...);
}

const char* orNone(const char* text)
{
    return text ? text : "NONE";
}

// The registration of the loader's kind that a parser ends with.
ApplicationRegistration* rootOf(KivParser* parser, ApplicationRegistration*) { return parser->getAppReg(); }
SymbolRegistration* rootOf(KivParser* parser, SymbolRegistration*) { return parser->getSymReg(); }
FieldRegistration* rootOf(KivParser* parser, FieldRegistration*) { return parser->getFldReg(); }
SnmppvReg* rootOf(KivParser* parser, SnmppvReg*) { return parser->getSnmppvReg(); }

// Destroys the roots of the other kinds that a parse made: the loader handed
// the parser none of them, so every one it holds is new and nobody else's.
template <class Reg>
void disposeForeignRoots(KivParser* parser)
{
    if (!std::is_same<Reg, ApplicationRegistration>::value)
        delete parser->getAppReg();
    if (!std::is_same<Reg, SymbolRegistration>::value)
        delete parser->getSymReg();
    if (!std::is_same<Reg, FieldRegistration>::value)
        delete parser->getFldReg();
    if (!std::is_same<Reg, SnmppvReg>::value)
        delete parser->getSnmppvReg();
}

// Gives up a load for want of memory: reported, and nothing half loaded is
// handed out.
template <class Reg>
Reg* outOfMemory(Reg* registration)
{
    reportOutOfMemory();
    delete registration;
    return nullptr;
}

// The texts in memory that stand for files, found by a file's name in one
// step however many there are; of two texts with one name the first counts.
class TextsByName final {
public:
    TextsByName(const SourceText* texts, int count)
    {
        for (int i = count - 1; texts && i >= 0; --i) {
            if (texts[i].name)
                byName[texts[i].name] = &texts[i];
        }
    }

    // The text that stands for the file `name`, or null.
    const SourceText* find(const char* name) const
    {
        auto found = byName.find(name);
        return found == byName.end() ? nullptr : found->second;
    }

private:
    std::unordered_map<std::string_view, const SourceText*> byName;
};

template <class Reg>
Reg* loadRegistration(const LoaderKind& kind, int verbose, const char* path, LoadStatus& status,
                      const SourceText* texts, int textCount)
{
    ParseLock lock;
    LoadVerbosity verbosity(verbose);
    status = LoadStatus{0, 0, 0, 0};
    char* dir = getStandardPathNoLang(path, kind.standardDir, kind.envName);
    if (!dir)
        return nullptr; // reported
    if (verbose) {
        progress(nullptr, kind.pathMsg, dir);
        if (kind.printPriorities) {
            progress(nullptr, MSG_ARF_PRIORITY_FILE, orNone(Application::getPriorityFile()));
            progress(nullptr, MSG_ARF_PRIORITY_ORGANIZATION, orNone(Application::getPriorityOrganization()));
            progress(nullptr, MSG_ARF_PRIORITY_CLASS, orNone(Application::getPriorityClass()));
            progress(nullptr, MSG_ARF_PRIORITY_APPLICATION, orNone(Application::getPriorityApplication()));
        }
    }

    // Only what loses files is reported, and only when verbose.
    FileList* files = new (std::nothrow) FileList(dir, 0, 1, verbose);
    free(dir);
    if (!files)
        return outOfMemory<Reg>(nullptr);
    Reg* registration = nullptr;
    TextsByName textsByName(texts, textCount);
    LoadScope scope;
    int totalErrors = 0;
    int totalWarnings = 0;
    for (int i = 0; char* name = files->getFileName(i); ++i) {
        if (verbose)
            progress(name, MSG_PARSING, name);
        long unreadBefore = unreadableFileReports();
        const SourceText* text = textsByName.find(name);
        KivParser* parser = text ? new (std::nothrow) KivParser(*text, registration, verbose)
                                 : new (std::nothrow) KivParser(name, registration, verbose);
        if (!parser) {
            delete files;
            return outOfMemory(registration);
        }
        if (verbose)
            progress(name, MSG_FILE_COUNTS, parser->errors, parser->warnings);
        totalErrors += parser->errors;
        totalWarnings += parser->warnings;
        status.files++;
        status.unopened += unreadableFileReports() != unreadBefore ? 1 : 0;
        status.errors = totalErrors;
        status.warnings = totalWarnings;
        registration = rootOf(parser, registration);
        disposeForeignRoots<Reg>(parser);
        delete parser;
    }
    delete files;
    if (verbose)
        progress(nullptr, MSG_TOTAL_COUNTS, totalErrors, totalWarnings);
    return registration;
}

// `base` + separator + `name`, on the heap.
char* joinPath(const char* base, const char* name)
{
    size_t length = strlen(base) + 1 + strlen(name);
    char* joined = static_cast<char*>(malloc(length + 1));
    if (joined)
        snprintf(joined, length + 1, "%s%c%s", base, KZ_PATH_SEP, name);
    return joined;
}

// `list` without a final "C" component in each element; `list` is released.
char* stripDefaultLanguage(char* list)
{
    if (!list)
        return nullptr;
    char* stripped = stripMatchingFinalComponents(list, "C");
    free(list);
    return stripped;
}

bool isBlank(const char* text)
{
    return strspn_new(text, " \t\n") == strlen_new(text);
}

// The text an access entry is compared by: integers by their decimal form.
const char* accessText(String* entry, char* number, size_t size)
{
    if (entry->isInteger()) {
        snprintf(number, size, "%d", entry->integer);
        return number;
    }
    return entry->str;
}

bool entryGrants(String* accesses, const char* word)
{
    char number[16];
    for (String* entry = accesses->next(); entry; entry = entry->next()) {
        const char* text = accessText(entry, number, sizeof number);
        if (text && strcmp_new(text, word) == 0)
            return true;
    }
    return false;
}

} // namespace

// The loaders run their work through this: the status is the caller's or
// one of its own, and nothing thrown gets out.
template <class Reg>
Reg* load(const LoaderKind& kind, int verbose, const char* path, LoadStatus* status, const SourceText* texts = nullptr,
          int textCount = 0)
{
    LoadStatus own;
    LoadStatus& filled = status ? *status : own;
    return guarded<Reg*>(nullptr, [&] { return loadRegistration<Reg>(kind, verbose, path, filled, texts, textCount); });
}

ApplicationRegistration* loadArf(int verbose, const char* path)
{
    return load<ApplicationRegistration>(arfKind, verbose, path, nullptr);
}

SymbolRegistration* loadSrf(int verbose, const char* path)
{
    return load<SymbolRegistration>(srfKind, verbose, path, nullptr);
}

FieldRegistration* loadFrf(int verbose, const char* path)
{
    return load<FieldRegistration>(frfKind, verbose, path, nullptr);
}

SnmppvReg* loadSvrf(int verbose, const char* path)
{
    return load<SnmppvReg>(svrfKind, verbose, path, nullptr);
}

ApplicationRegistration* loadArf(int verbose, const char* path, LoadStatus* status)
{
    return load<ApplicationRegistration>(arfKind, verbose, path, status);
}

SymbolRegistration* loadSrf(int verbose, const char* path, LoadStatus* status)
{
    return load<SymbolRegistration>(srfKind, verbose, path, status);
}

FieldRegistration* loadFrf(int verbose, const char* path, LoadStatus* status)
{
    return load<FieldRegistration>(frfKind, verbose, path, status);
}

SnmppvReg* loadSvrf(int verbose, const char* path, LoadStatus* status)
{
    return load<SnmppvReg>(svrfKind, verbose, path, status);
}

ApplicationRegistration* loadArf(int verbose, const char* path, LoadStatus* status, const SourceText* texts,
                                 int textCount)
{
    return load<ApplicationRegistration>(arfKind, verbose, path, status, texts, textCount);
}

SymbolRegistration* loadSrf(int verbose, const char* path, LoadStatus* status, const SourceText* texts, int textCount)
{
    return load<SymbolRegistration>(srfKind, verbose, path, status, texts, textCount);
}

FieldRegistration* loadFrf(int verbose, const char* path, LoadStatus* status, const SourceText* texts, int textCount)
{
    return load<FieldRegistration>(frfKind, verbose, path, status, texts, textCount);
}

SnmppvReg* loadSvrf(int verbose, const char* path, LoadStatus* status, const SourceText* texts, int textCount)
{
    return load<SnmppvReg>(svrfKind, verbose, path, status, texts, textCount);
}

void setArfPriorities(const char* app)
{
    ParseLock lock;
    const char* file = nullptr;
    const char* application = nullptr;
    if (app && strcmp_new(app, "jkiv") == 0) {
        file = "jkiv";
        application = "Varnel";
    } else if (app && strcmp_new(app, "kzlaunch") == 0) {
        file = "launcher";
        application = "Launcher";
    }
    Application::setPriorityFile(file);
    Application::setPriorityOrganization("ZETA");
    Application::setPriorityClass("ZETA Taluna");
    Application::setPriorityApplication(application);
}

int actionCertifiedByRole(Action* action, const char* roles, int enforceSecurity)
{
    if (!enforceSecurity || !action)
        return 1;
    // Failing closed: what an incomplete definition holds decides nothing.
    if (action->definitionIncomplete())
        return 0;
    String* accesses = action->accesses;
    String* lastWritten = accesses ? accesses->next() : nullptr;
    if (!lastWritten)
        return 1;
    char number[16];
    const char* lastText = accessText(lastWritten, number, sizeof number);
    if (!lastText || isBlank(lastText))
        return 1;
    if (!roles || isBlank(roles))
        return 0;

    // Words are separated by blanks only; a run of blanks is one separator.
    const char* cursor = roles;
    while (*cursor) {
        while (*cursor == ' ')
            ++cursor;
        size_t length = strcspn(cursor, " ");
        if (length == 0)
            break;
        char* word = static_cast<char*>(malloc(length + 1));
        if (!word)
            return 0;
        memcpy(word, cursor, length);
        word[length] = '\0';
        bool granted = entryGrants(accesses, word);
        free(word);
        if (granted)
            return 1;
        cursor += length;
    }
    return 0;
}

char* getStandardPathNoLang(const char* path, const char* dflt, const char* envName)
{
    ParseLock lock; // the path expansion answers in a shared buffer
    char* lang = _strdup(KzEnvironment::languageName());
    if (!lang) {
        reportOutOfMemory();
        return nullptr;
    }
    bool isDefault = pathsMatch(lang, "C") != 0;
    const char* variable = KzEnvironment::getVariable(envName ? envName : "");

    // Every step below gives null only when memory runs out.
    char* list = nullptr;
    if (path || (variable && *variable)) {
        const char* given = path ? path : _KZGetPath(variable);
        list = given ? _strdup(given) : nullptr;
        if (!isDefault)
            list = stripDefaultLanguage(list);
    } else {
        const char* expanded = _KZGetPath(dflt ? dflt : "");
        char* base = expanded ? _strdup(expanded) : nullptr;
        if (base) {
            list = joinPath(base, lang);
            if (list && !isDefault && !KzDirectory::canAccess(list)) {
                free(list);
                free(lang);
                lang = _strdup("C");
                list = lang ? joinPath(base, lang) : nullptr;
            }
            free(base);
        }
    }

    char* result = list && lang ? stripMatchingFinalComponents(list, lang) : nullptr;
    free(list);
    free(lang);
    if (!result)
        reportOutOfMemory();
    return result;
}

char* stripMatchingFinalComponents(char* pathBuf, const char* comp)
{
    if (!pathBuf)
        return nullptr;
    // Every element but one at the very start replaces at least one ';' of
    // the input with its own, so the result never outgrows the input.
    char* result = static_cast<char*>(malloc(strlen(pathBuf) + 1));
    if (!result)
        return nullptr;
    size_t out = 0;
    char* cursor = pathBuf;
    while (*cursor) {
        if (*cursor == ';') {
            ++cursor;
            continue;
        }
        char* element = cursor;
        size_t length = strcspn(element, ";");
        cursor = element + length;
        char saved = *cursor;
        *cursor = '\0';
        int cut = matchPathEnd(element, comp);
        *cursor = saved;
        if (element != pathBuf)
            result[out++] = ';';
        if (cut > 0)
            length -= static_cast<size_t>(cut);
        memcpy(result + out, element, length);
        out += length;
    }
    result[out] = '\0';
    return result;
}

} // namespace kivparser
