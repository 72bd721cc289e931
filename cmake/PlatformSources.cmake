# Platform code lives in NAME_win.cpp and NAME_unix.cpp beside each other;
# this adds the one for the system being built to a target.
function(vire_platform_sources target)
  if(WIN32)
    set(suffix win)
  else()
    set(suffix unix)
  endif()
  foreach(name IN LISTS ARGN)
    target_sources(${target} PRIVATE ${name}_${suffix}.cpp)
  endforeach()
endfunction()
