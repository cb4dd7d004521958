// Private: included by the language folder and the builders of the application and symbols folders.
#ifndef KIVPARSER_LANGUAGE_GRAMMARACTIONS_H
#define KIVPARSER_LANGUAGE_GRAMMARACTIONS_H

namespace kivparser {

// The actions the grammar owns itself: collecting value lists, switching the
// scanner into accelerator mode after a menu item's label, and the helpers of
// the grammar's conventions. Functions returning int follow the builders'
// rule: 0 goes on, non-zero ends the parse with result 1.
class GrammarActions {
public:
    // The checks of these actions: the number reported as "internal error at
    // grammar.Y(%d)" when an action finds no parser or no value list. The
    // builders number their own checks in hundreds: applications 100,
    // menus 200, actions 300, symbols 400, fields 500, CGI 600,
    // enrollments 700, drop actions 800, tabs and lists 900.
    enum Check {
        CHECK_PARSER = 1,     // no parser at work
        CHECK_VALUE_LIST = 2, // a value without its list
        CHECK_DASH_LIST = 3,  // a dash length without its list
        CHECK_EXCEPTION = 4   // the C++ runtime threw where nothing should (EntryGuard.h)
    };

    // Hands a value held by the engine's stack to a builder and clears the
    // slot, so that error recovery cannot release it a second time.
    template <class T>
    static T* take(T*& slot)
    {
        T* value = slot;
        slot = nullptr;
        return value;
    }

    // A new empty value list in the parser's curString. The builder that
    // hands the list to its owner clears curString; a list still there when
    // the next one starts, or when the parse ends, was left by a failed
    // statement and is disposed of.
    static int startValueList();
    // A new empty dash-length list in the parser's curDashLength.
    static int startDashList();

    // Strings, AccessArgs and EnumDef -- the text directly after the head.
    static int insertText(char* text);
    // NameField : StringOrIdentifier -- the text at the end of the list.
    static int appendValue(char* text);
    // AccessArgs : INTVAL -- the number directly after the head.
    static int insertInteger(int value);
    // DashLengths -- the length directly after the head of curDashLength.
    static int addDashLength(int length);

    // MenuItem : Precedence Label ^ ... -- the next token is scanned in
    // accelerator mode.
    static void expectAccelerator();

    // At the end of a parse: what a failed statement left half built (value
    // lists, points, lines, collected entries) belongs to nobody.
    static void discardUnfinished();

    // Disposes of the value list in curString / curDashLength (if any) and
    // clears the field: lists nobody took over, and no list at all where a
    // statement leaves one out (an active help without texts).
    static void discardValueList();
    static void discardDashList();

    // Constants of the generated tables: the accepting state, the highest
    // token number and the number of rules (the accepting rule included).
    static int finalState();
    static int highestToken();
    static int ruleCount();
};

// A new heap text holding a, b and c joined (a null part counts as empty);
// null when no memory is left.
char* _strcpy3(const char* a, const char* b, const char* c);

} // namespace kivparser

#endif
