#ifndef KIVPARSER_APPLICATION_ENROLLMENT_H
#define KIVPARSER_APPLICATION_ENROLLMENT_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>

namespace kivparser {

class Rule;
class ParserExpression;

// Which object dialog(s) an enrollment serves.
enum EnrollOpType {
    ENR_NA = -1,
    ENR_ADD = 0,
    ENR_DESCRIBE = 1,
    ENR_ADD_DESCRIBE = 2,
    ENR_CONNECT = 3,
    ENR_CONFIG = 4
};

// The fields an application places in one kind of object dialog, as a list of
// conditional rules in order of writing. Enrollments are never merged: every
// ENROLL statement appends a new one to its application.
class KIVPARSER_API Enrollment final : public SList {
public:
    Enrollment();
    explicit Enrollment(EnrollOpType op);
    ~Enrollment();

    // Appends Rule(e1, e2); the rule takes both trees over (they are destroyed
    // when the rule cannot be made). Null after nomemory().
    Rule* newRule(ParserExpression* e1, ParserExpression* e2);

    Enrollment* next() { return static_cast<Enrollment*>(_next); }

    // "Enroll Add {" (and its siblings) with the rules one level deeper, at
    // the current indentation; nothing for a list head or another operation.
    void debugDump();

    EnrollOpType enrollOp;
    Rule* rules;

private:
    void _init();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::EnrollOpType;
using kivparser::ENR_NA;
using kivparser::ENR_ADD;
using kivparser::ENR_DESCRIBE;
using kivparser::ENR_ADD_DESCRIBE;
using kivparser::ENR_CONNECT;
using kivparser::ENR_CONFIG;
using kivparser::Enrollment;
#endif

#endif
