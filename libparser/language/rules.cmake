# Generated parts of the language front end: the grammar (byacc) and the
# scanner (flex). Both are generated into the build directory, never committed.

find_program(KIVPARSER_BYACC NAMES byacc REQUIRED)
find_program(KIVPARSER_FLEX NAMES flex REQUIRED)

set(KIVPARSER_GEN_DIR ${CMAKE_CURRENT_BINARY_DIR}/language)
file(MAKE_DIRECTORY ${KIVPARSER_GEN_DIR})

set(KIVPARSER_GRAMMAR ${CMAKE_CURRENT_SOURCE_DIR}/language/grammar.y)
set(KIVPARSER_GRAMMAR_CPP ${KIVPARSER_GEN_DIR}/grammar.tab.cpp)
set(KIVPARSER_GRAMMAR_H ${KIVPARSER_GEN_DIR}/grammar.tab.h)
set(KIVPARSER_GRAMMAR_TABLES ${KIVPARSER_GEN_DIR}/grammar.tables.h)
set(KIVPARSER_SCANNER ${CMAKE_CURRENT_SOURCE_DIR}/language/lex.l)
set(KIVPARSER_SCANNER_CPP ${KIVPARSER_GEN_DIR}/lex.yy.cpp)

# byacc, then the adaptation of its engine's trace (GenerateGrammar.cmake
# says what is changed and why); it also writes the tables' constants.
add_custom_command(
  OUTPUT ${KIVPARSER_GRAMMAR_CPP} ${KIVPARSER_GRAMMAR_H} ${KIVPARSER_GRAMMAR_TABLES}
  COMMAND ${CMAKE_COMMAND}
          -DBYACC=${KIVPARSER_BYACC}
          -DGRAMMAR=${KIVPARSER_GRAMMAR}
          -DOUT_CPP=${KIVPARSER_GRAMMAR_CPP}
          -DOUT_H=${KIVPARSER_GRAMMAR_H}
          -DOUT_TABLES=${KIVPARSER_GRAMMAR_TABLES}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/language/GenerateGrammar.cmake
  DEPENDS ${KIVPARSER_GRAMMAR} ${CMAKE_CURRENT_SOURCE_DIR}/language/GenerateGrammar.cmake
  COMMENT "Generating the grammar engine"
  VERBATIM)

add_custom_command(
  OUTPUT ${KIVPARSER_SCANNER_CPP}
  COMMAND ${KIVPARSER_FLEX} -o ${KIVPARSER_SCANNER_CPP} ${KIVPARSER_SCANNER}
  DEPENDS ${KIVPARSER_SCANNER} ${KIVPARSER_GRAMMAR_H}
  COMMENT "Generating the scanner"
  VERBATIM)

# The spelling of each keyword and sign, for the expected tokens of a syntax
# error (TokenNames.cpp).
set(KIVPARSER_TOKEN_NAMES ${KIVPARSER_GEN_DIR}/grammar.tokens.h)
add_custom_command(
  OUTPUT ${KIVPARSER_TOKEN_NAMES}
  COMMAND ${CMAKE_COMMAND} -DSCANNER=${KIVPARSER_SCANNER} -DOUT=${KIVPARSER_TOKEN_NAMES}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/language/GenerateTokenNames.cmake
  DEPENDS ${KIVPARSER_SCANNER} ${CMAKE_CURRENT_SOURCE_DIR}/language/GenerateTokenNames.cmake
  COMMENT "Generating the token names"
  VERBATIM)

# The headers too, so that every source that includes them waits for them.
target_sources(kivparser_objects PRIVATE ${KIVPARSER_GRAMMAR_CPP} ${KIVPARSER_SCANNER_CPP}
  ${KIVPARSER_GRAMMAR_H} ${KIVPARSER_GRAMMAR_TABLES} ${KIVPARSER_TOKEN_NAMES})
# Generated engines: their own idioms (unused labels and parameters, sign
# comparisons in the tables) are not ours to fix.
set_source_files_properties(${KIVPARSER_GRAMMAR_CPP} ${KIVPARSER_SCANNER_CPP} PROPERTIES
  COMPILE_OPTIONS "-Wno-unused-label;-Wno-unused-parameter;-Wno-sign-compare;-Wno-unused-function;-Wno-unused-variable;-Wno-unused-but-set-variable")
