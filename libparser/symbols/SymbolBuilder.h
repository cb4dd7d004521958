// Private: included by the grammar, its own actions (GrammarActions.cpp) and SymbolBuilder.cpp.
#ifndef KIVPARSER_SYMBOLS_SYMBOLBUILDER_H
#define KIVPARSER_SYMBOLS_SYMBOLBUILDER_H

namespace kivparser {

class Point;

// Grammar actions of symbol classes and symbol types. A statement inside a
// class block acts on curSymbolClass, inside a type block on curSymbolType.
// Conventions as in application/ApplicationBuilder.h: 0 goes on, non-zero
// ends the parse with result 1; texts and points are taken over; results
// through out-parameters.
class SymbolBuilder {
public:
    // The checks of the symbol actions: the number reported as "internal
    // error at grammar.Y(%d)" when an action finds the parser without the
    // object it works on.
    enum Check {
        CHECK_REGISTRATION = 400, // no symbol registration
        CHECK_CLASS = 401,        // a class statement or its end, no class open
        CHECK_TYPE = 402,         // the end of a type block, no type open
        CHECK_SYMBOL = 403,       // a symbol statement, neither a class nor a type open
        CHECK_POINTS = 404,       // a segment point without its list
        CHECK_CAPABILITIES = 405, // a capability without its list
        CHECK_LINE = 406,         // a line statement without a line
        CHECK_DASHES = 407        // a dash pattern without its lengths
    };

    // Registration : ^ Symbols -- creates curSymReg when the parser has none.
    static int startRegistration();

    // SymbolClass : SYMBOLCLASS SymClassName ^ SymClassBlock
    static int beginSymbolClass(char* name);
    // SymbolClass : SYMBOLCLASS SymClassName SymClassBlock -- at its end.
    static int endSymbolClass();
    // SymbolType : SYMBOLTYPE SymClassName COLON SymbolName ^ SymBlock
    static int beginSymbolType(char* className, char* typeName);
    // SymbolType : SYMBOLTYPE SymClassName COLON SymbolName SymBlock -- at its end.
    static int endSymbolType();

    // SymClassStmt : Scale
    static int scale(int scale);
    // Origin : ORIGIN Point
    static int arcOrigin(Point* origin);
    // Size : SIZE Point
    static int arcSize(Point* size);
    // Rotation : ROTATION INTVAL
    static int arcRotation(int angle);
    // Rotation : ROTATION INTVAL COMMA INTVAL
    static int arcRotationRange(int first, int second);
    // Segment : SEGMENT ^ Segments SEMICOLON -- a new empty point list in curPoint.
    static int beginSegments();
    // Segments : Point and Segments : Point TO Segments -- called for the points
    // from the last to the first.
    static int segmentPoint(Point* point);
    // Segment : SEGMENT Segments SEMICOLON -- at its end.
    static int endSegments();
    // Point : LPAREN INTVAL COMMA INTVAL RPAREN -- *point becomes Point(x, y).
    static int point(int x, int y, Point** point);
    // Error recovery drops a point that no rule took over.
    static void disposePoint(Point* point);
    // VarietyStmt : VARIETY Variety SEMICOLON (a VarietyType value)
    static int variety(int variety);

    // SymClassStmt : ^ Capabilities and SymStmt : ^ Capabilities
    static int beginCapabilities();
    // CapabilityBlock : LCURL ^ CapabilityStmts RCURL
    static int startCapabilityList();
    // CapabilityStmt : CapabilityFieldName SEMICOLON
    static int capability(char* name);
    // CapabilityStmt : CapabilityFieldName OP_ASSIGN StringOrIdentifier SEMICOLON
    static int textCapability(char* name, char* value);
    // CapabilityStmt : CapabilityFieldName OP_ASSIGN INTVAL SEMICOLON
    static int integerCapability(char* name, int value);
    // Capabilities : CAPABILITIES CapabilityBlock
    static int endCapabilities();

    // DefaultStatusSource : DEFAULTSTATUSSOURCE StatusSource SEMICOLON (a DefaultStatusSourceType value)
    static int defaultStatusSource(int source);
    // Layout : DEFAULTLAYOUT LayoutName SEMICOLON (a LayoutType value)
    static int layout(int layout);
    // FileBase : FILEBASE StringOrIdentifier SEMICOLON
    static int fileBase(char* base);
    // CursorSize : CURSORSIZE INTVAL
    static int cursorSize(int size);
    // SymClassStmt : DisplayStringStmt and SymStmt : DisplayStringStmt
    static int displayString(char* text);
    // Thickness : THICKNESS INTVAL SEMICOLON
    static int thickness(int thickness);

    // SymClassStmt : ^ LineStmts and SymStmt : ^ LineStmts -- a new curLine.
    static int beginLine();
    // LineStyle : LINESTYLE SOLID SEMICOLON / LINESTYLE DASH SEMICOLON (a LineStyleType value)
    static int lineStyle(int style);
    // LineDashPattern : LINEDASHPATTERN DashLengths SEMICOLON -- hands curDashLength to curLine.
    static int dashPattern();
    // SymClassStmt : ^ LineStmts and SymStmt : ^ LineStmts -- after the statement.
    static int endLine();

    // Called once after every parse, accepted or not: disposes of what a
    // statement that failed left half built (points, capabilities, line).
    static int discardUnfinished();
};

} // namespace kivparser

#endif
