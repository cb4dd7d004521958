#include "dump/DumpWriter.h"
#include "kivparser/lists/String.h"
#include "kivparser/symbols/Field.h"
#include "kivparser/symbols/FieldRegistration.h"

namespace kivparser {

void FieldRegistration::debugDump()
{
    ParseLock lock;
    using W = DumpWriter;
    for (Field* field = fields ? fields->next() : nullptr; field; field = field->next()) {
        W::open("Field \"%s\" {\n", W::str(field->fieldID));
        W::line("FieldType: %d\n", field->fieldType);
        W::line("FieldFlag: %d\n", static_cast<int>(field->fieldFlag));
        W::line("FieldEnumeration: ");
        for (String* value = field->fieldEnumerations ? field->fieldEnumerations->next() : nullptr; value;
             value = value->next()) {
            if (!value->isInteger())
                W::text("\"%s\", ", W::str(value->str));
        }
        W::text("\n");
        W::line("DisplayString: \"%s\"\n", W::str(field->displayString));
        W::close();
    }
}

} // namespace kivparser
