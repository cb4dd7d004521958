// Golden dumps of enrollments and drop actions, written by hand from the
// registration rules and the dump layout.

#include "application/GoldenSupport.h"

using namespace kivparser;

TEST(EnrollmentDump, TwoFilesEachAppendTheirEnrollments)
{
    // Enrollments are never merged: the second file's ENROLL ADD is a second
    // enrollment although the application is locked by then. The file also
    // covers the configuration block with scale and fields, geometry with
    // four then two values, default values switching type, both help forms,
    // connect rules and every enrollment form.
    expectGolden({{"enroll_a.reg", {}}, {"enroll_b.reg", {"W 1 Application Enr: duplicate definition(ignore)"}}},
                 "enroll.dump");
}

TEST(EnrollmentDump, DropActionsKeepTheirFirstDefinition)
{
    // opmove opcopy gives 3, opcopy opcopy 2; a second operations statement
    // replaces the first; a lone ";" is one syntax error and the statement
    // after it still counts; the second file's block for Both is refused.
    expectGolden({{"drop_a.reg", {"E 5 syntax error"}},
                  {"drop_b.reg",
                   {"W 1 Application Drop: duplicate definition(ignore)",
                    "W 2 DropAction Both: duplicate definition(ignore)"}}},
                 "drop.dump");
}
