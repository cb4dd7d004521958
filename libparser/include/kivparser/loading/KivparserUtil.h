#ifndef KIVPARSER_LOADING_KIVPARSERUTIL_H
#define KIVPARSER_LOADING_KIVPARSERUTIL_H

#include <kivparser/export.h>
namespace kivparser {

class ApplicationRegistration;
class SymbolRegistration;
class FieldRegistration;
class SnmppvReg;
class Action;

// The loaders: each finds the registration directory of its kind (`path`, a
// ';' list, or the environment variable, or the standard directory), lists
// its files with FileList and parses them one after the other into one
// registration, which the caller then owns. Null when no file produced one,
// or when memory ran out (that is reported, and nothing half loaded is handed
// out). `verbose` non-zero prints the directory, what the file search had to
// leave out (directory entries too long, link loops, directories that cannot
// be read), each file with its error and warning counts, and the totals.
//
// A file of another kind found on the way is parsed like any other; the
// registration it makes is not the loader's and is destroyed at once.
//
// Threads. The scanner and the grammar engine exist once per process, so the
// loaders, setArfPriorities, getStandardPathNoLang, the KivParser
// constructors, FileList, StoreBitmapSizes, the dumps, the fold
// (removeSingleActionMenus), the destruction of a registration root and the
// style sheet and icon functions all take one process-wide lock: called from
// several threads they run one after the other, and each caller gets what it
// would have got alone. The registration a loader returns is the caller's:
// any number of threads may walk and read it, and other registrations, while
// other threads load; the caller destroys it when done. Changing a
// registration by hand (the new, ref and set operations of its objects,
// deleting single objects out of it) while another thread loads is not safe:
// the look-up indexes of the lists are process-wide. The priority strings of
// Application hold for the whole process: set them (setArfPriorities) before
// the loads that depend on them, not while another thread loads.
KIVPARSER_API ApplicationRegistration* loadArf(int verbose, const char* path);
KIVPARSER_API SymbolRegistration* loadSrf(int verbose, const char* path);
KIVPARSER_API FieldRegistration* loadFrf(int verbose, const char* path);
KIVPARSER_API SnmppvReg* loadSvrf(int verbose, const char* path);

// What a load went through, for a host that loads quietly: `files` the
// registration files it parsed (every file of the list, also those that
// could not be read), `unopened` how many of them could not be opened or
// read, `errors` and `warnings` the sums over the files, which a verbose load
// prints as its totals. A load that lists no file leaves all four 0.
struct LoadStatus {
    int files;
    int unopened;
    int errors;
    int warnings;
};

// The loaders as above, also filling `*status` (when not null) however the
// load ends.
KIVPARSER_API ApplicationRegistration* loadArf(int verbose, const char* path, LoadStatus* status);
KIVPARSER_API SymbolRegistration* loadSrf(int verbose, const char* path, LoadStatus* status);
KIVPARSER_API FieldRegistration* loadFrf(int verbose, const char* path, LoadStatus* status);
KIVPARSER_API SnmppvReg* loadSvrf(int verbose, const char* path, LoadStatus* status);

// Names the program that loads application registrations: its own file is
// parsed first and applications are ranked against its organization, class
// and application. Unknown programs (and null) get no priority file and no
// priority application.
KIVPARSER_API void setArfPriorities(const char* app);

// 1 when a user with the blank-separated `roles` may run `action`, else 0.
// Every action may be run when security is not enforced, and an action whose
// access list is missing or empty, or whose last written access argument is
// blank, may be run by everybody. Otherwise one of the role words must equal
// (exactly) one of the access entries.
//
// Integer entries of an access list take part by their decimal text: the
// role word "3" matches the entry 3, and an integer written last is never
// blank.
//
// Failing closed: with security enforced, an action whose definition did not
// complete cleanly (Action::definitionIncomplete) is denied to every role.
KIVPARSER_API int actionCertifiedByRole(Action* action, const char* roles, int enforceSecurity);

// The registration directory list without its language component, as a new
// heap string: `path` when given, else the environment variable `envName`
// when set and not empty, else `dflt` (expanded) with the language
// subdirectory, falling back to C when the language subdirectory cannot be
// searched. From each element a final component naming the language (or C)
// is removed, so that a directory and its language subdirectory load the same
// files. Null only when memory runs out.
KIVPARSER_API char* getStandardPathNoLang(const char* path, const char* dflt, const char* envName);

// A new heap copy of the ';' list `pathBuf` with a final component `comp`
// removed from each element (matchPathEnd). Empty elements are dropped, but a
// list that starts with ';' keeps it. `pathBuf` is left as it was; the result
// is never longer than it. Null when `pathBuf` is null or memory runs out.
KIVPARSER_API char* stripMatchingFinalComponents(char* pathBuf, const char* comp);

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::LoadStatus;
using kivparser::loadArf;
using kivparser::loadSrf;
using kivparser::loadFrf;
using kivparser::loadSvrf;
using kivparser::setArfPriorities;
using kivparser::actionCertifiedByRole;
using kivparser::getStandardPathNoLang;
using kivparser::stripMatchingFinalComponents;
#endif

#endif
