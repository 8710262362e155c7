# vm_module(<target> NAME <module name> [RESOURCES <RESOURCE_NAME>=<file> ...])
#
# The tree's name for vellmark_module (VellmarkModule.cmake), which an installed copy offers to
# outside projects: both give a binary its module identity and embed its resources.
include(${CMAKE_CURRENT_LIST_DIR}/VellmarkModule.cmake)

function(vm_module target)
  vellmark_module(${ARGV})
endfunction()
