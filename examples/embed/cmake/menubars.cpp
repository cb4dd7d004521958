// Loads the application registrations of an installation the way the map
// program does (ranked for one program, single-action cascades folded) and
// prints every menu bar with its entries.
//
// usage: menubars [PROGRAM]      (the registrations: %KZ_ETC_PATH%/registration)
#include <kivparser/kivparser.h>

#include <clocale>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    // The library reads the locale but never sets it.
    std::setlocale(LC_ALL, "");
    if (std::strcmp(kivparser::version(), KIVPARSER_VERSION_STRING) != 0) {
        std::fprintf(stderr, "menubars: built with kivparser %s, running with %s\n", KIVPARSER_VERSION_STRING,
                     kivparser::version());
        return 1;
    }

    setArfPriorities(argc > 1 ? argv[1] : nullptr);
    // Reports of broken files would go to standard output with verbose 1.
    ApplicationRegistration* registration = loadArf(0, nullptr);
    if (!registration) {
        std::fprintf(stderr, "menubars: no application registration found\n");
        return 1;
    }
    registration->removeSingleActionMenus();

    // Every list starts with a placeholder head: the elements follow it.
    int applications = 0;
    for (Application* app = registration->applications ? registration->applications->next() : nullptr; app;
         app = app->next())
        applications++;
    std::printf("%d applications\n", applications);

    for (MenuBar* bar = registration->menuBars ? registration->menuBars->next() : nullptr; bar; bar = bar->next()) {
        std::printf("%s\n", bar->menuID);
        for (_MenuItem* item = bar->menuItems ? bar->menuItems->next() : nullptr; item; item = item->next()) {
            const char* app = item->getApplication() ? item->getApplication()->appName : "";
            std::printf("  %-28s %s%s\n", item->label ? item->label : "", app,
                        item->menuLink ? "  >" : "");
        }
    }

    // The caller owns the registration and everything in it.
    delete registration;
    return 0;
}
