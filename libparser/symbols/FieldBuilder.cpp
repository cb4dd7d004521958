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

Field* currentField()
{
    return Ctx::current(&KivParser::curField, FieldBuilder::CHECK_FIELD);
}

// Any second definition of a field name is reported; its frozen setters then
// discard the block.
struct FieldDefinition
    : Ctx::Definition<FieldRegistration, Field, &FieldRegistration::lookupField,
                      &FieldRegistration::newField> {
    static constexpr const char* kind = "Field";
    static constexpr bool reportEvery = true;
    static constexpr auto owner = &KivParser::curFldReg;
    static constexpr auto current = &KivParser::curField;
};

} // namespace

int FieldBuilder::startRegistration()
{
    return Ctx::startRoot(&KivParser::curFldReg, CHECK_REGISTRATION);
}

int FieldBuilder::beginField(char* name)
{
    return Ctx::beginDefinition<FieldDefinition>(name, CHECK_REGISTRATION);
}

int FieldBuilder::endField()
{
    Field* field = currentField();
    if (!field)
        return 1;
    field->locked++;
    KivParser::current->curField = nullptr;
    return 0;
}

int FieldBuilder::fieldType(int type)
{
    Field* field = currentField();
    if (!field)
        return 1;
    field->setFieldType(static_cast<FieldType>(type));
    return 0;
}

// The flags of one statement replace the whole set.
int FieldBuilder::fieldFlags(int flags)
{
    Field* field = currentField();
    if (!field)
        return 1;
    field->setFieldFlag(static_cast<unsigned int>(flags));
    return 0;
}

int FieldBuilder::enumeration()
{
    Field* field = currentField();
    String* values = field ? Ctx::take(&KivParser::curString, CHECK_VALUE_LIST) : nullptr;
    if (!values) {
        GrammarActions::discardValueList();
        return 1;
    }
    field->setFieldEnumerations(values);
    return 0;
}

int FieldBuilder::displayString(char* text)
{
    Field* field = currentField();
    if (!field) {
        free(text);
        return 1;
    }
    field->setDisplayString(text);
    return 0;
}

} // namespace kivparser
