# Where an installed copy puts its files, and the properties that make the project's shared
# libraries installable. Included before the libraries are declared; Install.cmake adds the
# install rules once they are.
#
# Everything is relocatable: the installed files find each other through paths relative to
# themselves (run paths from $ORIGIN, the package and pkg-config files from their own folder,
# the framework's data from its library), so `cmake --install --prefix P` works for any P.

set(VM_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/vellmark)
set(VM_INSTALL_PACKAGEDIR ${CMAKE_INSTALL_LIBDIR}/vellmark)
set(VM_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vellmark)
set(VM_INSTALL_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/vellmark)
set(VM_INSTALL_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/Vellmark)
set(VM_INSTALL_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The path from the installed directory `from` to the installed directory `to` (both as the
# CMAKE_INSTALL_* variables give them: relative to the prefix, or absolute).
function(vm_relative_install_path variable from to)
  foreach(dir from to)
    if(IS_ABSOLUTE "${${dir}}")
      set(${dir}_full "${${dir}}")
    else()
      set(${dir}_full "${CMAKE_INSTALL_PREFIX}/${${dir}}")
    endif()
  endforeach()
  file(RELATIVE_PATH path "${from_full}" "${to_full}")
  string(REGEX REPLACE "/$" "" path "${path}")
  if(path STREQUAL "")
    set(path .)
  endif()
  set(${variable} ${path} PARENT_SCOPE)
endfunction()

vm_relative_install_path(VM_DATA_FROM_LIBRARY ${CMAKE_INSTALL_LIBDIR} ${VM_INSTALL_DATADIR})
vm_relative_install_path(VM_PACKAGES_FROM_LIBRARY ${CMAKE_INSTALL_LIBDIR} ${VM_INSTALL_PACKAGEDIR})
vm_relative_install_path(VM_LIBRARY_FROM_BIN ${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_LIBDIR})
vm_relative_install_path(VM_LIBRARY_FROM_PACKAGES ${VM_INSTALL_PACKAGEDIR} ${CMAKE_INSTALL_LIBDIR})
vm_relative_install_path(VM_PREFIX_FROM_PKGCONFIG ${VM_INSTALL_PKGCONFIGDIR} "")

# Headers the build writes; installed beside the others.
set(VM_GENERATED_INCLUDE_DIR ${PROJECT_BINARY_DIR}/include)
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in ${VM_GENERATED_INCLUDE_DIR}/core/Version.h
               @ONLY)

# Makes target one of the project's shared libraries: file libvellmark-<target>.so with a
# versioned soname (the major version), headers included by folder ("core/Component.h") from
# the source tree or from include/vellmark/ of an installed copy, where <vellmark/...> works too.
function(vm_shared_library target)
  set_target_properties(
    ${target}
    PROPERTIES OUTPUT_NAME vellmark-${target}
               VERSION ${PROJECT_VERSION}
               SOVERSION ${PROJECT_VERSION_MAJOR}
               INSTALL_RPATH "$ORIGIN")
  target_include_directories(
    ${target}
    PUBLIC $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}> $<BUILD_INTERFACE:${VM_GENERATED_INCLUDE_DIR}>
           $<INSTALL_INTERFACE:${VM_INSTALL_INCLUDEDIR}> $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  target_compile_features(${target} PUBLIC cxx_std_20)
endfunction()
