// Private: included by the grammar, its own actions (GrammarActions.cpp) and the application builders.
#ifndef KIVPARSER_APPLICATION_APPLICATIONBUILDER_H
#define KIVPARSER_APPLICATION_APPLICATIONBUILDER_H

namespace kivparser {

// Grammar actions of the application level, of commands and of functions.
// Every function is called by exactly the rule named in its comment. The
// convention of all builders: static, returns 0 to go on and non-zero to end
// the parse with result 1; texts (char*) are heap texts the function takes
// over, also when it fails; values for the rule's result come back through
// an out-parameter.
class ApplicationBuilder {
public:
    // The checks of the actions of the application level, commands and functions: the number reported as
    // "internal error at grammar.Y(%d)" when an action finds the parser
    // without the object it works on.
    enum Check {
        CHECK_REGISTRATION = 100,
        CHECK_BEGIN_APPLICATION = 101,
        CHECK_END_APPLICATION = 102,
        CHECK_SETTING = 103,
        CHECK_VALUE_LIST = 104,
        CHECK_COMMAND = 105,
        CHECK_FUNCTION = 106
    };

    // Registration : ^ Application -- creates curAppReg when the parser has none.
    static int startRegistration();

    // Application : APPLICATION AppName AppParent ^ AppBlock (parent may be null).
    static int beginApplication(char* name, char* parent);
    // Application : APPLICATION AppName AppParent AppBlock -- at its end.
    static int endApplication();

    // AppStmt : Description -- hands the value list in curString to the application.
    static int description();
    // AppStmt : Copyright -- hands the value list in curString to the application.
    static int copyright();
    // AppStmt : DisplayStringStmt
    static int displayString(char* text);
    // AppStmt : VerificationKey
    static int verificationKey(char* key);
    // AppStmt : HelpDirectory
    static int helpDirectory(char* path);
    // AppStmt : ^ Naming -- hands the value list in curString to the application.
    static int nameFields();
    // AppStmt : Version
    static int version(char* text);

    // AppStmt : ^ Command and ActionStmt : ^ Command -- a new curCommand.
    static int beginCommand();
    // AppStmt : ^ Command -- after the statement: curCommand to the application.
    static int applicationCommand();
    // Command : COMMAND ProcessFlags STRING RemoteSpec SEMICOLON (flags: 1 -initial,
    // 2 -shared, 4 -restart, 8 -disablesymdelete, or-ed).
    static int commandWithFlags(int flags, char* name);
    // Command : COMMAND STRING RemoteSpec SEMICOLON
    static int commandName(char* name);
    // RemoteSpec : ON HostSpec
    static int hostSpec(char* host);
    // RemoteSpec : ON HostSpec STARTEDBY LaunchSpec
    static int hostAndLaunchSpec(char* host, char* launcher);

    // Function : OP_NOT ShellCommand -- a new curFunction.
    static int shellFunction(char* command);
    // Function : FUNCTION FunctionArg -- a new curFunction (argument may be null).
    static int namedFunction(char* name, char* argument);

    // Called once after every parse, accepted or not: disposes of what a
    // statement that failed left half built in the parser's current-object
    // fields of the application kind (command, function, collected items).
    static int discardUnfinished();
};

} // namespace kivparser

#endif
