# vellmark_module and its resource embedding refuse bad declarations with a message that names
# the target and what is wrong, at configure time; the embedding script itself writes every
# byte of a resource and refuses what it cannot embed.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -P ModuleTest.cmake
cmake_minimum_required(VERSION 3.25)
foreach(argument SOURCE_DIR WORK_DIR)
  if(NOT DEFINED ${argument})
    message(FATAL_ERROR "ModuleTest.cmake: -D${argument}=... is missing")
  endif()
endforeach()
set(MODULE_FILE ${SOURCE_DIR}/cmake/VellmarkModule.cmake)
set(EMBED_SCRIPT ${SOURCE_DIR}/cmake/EmbedResources.cmake)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/form.txt "object Form1: TForm\nend\n")

# Configures a project whose body declares a target prog and calls vellmark_module; expects the
# configuration to fail with message.
function(expect_declaration_refused case body message)
  set(project ${WORK_DIR}/${case})
  file(WRITE ${project}/CMakeLists.txt "cmake_minimum_required(VERSION 3.25)
project(ModuleTest LANGUAGES NONE)
include(${MODULE_FILE})
add_library(prog INTERFACE)
file(COPY ${WORK_DIR}/form.txt DESTINATION \${CMAKE_CURRENT_SOURCE_DIR})
${body}
")
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${project} -B ${project}/build
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  string(REGEX REPLACE "[ \n]+" " " errors "${errors}")
  if(result EQUAL 0 OR NOT errors MATCHES "${message}")
    message(FATAL_ERROR "${case}: configuring should fail saying '${message}':\n${output}\n${errors}")
  endif()
endfunction()

expect_declaration_refused(unknown_target "vellmark_module(nothing)"
                           "vellmark_module\\(nothing\\): 'nothing' is not a target")
expect_declaration_refused(twice "vellmark_module(prog NAME first)\nvellmark_module(prog NAME second)"
                           "the target already is module 'first'")
expect_declaration_refused(empty_name "vellmark_module(prog NAME)" "NAME needs a value")
expect_declaration_refused(quoted_name "vellmark_module(prog NAME \"my\\\"module\")"
                           "module name 'my\"module' may only contain")
expect_declaration_refused(stray_argument "vellmark_module(prog NAME p RESOURCE X=form.txt)"
                           "unexpected arguments: RESOURCE")
expect_declaration_refused(no_equals "vellmark_module(prog RESOURCES form.txt)"
                           "resource 'form.txt' is not NAME=file")
expect_declaration_refused(no_file "vellmark_module(prog RESOURCES FORM=)" "'FORM' names no file")
expect_declaration_refused(bad_resource_name "vellmark_module(prog RESOURCES \"MY FORM=form.txt\")"
                           "resource name 'MY FORM' may only contain")
expect_declaration_refused(missing_file "vellmark_module(prog RESOURCES FORM=absent.txt)"
                           "resource 'FORM': file .*absent.txt does not exist")
expect_declaration_refused(same_name_twice
                           "vellmark_module(prog RESOURCES Form=form.txt FORM=form.txt)"
                           "resource 'FORM' is named twice")

# The script embeds every byte (including zeros and a last byte without newline) and the size.
set(resource ${WORK_DIR}/bytes.bin)
string(ASCII 1 2 3 one)
file(WRITE ${resource} "AB${one}")
set(output ${WORK_DIR}/module.cpp)
execute_process(COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DMODULE=probe
                        "-DRESOURCES=BYTES=${resource}|FORM=${WORK_DIR}/form.txt" -P ${EMBED_SCRIPT}
                RESULT_VARIABLE result ERROR_VARIABLE errors)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "embedding failed:\n${errors}")
endif()
file(READ ${output} source)
foreach(expected "0x41,0x42,0x01,0x02,0x03,0}" "{\"BYTES\", Resource0, 5}"
                 "{\"FORM\", Resource1, 24}" "IMPLEMENT_MODULE_RESOURCES(\"probe\", Resources)")
  string(FIND "${source}" "${expected}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the module source lacks '${expected}':\n${source}")
  endif()
endforeach()

# Run by hand (as builds without CMake do), the script checks its input as well.
foreach(case "-DMODULE=probe" "-DOUTPUT=${output};-DMODULE=bad name"
             "-DOUTPUT=${output};-DMODULE=probe;-DRESOURCES=X=${WORK_DIR}/absent")
  execute_process(COMMAND ${CMAKE_COMMAND} ${case} -P ${EMBED_SCRIPT}
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(result EQUAL 0 OR NOT errors MATCHES "EmbedResources.cmake: ")
    message(FATAL_ERROR "the script should refuse ${case}:\n${errors}")
  endif()
endforeach()
