# Windows: what an install puts beside the programs, by install rules (Qt's
# deploy tool, windeployqt, is part of qttools, which a Qt built only from
# qtbase lacks): the Qt plugins the programs load, then every DLL that the
# programs and those plugins import and that is not the system's own (Qt's,
# QuaZip's, ICU's, zlib's, the MinGW runtime's), found by reading import tables.

# Plugins by folder; Qt looks for them beside the program. Qt Network's TLS
# plugin is vire-image's (its targets are made visible here).
find_package(Qt6 REQUIRED COMPONENTS Network)
set(vire_plugins
  platforms Qt6::QWindowsIntegrationPlugin
  styles Qt6::QWindowsVistaStylePlugin
  tls Qt6::QSchannelBackendPlugin)
set(vire_plugin_files)
while(vire_plugins)
  list(POP_FRONT vire_plugins folder plugin)
  if(TARGET ${plugin})
    install(FILES $<TARGET_FILE:${plugin}> DESTINATION ${CMAKE_INSTALL_BINDIR}/${folder})
    list(APPEND vire_plugin_files $<TARGET_FILE:${plugin}>)
  else()
    message(WARNING "${plugin} not found: the installed programs will lack it")
  endif()
endwhile()

# Where the DLLs are: Qt's and the other libraries' bin folders, MinGW's.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE vire_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(vire_gcc_dir "${vire_libstdcxx}" DIRECTORY)
set(vire_dll_dirs ${vire_gcc_dir} /usr/x86_64-w64-mingw32/lib /usr/x86_64-w64-mingw32/bin)
foreach(prefix ${CMAKE_PREFIX_PATH} ${VIRE_WINDOWS_PREFIXES})
  list(APPEND vire_dll_dirs ${prefix}/bin ${prefix}/lib)
endforeach()
find_program(VIRE_OBJDUMP NAMES x86_64-w64-mingw32-objdump objdump REQUIRED)

install(CODE "
  set(vire_programs \"$<TARGET_FILE:vire-flash-editor>;$<TARGET_FILE:vire-image>\")
  set(vire_modules \"${vire_plugin_files}\")
  set(vire_dll_dirs \"${vire_dll_dirs}\")
  set(vire_objdump \"${VIRE_OBJDUMP}\")
  set(vire_bindir \"${CMAKE_INSTALL_BINDIR}\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/WindowsRuntime.cmake\")
")
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
