# The package tests: an installed copy of the build tree, used as an outside project uses it.
#   cmake -DSTEP=<step> -DBUILD_DIR=... -DSOURCE_DIR=... -DWORK_DIR=... -DCXX=... -DGENERATOR=...
#         -DLIBDIR=... -DVERSION=... [-DLAUNCHER=ccache] -P PackageTest.cmake
# Steps:
#   install      installs the build tree (nothing is rebuilt) into a staging prefix, then moves it
#                to WORK_DIR/prefix, so that nothing may depend on where it was installed; checks
#                the layout: libraries and sonames, every public header, package files
#   findpackage  builds and runs the example with find_package(Vellmark)
#   pkgconfig    builds and runs the example, and a probe of the install directories, with the
#                compiler and pkg-config alone
#   versions     find_package refuses another major version and unknown components
cmake_minimum_required(VERSION 3.25)
foreach(argument STEP BUILD_DIR SOURCE_DIR WORK_DIR CXX GENERATOR LIBDIR VERSION)
  if(NOT DEFINED ${argument})
    message(FATAL_ERROR "PackageTest.cmake: -D${argument}=... is missing")
  endif()
endforeach()
set(PREFIX ${WORK_DIR}/prefix)
set(EXAMPLE ${SOURCE_DIR}/examples/hello-inspector)

# Runs a command; fails with its output unless it exits with 0. OUTPUT_VARIABLE receives stdout.
function(run description)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "OUTPUT_VARIABLE;WORKING_DIRECTORY" "COMMAND")
  if(NOT ARG_WORKING_DIRECTORY)
    set(ARG_WORKING_DIRECTORY ${WORK_DIR})
  endif()
  execute_process(COMMAND ${ARG_COMMAND} WORKING_DIRECTORY ${ARG_WORKING_DIRECTORY}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${description} failed (${result}):\n${ARG_COMMAND}\n${output}\n${errors}")
  endif()
  if(ARG_OUTPUT_VARIABLE)
    set(${ARG_OUTPUT_VARIABLE} "${output}" PARENT_SCOPE)
  endif()
endfunction()

function(expect_exists path)
  if(NOT EXISTS ${PREFIX}/${path})
    message(FATAL_ERROR "the installed copy lacks ${path}")
  endif()
endfunction()

# The example's output must list its component's published properties with their values.
function(expect_example_rows output)
  foreach(row "Name +Greeter1" "Greeting +Hello, inspector" "Repeat +3" "Loud +False"
              "Mood +mdCheerful" "Color +clNavy")
    if(NOT output MATCHES "(^|\n)${row}\n")
      message(FATAL_ERROR "the example's output lacks the row '${row}':\n${output}")
    endif()
  endforeach()
endfunction()

# Runs program with --screenshot and checks that a PNG image with some pixels came out.
function(expect_screenshot program png)
  file(REMOVE ${png})
  run("${program} --screenshot" COMMAND ${program} --screenshot ${png})
  if(NOT EXISTS ${png})
    message(FATAL_ERROR "${program} wrote no screenshot")
  endif()
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 16 size)
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR size MATCHES "^(00000000)|(00000000)$")
    message(FATAL_ERROR "${png} is not a PNG image with pixels (${header})")
  endif()
endfunction()

# Runs program with arguments; expects exit code and an error message on stderr that matches.
function(expect_clear_error program code message)
  execute_process(COMMAND ${program} ${ARGN} RESULT_VARIABLE result OUTPUT_QUIET
                  ERROR_VARIABLE errors)
  if(NOT result EQUAL code OR NOT errors MATCHES "${message}")
    message(FATAL_ERROR "${program} ${ARGN} should exit with ${code} saying '${message}', "
                        "not ${result}:\n${errors}")
  endif()
endfunction()

