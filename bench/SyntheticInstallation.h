#ifndef KIVPARSER_BENCH_SYNTHETICINSTALLATION_H
#define KIVPARSER_BENCH_SYNTHETICINSTALLATION_H

#include <string>

// A synthetic installation of N applications, written as registration files
// below a root directory:
//
//   root/registration/C/appNNNNN   one application per file: description,
//                                  command, entries in shared menu bars (and
//                                  a shared cascade), menus, popup menu and
//                                  item, toolbar button, actions with
//                                  selection rules and web windows,
//                                  enrollments, a drop action, a shared tab
//                                  and a list of its own
//   root/symbols/C/synthNNN        symbol classes, each followed by its types
//                                  (N types in all)
//   root/fields/C/synthNNN         N capability fields and N/4 enumerations
//   root/peer.cfg                  the same content in the syntax of a
//                                  general configuration library, for the
//                                  peer benchmark
//
// Every name that the applications share (menu bars, the cascade label, tabs,
// field names in rules) is shared on purpose, so that the merge rules and the
// sorted insertion into shared lists get exercised at scale.
class SyntheticInstallation {
public:
    struct Sizes {
        long arfBytes = 0;
        long srfBytes = 0;
        long frfBytes = 0;
        long peerBytes = 0;
        int arfFiles = 0;
        int srfFiles = 0;
        int frfFiles = 0;
    };

    // Writes the installation for `applications` applications below `root`
    // (created when missing). Returns false when a file cannot be written.
    static bool write(const std::string& root, int applications, Sizes* sizes);

    // Number of shared menu bars and tabs the applications add to.
    enum { SHARED_BARS = 8, SHARED_TABS = 4, FIELDS_PER_FILE = 200, TYPES_PER_CLASS = 50 };

    // The installation of the shuffled-names case (ShuffledApplications.h):
    // `files` small application files below root/registration/C, read in
    // the order app00000, app00001, ..., whose applications are named in a
    // fixed shuffled order (in file order with `inOrder`). Each adds entries
    // to shared menu bars, the submenu of a shared cascade, the popup items,
    // the toolbar buttons and a shared tab, with precedences that tie across
    // applications. Returns false when a file cannot be written.
    static bool writeShuffled(const std::string& root, long files, bool inOrder, Sizes* sizes);
    static std::string shuffledText(long number);

    static std::string applicationText(int index, int applications);
    static std::string symbolText(int classIndex, int applications);
    static std::string fieldText(int fileIndex, int applications);
    static std::string peerText(int applications);
};

#endif
