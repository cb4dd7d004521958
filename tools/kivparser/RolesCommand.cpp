#include "RolesCommand.h"

#include "RegistrationKind.h"
#include <kivparser/kivparser.h>

#include <cstdio>

namespace {

const CommandTexts texts = {
    "roles",
    "roles [--path DIRLIST] [--app NAME] APP ACTION ROLE...",
    "tell whether the roles may run an action of an application",
    "Loads the application registrations and prints \"allowed\" when a user with\n"
    "the given roles may run the action ACTION of the application APP, with\n"
    "security enforced, else \"denied\". An action without an access list may be\n"
    "run by everybody; otherwise one of the roles must be one of its access\n"
    "entries (exact comparison). An action whose definition did not complete\n"
    "(a syntax error or a file that ends inside it) is denied to every role,\n"
    "and a line on standard error says so.\n"
    "\n"
    "Options:\n"
    "  --path DIRLIST  load from these directories instead of the standard ones\n"
    "  --app NAME      name the loading program first (setArfPriorities)\n"
    "\n"
    "Exit status: 0 for allowed, 1 for denied or when the registrations, the\n"
    "application or the action cannot be found, 2 for a usage error.\n",
};

} // namespace

RolesCommand::RolesCommand() : ToolCommand(texts, {{"--path", true}, {"--app", true}}) {}

int RolesCommand::run(const CommandLine& line)
{
    const std::vector<char*>& operands = line.operands();
    if (operands.size() < 3)
        return usageError(operands.size() < 2 ? "APP and ACTION are missing" : "no ROLE given");
    const char* path = line.value("--path");
    if (const char* app = line.value("--app"))
        setArfPriorities(app);

    ApplicationRegistration* registration = loadArf(0, path);
    if (!registration)
        return RegistrationKind::application.reportNotFound(path);

    int status = TOOL_EXIT_FAILURE;
    Application* application = registration->lookupApplication(operands[0]);
    Action* action = application ? application->lookupAction(operands[1]) : nullptr;
    if (!application) {
        failure(std::string("no application \"") + operands[0] + "\" in the application registration");
    } else if (!action) {
        failure(std::string("application \"") + operands[0] + "\" has no action \"" + operands[1] + "\"");
    } else {
        std::string roles;
        for (size_t i = 2; i < operands.size(); ++i) {
            if (i > 2)
                roles += ' ';
            roles += operands[i];
        }
        bool allowed = actionCertifiedByRole(action, roles.c_str(), 1) != 0;
        std::printf("%s\n", allowed ? "allowed" : "denied");
        if (action->definitionIncomplete())
            failure(std::string("the definition of action \"") + operands[1] + "\" of application \"" +
                    operands[0] + "\" did not complete; it is denied to every role (kivparser check shows why)");
        status = allowed ? TOOL_EXIT_OK : TOOL_EXIT_FAILURE;
    }
    delete registration;
    std::fflush(stdout);
    return status;
}
