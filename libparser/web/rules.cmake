# The Java native methods of the web client. They are built into the library
# whenever CMake finds a JDK (javac and the JNI headers); without one the
# library is built without them.
find_package(Java 1.8 COMPONENTS Runtime Development QUIET)
# The JNI headers belong to the JDK of the javac found: without JAVA_HOME,
# point the JNI search at it (javac is often a chain of links into the JDK).
if(Java_JAVAC_EXECUTABLE AND NOT JAVA_HOME AND NOT DEFINED ENV{JAVA_HOME})
  get_filename_component(_kivparser_javac ${Java_JAVAC_EXECUTABLE} REALPATH)
  get_filename_component(_kivparser_jdk ${_kivparser_javac} DIRECTORY)
  get_filename_component(JAVA_HOME ${_kivparser_jdk} DIRECTORY)
endif()
if(WIN32 AND CMAKE_CROSSCOMPILING)
  # A cross build for Windows: javac and the JDK's jni.h come from the build
  # machine, the machine-dependent jni_md.h is the project's own for Windows.
  if(Java_JAVAC_EXECUTABLE)
    get_filename_component(_kivparser_javac ${Java_JAVAC_EXECUTABLE} REALPATH)
    get_filename_component(_kivparser_jdk ${_kivparser_javac} DIRECTORY)
    find_path(JAVA_INCLUDE_PATH jni.h PATHS ${_kivparser_jdk}/../include ${JAVA_HOME}/include
              NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
    set(JAVA_INCLUDE_PATH2 ${PROJECT_SOURCE_DIR}/cmake/jni/windows)
  endif()
else()
  find_package(JNI QUIET)
endif()

if(Java_Development_FOUND AND JAVA_INCLUDE_PATH AND JAVA_INCLUDE_PATH2)
  include(UseJava)
  # The Java class, compiled with javac into kivparser.jar; javac also writes
  # the C declarations of its native methods, which the library's JNI code
  # includes, so both sides always agree.
  set(KIVPARSER_JNI_HEADER_DIR ${CMAKE_CURRENT_BINARY_DIR}/jni)
  add_jar(kivparser_java
    SOURCES ${PROJECT_SOURCE_DIR}/java/com/zeta/kz/topology/KivParserNative.java
    OUTPUT_NAME kivparser
    GENERATE_NATIVE_HEADERS kivparser_jni_headers DESTINATION ${KIVPARSER_JNI_HEADER_DIR})
  add_dependencies(kivparser_objects kivparser_java)
  target_include_directories(kivparser_objects PRIVATE
    ${JAVA_INCLUDE_PATH} ${JAVA_INCLUDE_PATH2} ${KIVPARSER_JNI_HEADER_DIR})
  target_compile_definitions(kivparser_objects PRIVATE KIVPARSER_WITH_JNI)
  install_jar(kivparser_java DESTINATION ${CMAKE_INSTALL_DATADIR}/java)
  message(STATUS "kivparser: Java native methods built (JDK include path ${JAVA_INCLUDE_PATH})")
else()
  message(STATUS "kivparser: no JDK found; the Java native methods are not built")
endif()
