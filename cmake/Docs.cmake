# The docs target (`make docs`): the API reference of the public headers, made by Doxygen with
# the settings of the Doxyfile in the source folder, written to <build>/docs/html and installed
# (component docs) once it exists. It fails when a class of inspect has no comment.
find_package(Doxygen QUIET)
set(VM_DOCS_DIR ${PROJECT_BINARY_DIR}/docs)
if(DOXYGEN_FOUND)
  file(
    CONFIGURE
    OUTPUT ${PROJECT_BINARY_DIR}/Doxyfile
    CONTENT
      "@INCLUDE = ${PROJECT_SOURCE_DIR}/Doxyfile
PROJECT_NUMBER = ${PROJECT_VERSION}
OUTPUT_DIRECTORY = ${VM_DOCS_DIR}
WARN_LOGFILE = ${VM_DOCS_DIR}/warnings.log
INPUT += ${VM_GENERATED_INCLUDE_DIR}
STRIP_FROM_PATH += ${VM_GENERATED_INCLUDE_DIR}
STRIP_FROM_INC_PATH += ${VM_GENERATED_INCLUDE_DIR}
GENERATE_XML = YES
")
  add_custom_target(
    docs
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VM_DOCS_DIR}
    COMMAND ${DOXYGEN_EXECUTABLE} ${PROJECT_BINARY_DIR}/Doxyfile
    COMMAND ${CMAKE_COMMAND} -DLOG=${VM_DOCS_DIR}/warnings.log -DXML=${VM_DOCS_DIR}/xml
            -DFOLDER=${PROJECT_SOURCE_DIR}/inspect -P ${CMAKE_CURRENT_LIST_DIR}/CheckDocs.cmake
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Writing the API reference to ${VM_DOCS_DIR}/html"
    VERBATIM)
else()
  add_custom_target(
    docs
    COMMAND ${CMAKE_COMMAND} -E echo
            "docs: Doxygen is not installed (scripts/install-deps installs it where it can)"
    COMMAND ${CMAKE_COMMAND} -E false
    VERBATIM)
endif()
