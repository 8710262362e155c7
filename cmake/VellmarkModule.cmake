# vellmark_module(<target> [NAME <module name>] [RESOURCES <RESOURCE_NAME>=<file> ...])
#
# Gives <target> (a program, shared library or loadable module built with the framework) its
# module identity and embeds the named resources (form files, bitmaps) in it. Every binary that
# defines framework classes or reads resources of its own calls this once: the generated source
# defines the binary's ThisModule(), which class registration and resource lookup use, and makes
# the module known as soon as the binary is loaded.
#
# NAME defaults to the target's name. Module and resource names consist of letters, digits, '_',
# '.' and '-'; resource names are looked up in any letter case, so two may not differ in case
# only. Relative resource files are taken from the calling directory; a file may be produced by
# the build (a GENERATED source) as long as the build makes it before the module is embedded.
include_guard(GLOBAL)

# Fails with a message naming the caller when name is not a usable module or resource name.
function(vellmark_check_name context kind name)
  if(NOT name MATCHES "^[A-Za-z0-9_.-]+$")
    message(FATAL_ERROR "${context}: ${kind} '${name}' may only contain letters, digits, "
                        "'_', '.' and '-'")
  endif()
endfunction()

# Splits "NAME=file" into its name and file, failing with a message naming the caller.
function(vellmark_split_resource context entry nameVariable fileVariable)
  string(FIND "${entry}" "=" split)
  if(split LESS 1)
    message(FATAL_ERROR "${context}: resource '${entry}' is not NAME=file")
  endif()
  string(SUBSTRING "${entry}" 0 ${split} name)
  math(EXPR start "${split} + 1")
  string(SUBSTRING "${entry}" ${start} -1 file)
  vellmark_check_name("${context}" "resource name" "${name}")
  if(file STREQUAL "")
    message(FATAL_ERROR "${context}: resource '${name}' names no file")
  endif()
  if(file MATCHES "[|]")
    message(FATAL_ERROR "${context}: resource file '${file}' contains '|'")
  endif()
  set(${nameVariable} "${name}" PARENT_SCOPE)
  set(${fileVariable} "${file}" PARENT_SCOPE)
endfunction()

function(vellmark_module target)
  set(context "vellmark_module(${target})")
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "NAME" "RESOURCES")
  if(ARG_UNPARSED_ARGUMENTS)
    message(FATAL_ERROR "${context}: unexpected arguments: ${ARG_UNPARSED_ARGUMENTS}")
  endif()
  if(NOT TARGET ${target})
    message(FATAL_ERROR "${context}: '${target}' is not a target of this project")
  endif()
  get_target_property(existing ${target} VELLMARK_MODULE_NAME)
  if(existing)
    message(FATAL_ERROR "${context}: the target already is module '${existing}'; a binary has "
                        "one module, declared once")
  endif()
  if("NAME" IN_LIST ARG_KEYWORDS_MISSING_VALUES)
    message(FATAL_ERROR "${context}: NAME needs a value")
  endif()
  if(NOT DEFINED ARG_NAME)
    set(ARG_NAME ${target})
  endif()
  vellmark_check_name("${context}" "module name" "${ARG_NAME}")

  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/EmbedResources.cmake)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_module.cpp)
  set(depends ${script} ${CMAKE_CURRENT_FUNCTION_LIST_FILE})
  set(entries)
  set(seen)
  foreach(entry IN LISTS ARG_RESOURCES)
    vellmark_split_resource("${context}" "${entry}" name file)
    string(TOUPPER "${name}" key)
    if(key IN_LIST seen)
      message(FATAL_ERROR "${context}: resource '${name}' is named twice (names ignore case)")
    endif()
    list(APPEND seen ${key})
    get_filename_component(file "${file}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_source_file_property(generated "${file}" GENERATED)
    if(NOT EXISTS "${file}" AND NOT generated)
      message(FATAL_ERROR "${context}: resource '${name}': file ${file} does not exist")
    endif()
    list(APPEND depends ${file})
    list(APPEND entries "${name}=${file}")
  endforeach()
  string(REPLACE ";" "|" joined "${entries}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DMODULE=${ARG_NAME} "-DRESOURCES=${joined}"
            -P ${script}
    DEPENDS ${depends}
    COMMENT "Embedding resources of module ${ARG_NAME}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
  set_target_properties(${target} PROPERTIES VELLMARK_MODULE_NAME ${ARG_NAME})
endfunction()
