# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows build's run-time files and its zip. Included from the top-level CMakeLists.txt when
# cross-building for Windows (make windows).
#
# bin/ gets the Qt and MinGW DLLs and the plugins beside the programs, laid out as in the zip, so
# every program and test runs there as it is (under Wine: wine build-windows/bin/NAME.exe).
# windows_zip packs dist/beschleunigungskurven-VERSION-windows-x86_64.zip: the program, the DLLs it
# loads, the windows platform plugin and the native style, the licence texts and LIESMICH.txt.
# windows_msi packs the same folder into dist/beschleunigungskurven-VERSION-x64.msi.

# The MinGW run-time DLLs of the posix-threads compiler.
set(mingw_runtime)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(path "${path}" REALPATH)
  if(NOT EXISTS "${path}")
    message(FATAL_ERROR "${CMAKE_CXX_COMPILER} knows no ${dll}")
  endif()
  list(APPEND mingw_runtime "${path}")
endforeach()

set(program_libraries $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
                      ${mingw_runtime})
set(platform_plugin $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>)
set(style_plugin $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>)
# Tests run on the offscreen platform, as on Linux, and link Qt Test.
set(test_libraries $<TARGET_FILE:Qt6::Test>)
set(test_plugins $<TARGET_FILE:Qt6::QOffscreenIntegrationPlugin>
                 $<TARGET_FILE:Qt6::QMinimalIntegrationPlugin>)

set(bin ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
add_custom_target(windows_runtime ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${bin}/platforms ${bin}/styles
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${program_libraries} ${test_libraries} ${bin}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${platform_plugin} ${test_plugins} ${bin}/platforms
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${style_plugin} ${bin}/styles
  COMMENT "Qt and MinGW run-time files into ${bin}"
  VERBATIM)

# Licence texts of what the zip contains, from the Debian packages it is built from.
set(licence_texts
  "/usr/share/doc/libqt6core6/copyright=Qt-qtbase-copyright.txt"
  "/usr/share/doc/gcc-mingw-w64-base/copyright=GCC-Laufzeitbibliotheken-copyright.txt"
  "/usr/share/doc/mingw-w64-x86-64-dev/copyright=MinGW-w64-copyright.txt"
  "/usr/share/common-licenses/LGPL-3=LGPL-3.txt"
  "/usr/share/common-licenses/GPL-2=GPL-2.txt"
  "/usr/share/common-licenses/GPL-3=GPL-3.txt"
  "/usr/share/common-licenses/Apache-2.0=Apache-2.0.txt")
# The program's own licence, with an extension Windows opens.
list(APPEND licence_texts "${PROJECT_SOURCE_DIR}/LICENSE=Beschleunigungskurven-GPL-3.0-or-later.txt")

find_program(MINGW_STRIP ${MINGW_TRIPLET}-strip REQUIRED)
set(zip_name beschleunigungskurven-${PROJECT_VERSION}-windows-x86_64)
set(zip ${PROJECT_SOURCE_DIR}/dist/${zip_name}.zip)
set(zip_staging ${PROJECT_BINARY_DIR}/zip/Beschleunigungskurven)
add_custom_target(windows_zip
  COMMAND ${CMAKE_COMMAND}
    -DSTAGING=${zip_staging}
    -DZIP=${zip}
    -DSTRIP=${MINGW_STRIP}
    "-DBINARIES=$<TARGET_FILE:beschleunigungskurven>;${program_libraries}"
    -DPLATFORM_PLUGIN=${platform_plugin}
    -DSTYLE_PLUGIN=${style_plugin}
    -DREADME=${PROJECT_SOURCE_DIR}/app/windows/LIESMICH.txt
    "-DLICENCES=${licence_texts}"
    -P ${CMAKE_CURRENT_LIST_DIR}/pack_zip.cmake
  DEPENDS beschleunigungskurven windows_runtime
  COMMENT "Packing ${zip}"
  VERBATIM)

# make msi: the Windows Installer package, packed with wixl from the zip's folder.
set(msi ${PROJECT_SOURCE_DIR}/dist/beschleunigungskurven-${PROJECT_VERSION}-x64.msi)
add_custom_target(windows_msi
  COMMAND ${CMAKE_COMMAND}
    -DSTAGING=${zip_staging}
    -DMSI=${msi}
    -DVERSION=${PROJECT_VERSION}
    -DICON=$<TARGET_PROPERTY:beschleunigungskurven,WINDOWS_ICON>
    -DWXS=${PROJECT_SOURCE_DIR}/app/windows/beschleunigungskurven.wxs
    -DWORK=${PROJECT_BINARY_DIR}/msi
    -P ${CMAKE_CURRENT_LIST_DIR}/pack_msi.cmake
  COMMENT "Packing ${msi}"
  VERBATIM)
add_dependencies(windows_msi windows_zip)
