# Platform layer: the build-time defaults of the installation paths and the
# message catalog "libparser" (on POSIX systems compiled with gencat and
# installed where catopen finds it through NLSPATH; for Windows compiled by
# windows/MakeCatalog.cmake into the catalog that the Windows half reads).

set(KIVPARSER_KZ_PATH "${CMAKE_INSTALL_PREFIX}/share/kivparser" CACHE STRING
    "Value of %KZ_PATH% when the environment variable KZ_PATH is unset")
set(KIVPARSER_KZ_ETC_PATH "${CMAKE_INSTALL_PREFIX}/etc/kivparser" CACHE STRING
    "Value of %KZ_ETC_PATH% when the environment variable KZ_ETC_PATH is unset")
target_compile_definitions(kivparser_objects PRIVATE
  KIVPARSER_DEFAULT_KZ_PATH="${KIVPARSER_KZ_PATH}"
  KIVPARSER_DEFAULT_KZ_ETC_PATH="${KIVPARSER_KZ_ETC_PATH}")

# The command that compiles a catalog (<source> and <output> filled in by
# kivparser_catalog), visible to every directory that compiles one.
if(WIN32)
  set(KIVPARSER_CATALOG_COMPILER ${CMAKE_COMMAND}
      -DSOURCE=<source> -DOUTPUT=<output> -P ${CMAKE_CURRENT_LIST_DIR}/windows/MakeCatalog.cmake
      CACHE INTERNAL "")
  set(KIVPARSER_CATALOG_COMPILER_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/windows/MakeCatalog.cmake CACHE INTERNAL "")
else()
  find_program(KIVPARSER_GENCAT gencat REQUIRED)
  set(KIVPARSER_CATALOG_COMPILER ${KIVPARSER_GENCAT} <output> <source> CACHE INTERNAL "")
  set(KIVPARSER_CATALOG_COMPILER_DEPENDS "" CACHE INTERNAL "")
endif()

# kivparser_catalog(<target> <source .msg> <output .cat>): compiles a catalog
# source at build time.
function(kivparser_catalog target source output)
  get_filename_component(dir ${output} DIRECTORY)
  set(command ${KIVPARSER_CATALOG_COMPILER})
  list(TRANSFORM command REPLACE "<source>" "${source}")
  list(TRANSFORM command REPLACE "<output>" "${output}")
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${output}
    COMMAND ${command}
    DEPENDS ${source} ${KIVPARSER_CATALOG_COMPILER_DEPENDS}
    COMMENT "Compiling message catalog ${output}"
    VERBATIM)
  add_custom_target(${target} ALL DEPENDS ${output})
endfunction()

set(KIVPARSER_CATALOG_DIR ${CMAKE_BINARY_DIR}/nls CACHE INTERNAL "")
kivparser_catalog(kivparser_catalog
  ${CMAKE_CURRENT_SOURCE_DIR}/language/libparser.msg
  ${KIVPARSER_CATALOG_DIR}/libparser.cat)
add_dependencies(kivparser_objects kivparser_catalog)

set(KIVPARSER_CATALOG_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/kivparser/nls)
install(FILES ${KIVPARSER_CATALOG_DIR}/libparser.cat DESTINATION ${KIVPARSER_CATALOG_INSTALL_DIR})
