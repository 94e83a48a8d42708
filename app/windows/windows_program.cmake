# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# What only the Windows program has: no console window, and an icon and version information
# compiled into the exe. The icon is made at build time from the desktop entry's SVG, in the
# sizes Explorer and the taskbar ask for. Included from app/CMakeLists.txt.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
find_program(IMAGEMAGICK_CONVERT convert REQUIRED)

enable_language(RC)

set(icon_svg ${CMAKE_CURRENT_LIST_DIR}/../desktop/beschleunigungskurven.svg)
set(icon_dir ${CMAKE_CURRENT_BINARY_DIR}/icon)
set(WINDOWS_ICON ${icon_dir}/beschleunigungskurven.ico)
set(icon_pixels 16 20 24 32 40 48 64 256)
set(icon_steps)
set(icon_pngs)
foreach(size IN LISTS icon_pixels)
  list(APPEND icon_steps COMMAND ${RSVG_CONVERT} --width=${size} --height=${size}
       --output=${icon_dir}/${size}.png ${icon_svg})
  list(APPEND icon_pngs ${icon_dir}/${size}.png)
endforeach()
add_custom_command(OUTPUT ${WINDOWS_ICON}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
  ${icon_steps}
  COMMAND ${IMAGEMAGICK_CONVERT} ${icon_pngs} ${WINDOWS_ICON}
  DEPENDS ${icon_svg}
  COMMENT "Windows icon from beschleunigungskurven.svg"
  VERBATIM)

configure_file(${CMAKE_CURRENT_LIST_DIR}/beschleunigungskurven.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/beschleunigungskurven.rc @ONLY)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/beschleunigungskurven.rc
                            PROPERTIES OBJECT_DEPENDS ${WINDOWS_ICON})
target_sources(beschleunigungskurven PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/beschleunigungskurven.rc
                                             ${WINDOWS_ICON})
# WINDOWS_ICON: the Windows Installer package shows the same icon. A windowed program gets Qt's
# entry point, whose QT_NEEDS_QMAIN the shared precompiled headers were not built with: its one
# source file is compiled without them.
set_target_properties(beschleunigungskurven PROPERTIES WIN32_EXECUTABLE ON WINDOWS_ICON ${WINDOWS_ICON}
                                                       DISABLE_PRECOMPILE_HEADERS ON)
