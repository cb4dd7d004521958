#include "symbols/FieldBuilder.h"
#include "language/BuilderContext.h"
#include "language/GrammarActions.h"
#include "kivparser/lists/String.h"
#include "kivparser/symbols/Field.h"
#include "kivparser/symbols/FieldRegistration.h"

#include <cstdlib>

namespace kivparser {

// The statements of a field block act on curField. Every function owns the
// texts it receives, also when it fails.

namespace {

using Ctx = BuilderContext;

Field* currentField(int where)
{
    return Ctx::current(&KivParser::curField, where);
}

} // namespace

int FieldBuilder::startRegistration()
{
    return Ctx::startRoot(&KivParser::curFldReg, __LINE__);
}

// Any second definition of a field name is reported; its frozen setters then
// discard the block.
int FieldBuilder::beginField(char* name)
{
    return Ctx::beginDefinition(&KivParser::curFldReg, &FieldRegistration::lookupField, &FieldRegistration::newField,
                                &KivParser::curField, name, "Field", true, __LINE__);
}

int FieldBuilder::endField()
{
    Field* field = currentField(__LINE__);
    if (!field)
        return 1;
    field->locked++;
    KivParser::current->curField = nullptr;
    return 0;
}

int FieldBuilder::fieldType(int type)
{
    Field* field = currentField(__LINE__);
    if (!field)
        return 1;
    field->setFieldType(static_cast<FieldType>(type));
    return 0;
}

// The flags of one statement replace the whole set.
int FieldBuilder::fieldFlags(int flags)
{
    Field* field = currentField(__LINE__);
    if (!field)
        return 1;
    field->setFieldFlag(static_cast<unsigned int>(flags));
    return 0;
}

int FieldBuilder::enumeration()
{
    Field* field = currentField(__LINE__);
    String* values = field ? Ctx::take(&KivParser::curString, __LINE__) : nullptr;
    if (!values) {
        GrammarActions::discardValueList();
        return 1;
    }
    field->setFieldEnumerations(values);
    return 0;
}

int FieldBuilder::displayString(char* text)
{
    Field* field = currentField(__LINE__);
    if (!field) {
        free(text);
        return 1;
    }
    field->setDisplayString(text);
    return 0;
}

} // namespace kivparser
