# The API reference: Doxygen reads our plain line comments as documentation, and every class of
# inspect's public headers has one.
#   cmake -DSOURCE_DIR=... -DWORK_DIR=... -DDOXYGEN=... -P DocsTest.cmake
cmake_minimum_required(VERSION 3.25)
foreach(argument SOURCE_DIR WORK_DIR DOXYGEN)
  if(NOT DEFINED ${argument})
    message(FATAL_ERROR "DocsTest.cmake: -D${argument}=... is missing")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK_DIR})

# Runs Doxygen with the project's settings over input, then the check of the classes under
# folder; returns the check's result and output.
function(document name input folder resultVariable outputVariable)
  set(out ${WORK_DIR}/${name})
  file(MAKE_DIRECTORY ${out})
  file(WRITE ${out}/Doxyfile "@INCLUDE = ${SOURCE_DIR}/Doxyfile
INPUT = ${input}
USE_MDFILE_AS_MAINPAGE =
OUTPUT_DIRECTORY = ${out}
WARN_LOGFILE = ${out}/warnings.log
GENERATE_TREEVIEW = NO
SEARCHENGINE = NO
GENERATE_XML = YES
")
  execute_process(COMMAND ${DOXYGEN} ${out}/Doxyfile WORKING_DIRECTORY ${SOURCE_DIR}
                  RESULT_VARIABLE result ERROR_VARIABLE errors)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "Doxygen failed on ${input}:\n${errors}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -DLOG=${out}/warnings.log -DXML=${out}/xml
                          -DFOLDER=${folder} -P ${SOURCE_DIR}/cmake/CheckDocs.cmake
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
  set(${resultVariable} ${result} PARENT_SCOPE)
  set(${outputVariable} "${output}${errors}" PARENT_SCOPE)
endfunction()

# A class with a line comment above it is documented; one without is reported by name, whether
# or not it inherits documented members.
set(sample ${WORK_DIR}/sample/inspect/oinspect)
file(WRITE ${sample}/Documented.h "#pragma once

// A class that says what it is for.
class TDocumented {
 public:
  int Count = 0;  // how many there are
};
")
file(WRITE ${sample}/Bare.h "#pragma once

#include \"oinspect/Documented.h\"

class TBare : public TDocumented {};

class TLonely {
 public:
  int Size = 0;
};

// Helpers of the headers are not part of the API.
namespace Detail {
struct THelper {};
}  // namespace Detail
")
document(sample ${WORK_DIR}/sample ${WORK_DIR}/sample/inspect result output)
if(result EQUAL 0 OR NOT output MATCHES " TBare \\(" OR NOT output MATCHES " TLonely \\("
   OR output MATCHES "TDocumented|THelper")
  message(FATAL_ERROR "the check should report TBare and TLonely only:\n${output}")
endif()
file(READ ${WORK_DIR}/sample/html/classTDocumented.html page)
if(NOT page MATCHES "A class that says what it is for" OR NOT page MATCHES "how many there are")
  message(FATAL_ERROR "the line comments of TDocumented are not in its page")
endif()

# The real headers.
document(inspect ${SOURCE_DIR}/inspect ${SOURCE_DIR}/inspect result output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${output}")
endif()