# Every quoted include of an installed header must be installed too.
function(expect_includes_resolve)
  set(root ${PREFIX}/include/vellmark)
  file(GLOB_RECURSE headers RELATIVE ${root} ${root}/*.h)
  foreach(header IN LISTS headers)
    file(STRINGS ${root}/${header} includes REGEX "^#include \"")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" included "${line}")
      if(NOT EXISTS ${root}/${included})
        message(FATAL_ERROR "installed header ${header} includes \"${included}\", which is not installed")
      endif()
    endforeach()
  endforeach()
endfunction()

# Every header of the libraries' source folders is installed under the same folder.
function(expect_source_headers_installed)
  foreach(tree framework inspect)
    file(GLOB_RECURSE headers RELATIVE ${SOURCE_DIR}/${tree} ${SOURCE_DIR}/${tree}/*.h)
    foreach(header IN LISTS headers)
      expect_exists(include/vellmark/${header})
    endforeach()
  endforeach()
  expect_exists(include/vellmark/core/Version.h)
endfunction()

function(expect_soname library major)
  set(file ${PREFIX}/${LIBDIR}/lib${library}.so)
  expect_exists(${LIBDIR}/lib${library}.so.${major})
  expect_exists(${LIBDIR}/lib${library}.so.${VERSION})
  find_program(READELF readelf)
  if(READELF)
    run("readelf ${library}" COMMAND ${READELF} -d ${file} OUTPUT_VARIABLE dynamic)
    if(NOT dynamic MATCHES "soname: \\[lib${library}\\.so\\.${major}\\]")
      message(FATAL_ERROR "lib${library}.so has not the soname lib${library}.so.${major}:\n${dynamic}")
    endif()
  endif()
endfunction()

# Installed package files must find everything relative to themselves: no absolute path of the
# build may remain in them.
function(expect_relocatable)
  file(GLOB_RECURSE files ${PREFIX}/${LIBDIR}/cmake/*.cmake ${PREFIX}/${LIBDIR}/pkgconfig/*.pc)
  foreach(file IN LISTS files)
    file(READ ${file} text)
    foreach(path ${BUILD_DIR} ${SOURCE_DIR} ${WORK_DIR})
      string(FIND "${text}" "${path}" at)
      if(at GREATER -1)
        message(FATAL_ERROR "${file} names ${path}: an installed copy cannot be moved")
      endif()
    endforeach()
  endforeach()
endfunction()

function(step_install)
  file(REMOVE_RECURSE ${WORK_DIR})
  file(MAKE_DIRECTORY ${WORK_DIR})
  run("cmake --install" COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${WORK_DIR}/staging)
  file(RENAME ${WORK_DIR}/staging ${PREFIX})
  string(REGEX MATCH "^[0-9]+" major "${VERSION}")
  expect_soname(vellmark-framework ${major})
  expect_soname(vellmark-inspect ${major})
  expect_source_headers_installed()
  expect_includes_resolve()
  foreach(path ${LIBDIR}/cmake/Vellmark/VellmarkConfig.cmake
               ${LIBDIR}/cmake/Vellmark/VellmarkConfigVersion.cmake
               ${LIBDIR}/cmake/Vellmark/VellmarkModule.cmake
               ${LIBDIR}/pkgconfig/vellmark-framework.pc ${LIBDIR}/pkgconfig/vellmark-inspect.pc
               ${LIBDIR}/vellmark/libfscope.so bin/ide bin/inspector-demo share/vellmark/fonts
               share/doc/vellmark/LICENSE)
    expect_exists(${path})
  endforeach()
  expect_relocatable()
endfunction()

function(step_findpackage)
  set(build ${WORK_DIR}/findpackage)
  file(REMOVE_RECURSE ${build})
  set(options -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX} -DCMAKE_BUILD_TYPE=Debug
              -DCMAKE_PREFIX_PATH=${PREFIX})
  if(LAUNCHER)
    list(APPEND options -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
  endif()
  run("configuring the example" COMMAND ${CMAKE_COMMAND} -S ${EXAMPLE} -B ${build} ${options})
  run("building the example" COMMAND ${CMAKE_COMMAND} --build ${build})
  run("running the example" COMMAND ${build}/hello-inspector OUTPUT_VARIABLE output)
  expect_example_rows("${output}")
  expect_screenshot(${build}/hello-inspector ${build}/hello.png)
  expect_clear_error(${build}/hello-inspector 1 "/nonexistent-folder/hello.png: "
                     --screenshot /nonexistent-folder/hello.png)
  expect_clear_error(${build}/hello-inspector 2 "--size" --size huge)
endfunction()

function(step_pkgconfig)
  set(build ${WORK_DIR}/pkgconfig)
  file(REMOVE_RECURSE ${build})
  file(MAKE_DIRECTORY ${build})
  find_program(PKG_CONFIG NAMES pkg-config pkgconf REQUIRED)
  set(ENV{PKG_CONFIG_PATH} ${PREFIX}/${LIBDIR}/pkgconfig)
  foreach(query cflags:--cflags:inspect libs:--libs:inspect libdir:--variable=libdir:framework
                modulescript:--variable=modulescript:framework)
    string(REPLACE ":" ";" query ${query})
    list(GET query 0 name)
    list(GET query 1 option)
    list(GET query 2 package)
    run("pkg-config ${option} vellmark-${package}"
        COMMAND ${PKG_CONFIG} ${option} vellmark-${package} OUTPUT_VARIABLE ${name})
    string(STRIP "${${name}}" ${name})
    separate_arguments(${name} UNIX_COMMAND "${${name}}")
  endforeach()
  set(compile ${CXX} -std=c++20 ${cflags})
  set(link ${libs} -Wl,-rpath,${libdir})
  run("writing the example's module" COMMAND ${CMAKE_COMMAND} -DOUTPUT=${build}/module.cpp
      -DMODULE=hello_inspector -P ${modulescript})
  run("compiling the example" COMMAND ${compile} ${EXAMPLE}/main.cpp ${build}/module.cpp ${link}
      -o ${build}/hello-inspector)
  run("running the example" COMMAND ${build}/hello-inspector OUTPUT_VARIABLE output)
  expect_example_rows("${output}")
  expect_screenshot(${build}/hello-inspector ${build}/hello.png)

  run("compiling the probe" COMMAND ${compile} ${CMAKE_CURRENT_LIST_DIR}/InstallProbe.cpp ${link}
      -o ${build}/probe)
  run("running the probe" COMMAND ${build}/probe OUTPUT_VARIABLE probe)
  file(REAL_PATH ${PREFIX}/share/vellmark data)
  file(REAL_PATH ${PREFIX}/${LIBDIR}/vellmark packages)
  foreach(line "version=${VERSION}" "data=${data}" "packages=${packages}")
    if(NOT probe MATCHES "(^|\n)${line}\n")
      message(FATAL_ERROR "the installed framework should report ${line}:\n${probe}")
    endif()
  endforeach()
  expect_installed_fonts_used(${build}/probe)
endfunction()

# A font file put into the installed copy's fonts folder is available to its programs. Needs a
# font that fontconfig does not know by itself: Marlett of the fonts-wine package, where present.
function(expect_installed_fonts_used probe)
  set(font /usr/share/wine/fonts/marlett.ttf)
  if(NOT EXISTS ${font})
    message(STATUS "not checked: installed fonts are used (${font} is missing)")
    return()
  endif()
  run("running the probe" COMMAND ${probe} Marlett OUTPUT_VARIABLE before)
  if(before MATCHES "font Marlett=yes")
    message(STATUS "not checked: installed fonts are used (Marlett is known without them)")
    return()
  endif()
  set(fonts ${PREFIX}/share/vellmark/fonts)
  file(COPY ${font} DESTINATION ${fonts})
  run("running the probe" COMMAND ${probe} Marlett OUTPUT_VARIABLE after)
  file(REMOVE ${fonts}/marlett.ttf)
  if(NOT after MATCHES "font Marlett=yes")
    message(FATAL_ERROR "a font in ${fonts} is not available to the installed framework:\n${after}")
  endif()
endfunction()

# Configures a project that asks for the package with request; returns whether it configured
# and what it printed. A project that found it checks that the imported targets exist.
function(find_vellmark request resultVariable outputVariable)
  set(project ${WORK_DIR}/versions)
  file(REMOVE_RECURSE ${project})
  file(WRITE ${project}/CMakeLists.txt "cmake_minimum_required(VERSION 3.25)
project(Consumer LANGUAGES CXX)
find_package(Vellmark ${request})
foreach(target Vellmark::framework Vellmark::inspect)
  if(NOT TARGET \${target})
    message(FATAL_ERROR \"\${target} is missing\")
  endif()
endforeach()
if(NOT COMMAND vellmark_module)
  message(FATAL_ERROR \"vellmark_module is missing\")
endif()
")
  execute_process(COMMAND ${CMAKE_COMMAND} -S ${project} -B ${project}/build
                          -DCMAKE_PREFIX_PATH=${PREFIX}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  set(${resultVariable} ${result} PARENT_SCOPE)
  set(${outputVariable} "${output}\n${errors}" PARENT_SCOPE)
endfunction()

function(expect_found request)
  find_vellmark("${request}" result output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "find_package(Vellmark ${request}) should succeed:\n${output}")
  endif()
endfunction()

function(expect_refused request message)
  find_vellmark("${request}" result output)
  if(result EQUAL 0 OR NOT output MATCHES "${message}")
    message(FATAL_ERROR "find_package(Vellmark ${request}) should fail saying '${message}':\n"
                        "${output}")
  endif()
endfunction()

function(step_versions)
  string(REGEX MATCH "^[0-9]+" major "${VERSION}")
  math(EXPR next "${major} + 1")
  expect_found("${major}.0 REQUIRED COMPONENTS framework inspect")
  expect_refused("${next}.0 REQUIRED" "version: ${VERSION}")
  expect_refused("${VERSION} REQUIRED COMPONENTS framework gadgets" "no component 'gadgets'")
endfunction()

if(NOT COMMAND step_${STEP})
  message(FATAL_ERROR "PackageTest.cmake: unknown STEP '${STEP}'")
endif()
cmake_language(CALL step_${STEP})
