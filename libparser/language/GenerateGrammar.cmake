# Runs byacc on the grammar and adapts the generated engine. (The grammar
# declares that it has no conflict, %expect 0 and %expect-rr 0, so byacc
# itself fails on one.)
#
# byacc's skeleton prints its trace to standard error in its own wording,
# with the stack depth. The engine's trace is a part of the library's
# behaviour: "yydebug: ..." lines on standard output through printf_new.
# The adaptation below only rewrites those print statements; the engine
# itself (tables, stacks, recovery) is left as generated, but for the result
# of a stack overflow, which is 1 as for every abandoned parse. The build
# fails if any print to standard error is left, so that a changed skeleton is
# noticed instead of silently tracing to the wrong stream.

execute_process(
  COMMAND ${BYACC} -t -p KIVyy -H ${OUT_H} -o ${OUT_CPP} ${GRAMMAR}
  RESULT_VARIABLE status
  OUTPUT_VARIABLE out
  ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "byacc failed:\n${out}${err}")
endif()

file(READ ${OUT_CPP} engine)

# Giving up on a full stack is an abandoned parse like any other: result 1
# (the skeleton gives 2 there).
string(REPLACE "yyresult = 2;" "yyresult = 1;" engine "${engine}")

# Trace lines that the engine of this language does not print.
string(REGEX REPLACE "fprintf\\(stderr, \"%sdebug: stack size increased to %d\\\\n\", YYPREFIX, newsize\\);"
       "(void) newsize;" engine "${engine}")
string(REGEX REPLACE "fprintf\\(stderr, \"%sdebug\\[<# of symbols on state stack>\\]\\\\n\", YYPREFIX\\);"
       "(void) 0;" engine "${engine}")

# "KIVyydebug[depth]: ..." becomes "yydebug: ...".
string(REGEX REPLACE "fprintf\\(stderr, \"%s\\[%d\\]: ([^\"]*)\",([ \t\r\n]*)YYDEBUGSTR, yydepth,"
       "printf_new(\"yydebug: \\1\",\\2" engine "${engine}")
string(REGEX REPLACE "fprintf\\(stderr, \"%s\\[%d\\]: ([^\"]*)\", YYDEBUGSTR, yydepth\\)"
       "printf_new(\"yydebug: \\1\")" engine "${engine}")
string(REPLACE "reading token %d" "reading %d" engine "${engine}")
string(REPLACE "error recovery discarding token %d" "error recovery discards token %d" engine "${engine}")
string(REPLACE "shifting from state 0 to final state %d" "shifting from state 0 to state %d" engine "${engine}")

# The remaining pieces of trace lines.
string(REPLACE "fprintf(stderr, " "printf_new(" engine "${engine}")
string(REGEX REPLACE "fputc\\(('[^']*'), stderr\\)" "printf_new(\"%c\", \\1)" engine "${engine}")
string(REGEX REPLACE "fputs\\(([^;]*), stderr\\);" "printf_new(\"%s\", \\1);" engine "${engine}")

if(engine MATCHES "stderr")
  file(REMOVE ${OUT_CPP} ${OUT_H})
  message(FATAL_ERROR "the engine still writes to standard error; adapt GenerateGrammar.cmake")
endif()

file(WRITE ${OUT_CPP} "${engine}")

# The constants of the tables, for the parts of the library that name them.
string(REGEX MATCH "#define YYFINAL ([0-9]+)" _ "${engine}")
set(final ${CMAKE_MATCH_1})
string(REGEX MATCH "#define YYMAXTOKEN ([0-9]+)" _ "${engine}")
set(maxtoken ${CMAKE_MATCH_1})
# One length per rule, the accepting rule included.
string(REGEX MATCH "KIVyylen\\[\\] = {([^}]*)}" _ "${engine}")
string(REGEX MATCHALL "[0-9]+" lengths "${CMAKE_MATCH_1}")
list(LENGTH lengths rules)
if(NOT final OR NOT maxtoken OR NOT rules)
  message(FATAL_ERROR "the engine's table constants were not found; adapt GenerateGrammar.cmake")
endif()
file(WRITE ${OUT_TABLES} "/* Written by GenerateGrammar.cmake from the generated engine. */
#define KIVPARSER_GRAMMAR_FINAL_STATE ${final}
#define KIVPARSER_GRAMMAR_HIGHEST_TOKEN ${maxtoken}
#define KIVPARSER_GRAMMAR_RULES ${rules}
")
