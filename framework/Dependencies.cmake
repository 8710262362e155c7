# External libraries of the graphics layer and the presenters.
pkg_check_modules(VM_FREETYPE REQUIRED IMPORTED_TARGET freetype2)
pkg_check_modules(VM_FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)
pkg_check_modules(VM_PNG REQUIRED IMPORTED_TARGET libpng)
target_link_libraries(framework PRIVATE PkgConfig::VM_FREETYPE PkgConfig::VM_FONTCONFIG
                                        PkgConfig::VM_PNG)

# A real window needs SDL2; without it only the headless presenter is built.
pkg_check_modules(VM_SDL2 IMPORTED_TARGET sdl2)
if(VM_SDL2_FOUND)
  target_link_libraries(framework PRIVATE PkgConfig::VM_SDL2)
  target_compile_definitions(framework PRIVATE VM_HAVE_SDL2=1)
  message(STATUS "SDL2 ${VM_SDL2_VERSION}: the SDL presenter is built")
else()
  message(STATUS "SDL2 not found: only the headless presenter is built")
endif()
