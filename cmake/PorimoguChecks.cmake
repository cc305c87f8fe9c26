# porimogu_check_links(<target> ALLOW <lib>...): fails the configure step when <target>
# links anything not in the list, so that a room cannot quietly start using a library
# or a room it must not (the core and the rooms without windows stay free of QtWidgets).
function(porimogu_check_links target)
  cmake_parse_arguments(PARSE_ARGV 1 _check "" "" "ALLOW")
  get_target_property(_libs ${target} LINK_LIBRARIES)
  if(NOT _libs)
    return()
  endif()
  foreach(_lib IN LISTS _libs)
    if(NOT _lib IN_LIST _check_ALLOW)
      message(FATAL_ERROR "${target} may link ${_check_ALLOW} only, not ${_lib}")
    endif()
  endforeach()
endfunction()

# Every warning an error, where asked (CI asks).
option(PORIMOGU_WERROR "Treat compiler warnings as errors" OFF)
