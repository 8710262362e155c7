# Writes OUTPUT: a C++ source that defines ThisModule() for module MODULE with the resources
# RESOURCES ("NAME=file|NAME=file...") embedded as byte arrays. vellmark_module runs it at build
# time; builds without CMake may run it themselves:
#   cmake -DOUTPUT=program_module.cpp -DMODULE=program [-DRESOURCES=...] -P EmbedResources.cmake
include(${CMAKE_CURRENT_LIST_DIR}/VellmarkModule.cmake)

set(context "EmbedResources.cmake")
if(NOT OUTPUT OR NOT MODULE)
  message(FATAL_ERROR "${context}: OUTPUT and MODULE must be given (-DOUTPUT=file -DMODULE=name)")
endif()
vellmark_check_name("${context}" "module name" "${MODULE}")

set(arrays "")
set(table "")
set(index 0)
if(RESOURCES)
  string(REPLACE "|" ";" entries "${RESOURCES}")
  foreach(entry IN LISTS entries)
    vellmark_split_resource("${context}" "${entry}" name file)
    if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
      message(FATAL_ERROR "${context}: resource '${name}': file ${file} does not exist")
    endif()
    file(READ "${file}" hex HEX)
    string(LENGTH "${hex}" hexLength)
    math(EXPR size "${hexLength} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(REGEX REPLACE "((0x[0-9a-f][0-9a-f],){32})" "\\1\n    " bytes "${bytes}")
    string(APPEND arrays "alignas(16) const unsigned char Resource${index}[] = {\n    ${bytes}0};\n")
    string(APPEND table "    {\"${name}\", Resource${index}, ${size}},\n")
    math(EXPR index "${index} + 1")
  endforeach()
endif()

file(WRITE "${OUTPUT}.tmp" "// Generated from the module's resource list; do not edit.
#include \"core/Module.h\"

namespace {
${arrays}
const TModuleResource Resources[] = {
${table}    {nullptr, nullptr, 0}};
}  // namespace

IMPLEMENT_MODULE_RESOURCES(\"${MODULE}\", Resources)
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
