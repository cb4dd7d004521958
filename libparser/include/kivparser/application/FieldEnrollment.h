#ifndef KIVPARSER_APPLICATION_FIELDENROLLMENT_H
#define KIVPARSER_APPLICATION_FIELDENROLLMENT_H

#include <kivparser/export.h>
#include <kivparser/lists/SList.h>
#include <kivparser/lists/ValueTypes.h>

namespace kivparser {

enum EditPolicyType { EDP_NA = -1, EDP_EDIT = 0, EDP_NOEDIT = 1, EDP_EDITONCREATION = 2 };

enum ListDisplayPolicyType { LDP_NA = -1, LDP_SELECTIONLISTBOX = 0 };

enum ListSelectionPolicyType { LSP_NA = -1, LSP_NONE = 0, LSP_SINGLE = 1, LSP_MULTIPLE = 2 };

enum IntegerDisplayPolicyType {
    IDP_NA = -1,
    IDP_HEX = 0,
    IDP_OCTAL = 1,
    IDP_INTEGER = 2,
    IDP_UNSIGNED = 3,
    IDP_IPADDR = 4
};

// How one object field is shown and edited in an enrollment's dialog. No
// lock: every setter applies, a later statement replaces an earlier one.
class KIVPARSER_API FieldEnrollment final : public SList {
public:
    FieldEnrollment();
    explicit FieldEnrollment(char* name);
    ~FieldEnrollment();

    void setNoDisplay(OnOffType value) { noDisplay = value; }
    void setImmediateVerify(OnOffType value) { immediateVerify = value; }
    // Takes `label` over; the earlier label is freed.
    void setFieldLabel(char* label);
    // Position only: width and height go back to -1 (not given).
    void setGeometry(int x, int y);
    void setGeometry(int x, int y, int width, int height);
    void setEditPolicy(EditPolicyType value) { editPolicy = value; }
    void setListDisplayPolicy(ListDisplayPolicyType value) { listDisplayPolicy = value; }
    void setListSelectionPolicy(ListSelectionPolicyType value) { listSelectionPolicy = value; }
    void setIntegerDisplayPolicy(IntegerDisplayPolicyType value) { integerDisplayPolicy = value; }
    void setEditPosition(int value) { editPosition = value; }
    // Both release a string default stored earlier. The text is taken over.
    void setDefaultValue(char* value);
    void setDefaultValue(int value);

    FieldEnrollment* next() { return static_cast<FieldEnrollment*>(_next); }

    // "Field \"name\" {" with every setting (the list selection policy is not
    // shown).
    void debugDump();

    char* fieldEnrollName;
    OnOffType noDisplay;
    OnOffType immediateVerify;
    char* fieldLabel;
    int geometryX;
    int geometryY;
    int geometryWidth;
    int geometryHeight;
    EditPolicyType editPolicy;
    ListDisplayPolicyType listDisplayPolicy;
    ListSelectionPolicyType listSelectionPolicy;
    IntegerDisplayPolicyType integerDisplayPolicy;
    int editPosition;
    // Which member of defaultValue is valid; the text is owned when it is
    // VLU_STRING.
    ValueType defaultValueType;
    union {
        int defaultValue_integer;
        char* defaultValue_string;
    } defaultValue;

private:
    void _init();
    void releaseDefault();
};

} // namespace kivparser

#ifndef KIVPARSER_NO_GLOBAL_NAMES
using kivparser::EditPolicyType;
using kivparser::EDP_NA;
using kivparser::EDP_EDIT;
using kivparser::EDP_NOEDIT;
using kivparser::EDP_EDITONCREATION;
using kivparser::ListDisplayPolicyType;
using kivparser::LDP_NA;
using kivparser::LDP_SELECTIONLISTBOX;
using kivparser::ListSelectionPolicyType;
using kivparser::LSP_NA;
using kivparser::LSP_NONE;
using kivparser::LSP_SINGLE;
using kivparser::LSP_MULTIPLE;
using kivparser::IntegerDisplayPolicyType;
using kivparser::IDP_NA;
using kivparser::IDP_HEX;
using kivparser::IDP_OCTAL;
using kivparser::IDP_INTEGER;
using kivparser::IDP_UNSIGNED;
using kivparser::IDP_IPADDR;
using kivparser::FieldEnrollment;
#endif

#endif
