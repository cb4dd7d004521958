// A host program built against the installed library.
#include <kivparser/kivparser.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <nl_types.h>

using namespace kivparser;

int main()
{
    int failures = 0;
    String* values = new String();
    values->addNewData(strdup("second"));
    values->addNewData(strdup("first"));
    if (strcmp(values->next()->str, "first") != 0)
        failures++;
    SListOps::disposeList(values);

    Application::setPriorityOrganization("Org");
    if (Application::getPriority("Org X") != AppTERTIARY)
        failures++;

    // The installed catalog is where NLSPATH says, and holds the built-in texts.
    nl_catd catalog = catopen("libparser", 0);
    if (catalog == reinterpret_cast<nl_catd>(-1)) {
        std::puts("consumer: catalog libparser not found");
        failures++;
    } else {
        if (strcmp(catgets(catalog, 1, 42, const_cast<char*>("")), "%s %s: duplicate definition(ignore)") != 0)
            failures++;
        catclose(catalog);
    }
    if (parserMsg(MSG_DUPLICATE) == parserMsgDefault(MSG_DUPLICATE))
        failures++;

    std::printf("consumer: %s\n", failures ? "FAILED" : "ok");
    return failures ? 1 : 0;
}
