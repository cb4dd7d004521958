#ifndef KIVPARSER_APPLICATION_APPLICATIONKEY_H
#define KIVPARSER_APPLICATION_APPLICATIONKEY_H

#include "kivparser/application/Application.h"

namespace kivparser {

// What places an application among others in the sorted lists: its rank and
// its name, as Application::collate compares them. Taken out of the
// application once, it can be kept beside an element (the list indexes do)
// and compared without going back to the application.
struct ApplicationKey {
    AppPriorityType rank;
    const char* name;

    // The key of `app`; a null application ranks AppOTHER and has no name.
    static ApplicationKey of(const Application* app)
    {
        return app ? ApplicationKey{app->priority, app->appName} : ApplicationKey{AppOTHER, nullptr};
    }

    // Negative when `a` goes first: by rank when `usePriority` is non-zero,
    // then named before unnamed, then by the locale's collation of the names.
    static int collate(const ApplicationKey& a, const ApplicationKey& b, int usePriority);
};

} // namespace kivparser

#endif
