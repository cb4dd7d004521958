// Private: included by the grammar and CgiBuilder.cpp.
#ifndef KIVPARSER_SYMBOLS_CGIBUILDER_H
#define KIVPARSER_SYMBOLS_CGIBUILDER_H

namespace kivparser {

// Grammar actions of CGI registrations. Conventions as in
// application/ApplicationBuilder.h: 0 goes on, non-zero ends the parse with
// result 1; texts are taken over.
class CgiBuilder {
public:
    // The checks of the CGI actions: the number reported as "internal error
    // at grammar.Y(%d)" when an action finds the parser without the object
    // it works on.
    enum Check {
        CHECK_REGISTRATION = 600, // no CGI registration
        CHECK_CGI = 601,          // a CGI statement or its end, no CGI open
        CHECK_VALUE_LIST = 602,   // a description, copyright or option list missing
        CHECK_OPTION = 603,       // the end of an option, none open
        CHECK_IGNORE_ACTION = 604 // the end of an ignored application, none open
    };

    // Registration : ^ CgiDefs -- creates curSnmppvReg when the parser has none.
    static int startRegistration();
    // CgiDef : CGI CgiNameID ^ CgiBlock
    static int beginCgi(char* name);
    // CgiDef : CGI CgiNameID CgiBlock -- at its end.
    static int endCgi();
    // CgiStmt : Description -- hands the value list in curString to the CGI.
    static int description();
    // CgiStmt : Copyright -- hands the value list in curString to the CGI.
    static int copyright();
    // CgiStmt : Version
    static int version(char* text);
    // CommandNameDef : COMMAND STRING SEMICOLON
    static int commandName(char* name);
    // CgiPathDef : CGIPATH URLpath SEMICOLON (the path is already converted)
    static int cgiPath(char* path);
    // IconPathDef : ICONPATH URLpath SEMICOLON (the path is already converted)
    static int iconPath(char* path);
    // OptionDef : OPTION STRING ^ ActionsBlock (curString holds a new empty list)
    static int beginOption(char* option);
    // OptionDef : OPTION STRING ActionsBlock -- bare is 1 when the block was a
    // lone semicolon, else the list in curString holds the arguments.
    static int endOption(int bare);
    // ActionsDef : APPLICATION AppName ^ ActionsBlock (curString holds a new empty list)
    static int beginIgnoreAction(char* application);
    // ActionsDef : APPLICATION AppName ActionsBlock -- bare is 1 for a lone
    // semicolon (every action), else the list in curString holds the names.
    static int endIgnoreAction(int bare);
};

} // namespace kivparser

#endif
