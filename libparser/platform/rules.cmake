# Platform layer: the build-time defaults of the installation paths and the
# message catalog "libparser" (compiled with gencat, installed where catopen
# finds it through NLSPATH).

set(KIVPARSER_KZ_PATH "${CMAKE_INSTALL_PREFIX}/share/kivparser" CACHE STRING
    "Value of %KZ_PATH% when the environment variable KZ_PATH is unset")
set(KIVPARSER_KZ_ETC_PATH "${CMAKE_INSTALL_PREFIX}/etc/kivparser" CACHE STRING
    "Value of %KZ_ETC_PATH% when the environment variable KZ_ETC_PATH is unset")
target_compile_definitions(kivparser_objects PRIVATE
  KIVPARSER_DEFAULT_KZ_PATH="${KIVPARSER_KZ_PATH}"
  KIVPARSER_DEFAULT_KZ_ETC_PATH="${KIVPARSER_KZ_ETC_PATH}")

find_program(KIVPARSER_GENCAT gencat REQUIRED)

# kivparser_catalog(<target> <source .msg> <output .cat>): compiles a catalog
# source at build time.
function(kivparser_catalog target source output)
  get_filename_component(dir ${output} DIRECTORY)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${output}
    COMMAND ${KIVPARSER_GENCAT} ${output} ${source}
    DEPENDS ${source}
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
