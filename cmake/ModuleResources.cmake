# vm_module(<target> NAME <module name> [RESOURCES <RESOURCE_NAME>=<file> ...])
#
# Gives <target> its module identity and embeds the named resources (form files, bitmaps) in it.
# Every binary that defines framework classes calls this once: the generated source defines the
# binary's own ThisModule(), which class registration and resource lookup use.
set(VM_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/EmbedResources.cmake)

function(vm_module target)
  cmake_parse_arguments(ARG "" "NAME" "RESOURCES" ${ARGN})
  if(NOT ARG_NAME)
    set(ARG_NAME ${target})
  endif()
  set(output ${CMAKE_CURRENT_BINARY_DIR}/${target}_module.cpp)
  set(depends ${VM_EMBED_SCRIPT})
  set(entries)
  foreach(entry IN LISTS ARG_RESOURCES)
    string(FIND "${entry}" "=" split)
    if(split LESS 1)
      message(FATAL_ERROR "vm_module(${target}): resource '${entry}' is not NAME=file")
    endif()
    string(SUBSTRING "${entry}" 0 ${split} name)
    math(EXPR start "${split} + 1")
    string(SUBSTRING "${entry}" ${start} -1 file)
    get_filename_component(file "${file}" ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    list(APPEND depends ${file})
    list(APPEND entries "${name}=${file}")
  endforeach()
  string(REPLACE ";" "|" joined "${entries}")
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DMODULE=${ARG_NAME} "-DRESOURCES=${joined}"
            -P ${VM_EMBED_SCRIPT}
    DEPENDS ${depends}
    COMMENT "Embedding resources of module ${ARG_NAME}"
    VERBATIM)
  target_sources(${target} PRIVATE ${output})
endfunction()
