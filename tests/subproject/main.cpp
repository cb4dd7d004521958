// The host program of the subproject check: parses one application
// registration file and loads the whole registration directory, through the
// public interface only (its names kept in their namespace).
//
// usage: host FILE DIRECTORY APPLICATION
#define KIVPARSER_NO_GLOBAL_NAMES
#include <kivparser/kivparser.h>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: host FILE DIRECTORY APPLICATION\n");
        return 2;
    }
    using namespace kivparser;
    KivParser* parser = new KivParser(argv[1], static_cast<ApplicationRegistration*>(nullptr), 0);
    int errors = parser->errors;
    ApplicationRegistration* parsed = parser->getAppReg();
    delete parser;
    delete parsed;

    ApplicationRegistration* registration = loadArf(0, argv[2]);
    Application* application = registration ? registration->lookupApplication(argv[3]) : nullptr;
    std::printf("kivparser %s; %s: errors: %d; %s: %s\n", version(), argv[1], errors, argv[3],
                application ? "loaded" : "not found");
    delete registration;
    return errors == 0 && application ? 0 : 1;
}
