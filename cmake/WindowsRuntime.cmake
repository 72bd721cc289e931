# Run by `cmake --install` for Windows (see WindowsDeploy.cmake): copies the
# DLLs the programs and plugins import, except the system's own.
set(CMAKE_GET_RUNTIME_DEPENDENCIES_PLATFORM windows+pe)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_TOOL objdump)
set(CMAKE_GET_RUNTIME_DEPENDENCIES_COMMAND "${vire_objdump}")
file(GET_RUNTIME_DEPENDENCIES
  EXECUTABLES ${vire_programs}
  MODULES ${vire_modules}
  DIRECTORIES ${vire_dll_dirs}
  PRE_EXCLUDE_REGEXES "^api-ms-" "^ext-ms-"
  RESOLVED_DEPENDENCIES_VAR found
  UNRESOLVED_DEPENDENCIES_VAR missing)
# Anything not found in those folders must be a DLL of Windows itself.
foreach(dll ${missing})
  if(dll MATCHES "^(Qt6|libquazip|icu|libicu|zlib|libstdc|libgcc|libwinpthread|libz)")
    message(FATAL_ERROR "${dll} is needed but was not found in ${vire_dll_dirs}")
  endif()
endforeach()
file(INSTALL ${found} DESTINATION "${CMAKE_INSTALL_PREFIX}/${vire_bindir}")
