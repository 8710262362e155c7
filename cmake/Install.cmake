# Install rules (see Packaging.cmake for the layout):
#   lib/libvellmark-{framework,inspect}.so.*   the shared libraries, with versioned sonames
#   include/vellmark/<folder>/*.h              their public headers, the source folders kept
#   lib/vellmark/                              design packages: the fscope add-in
#   bin/                                       the programs
#   share/vellmark/fonts/                      fonts every program of the framework may use
#   lib/cmake/Vellmark/                        find_package(Vellmark COMPONENTS framework inspect)
#   lib/pkgconfig/vellmark-{framework,inspect}.pc
#   share/doc/vellmark/                        the license and, once built, the API reference
# Install components: framework, inspect, fscope, programs, docs.
include(CMakePackageConfigHelpers)

install(TARGETS framework EXPORT VellmarkFrameworkTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT framework)
install(TARGETS inspect EXPORT VellmarkInspectTargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT inspect)

set_target_properties(fscope PROPERTIES INSTALL_RPATH "$ORIGIN/${VM_LIBRARY_FROM_PACKAGES}")
install(TARGETS fscope LIBRARY DESTINATION ${VM_INSTALL_PACKAGEDIR} COMPONENT fscope)

set(VM_PROGRAMS ide inspector-demo winsys-demo)
set_target_properties(${VM_PROGRAMS} PROPERTIES INSTALL_RPATH "$ORIGIN/${VM_LIBRARY_FROM_BIN}")
install(TARGETS ${VM_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT programs)

# Every header of a library's folders, found when the build is configured (and again whenever
# a folder changes), so that new headers are installed without edits here.
function(vm_install_headers component root)
  file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${root} ${root}/*.h)
  foreach(header IN LISTS headers)
    get_filename_component(folder ${header} DIRECTORY)
    install(FILES ${root}/${header} DESTINATION ${VM_INSTALL_INCLUDEDIR}/${folder}
            COMPONENT ${component})
  endforeach()
endfunction()
vm_install_headers(framework ${PROJECT_SOURCE_DIR}/framework)
vm_install_headers(framework ${VM_GENERATED_INCLUDE_DIR})
vm_install_headers(inspect ${PROJECT_SOURCE_DIR}/inspect)

install(DIRECTORY DESTINATION ${VM_INSTALL_DATADIR}/fonts COMPONENT framework)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${VM_INSTALL_DOCDIR} COMPONENT framework)
install(DIRECTORY ${PROJECT_BINARY_DIR}/docs/html DESTINATION ${VM_INSTALL_DOCDIR} OPTIONAL
        COMPONENT docs)

# The CMake package. A sanitized build passes its sanitizer runtimes on to every program linked
# with it; without them such a program cannot load the libraries.
target_link_options(framework INTERFACE $<INSTALL_INTERFACE:${VM_SANITIZER_LINK_OPTIONS}>)
foreach(component Framework Inspect)
  string(TOLOWER ${component} lower)
  install(EXPORT Vellmark${component}Targets NAMESPACE Vellmark:: DESTINATION ${VM_INSTALL_CMAKEDIR}
          COMPONENT ${lower})
endforeach()
get_target_property(definitions framework COMPILE_DEFINITIONS)
if("VM_HAVE_SDL2=1" IN_LIST definitions)
  set(VM_PACKAGE_WITH_SDL2 ON)
else()
  set(VM_PACKAGE_WITH_SDL2 OFF)
endif()
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/VellmarkConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/package/VellmarkConfig.cmake
                              INSTALL_DESTINATION ${VM_INSTALL_CMAKEDIR} NO_SET_AND_CHECK_MACRO)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/package/VellmarkConfigVersion.cmake
                                 COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/package/VellmarkConfig.cmake
              ${PROJECT_BINARY_DIR}/package/VellmarkConfigVersion.cmake
              ${CMAKE_CURRENT_LIST_DIR}/VellmarkModule.cmake
              ${CMAKE_CURRENT_LIST_DIR}/EmbedResources.cmake
        DESTINATION ${VM_INSTALL_CMAKEDIR} COMPONENT framework)

# pkg-config files; their prefix is found from their own folder, so they move with the copy.
set(VM_PKGCONFIG_PRIVATE_REQUIRES "freetype2 fontconfig libpng")
if(VM_PACKAGE_WITH_SDL2)
  string(APPEND VM_PKGCONFIG_PRIVATE_REQUIRES " sdl2")
endif()
string(JOIN " " VM_PKGCONFIG_LINK_OPTIONS ${VM_SANITIZER_LINK_OPTIONS})
foreach(dir LIBDIR:CMAKE_INSTALL_LIBDIR INCLUDEDIR:CMAKE_INSTALL_INCLUDEDIR
            PACKAGEDIR:VM_INSTALL_PACKAGEDIR DATADIR:VM_INSTALL_DATADIR CMAKEDIR:VM_INSTALL_CMAKEDIR)
  string(REPLACE ":" ";" dir ${dir})
  list(GET dir 0 name)
  list(GET dir 1 variable)
  if(IS_ABSOLUTE "${${variable}}")
    set(VM_PC_${name} "${${variable}}")
  else()
    set(VM_PC_${name} "\${prefix}/${${variable}}")
  endif()
endforeach()
foreach(library framework inspect)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/vellmark-${library}.pc.in
                 ${PROJECT_BINARY_DIR}/package/vellmark-${library}.pc @ONLY)
  install(FILES ${PROJECT_BINARY_DIR}/package/vellmark-${library}.pc
          DESTINATION ${VM_INSTALL_PKGCONFIGDIR} COMPONENT ${library})
endforeach()
