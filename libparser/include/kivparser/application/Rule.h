#ifndef KIVPARSER_APPLICATION_RULE_H
#define KIVPARSER_APPLICATION_RULE_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>
#include <kivparser/lists/ValueTypes.h>

namespace kivparser {

class FieldEnrollment;
class ParserExpression;

// Kind of help reference of an enrollment rule.
enum HelpType {
    HLP_NA = -1,
    HLP_XHELPFILE = 0,
    HLP_XHELPINDEX = 1,
    HLP_HELPBROWSER = 2,
    HLP_QUICKHELP = 3,
    HLP_STRINGTYPE = 4,
    HLP_MANPAGE = 5,
    HLP_TEXTFILE = 6
};

// One conditional rule of an enrollment: a condition over capability fields
// (two of them in a connect enrollment, none in a configuration enrollment,
// which then applies unconditionally) and the fields it enrolls, in order of
// writing. Rules have no lock: a later statement replaces an earlier one.
class KIVPARSER_API Rule final : public SList {
public:
    Rule();
    Rule(ParserExpression* e1, ParserExpression* e2);
    ~Rule();

    void setScale(int value) { scale = value; }
    void setInitialVerify(OnOffType value) { initialVerify = value; }
    void setHelpType(HelpType value) { helpType = value; }
    // Takes `name` over; a name stored earlier is released.
    void setHelpName(char* name);

    // Appends FieldEnrollment(name), taking `name` over (it is freed when the
    // field enrollment cannot be made). No duplicate check. Null after
    // nomemory().
    FieldEnrollment* newFieldEnrollment(char* name);

    Rule* next() { return static_cast<Rule*>(_next); }

    // "if (...) {" with the rule's settings and field enrollments.
    void debugDump();

    ParserExpression* expr1;
    ParserExpression* expr2;
    int scale;
    OnOffType initialVerify;
    char* helpName;
    HelpType helpType;
    FieldEnrollment* fieldEnrollments;

private:
    void _init();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::HelpType;
using kivparser::HLP_NA;
using kivparser::HLP_XHELPFILE;
using kivparser::HLP_XHELPINDEX;
using kivparser::HLP_HELPBROWSER;
using kivparser::HLP_QUICKHELP;
using kivparser::HLP_STRINGTYPE;
using kivparser::HLP_MANPAGE;
using kivparser::HLP_TEXTFILE;
using kivparser::Rule;
#endif

#endif
