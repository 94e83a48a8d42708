# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Per-target settings shared by every library, program and test of the project:
# C++20, the warning set, includes relative to the source root ("plot/plot_run.h") and
# precompiled headers.

function(project_apply_settings target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  if(BESCHLEUNIGUNG_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Precompiled headers. Parsing the Qt Widgets headers takes a file of ours about a second, most of
# its compile time, so they are compiled once per build, in one of two owner targets, and every
# target reuses that one: a target that compiles against Qt gets the standard and Qt headers,
# any other the standard headers alone, so a Qt include slipped into a layer without Qt still
# fails. clang-tidy cannot read GCC's precompiled headers: make lint configures without them.
set(project_standard_headers <algorithm> <array> <cmath> <cstdint> <memory> <optional> <string>
                             <string_view> <vector>)
set(project_qt_headers <QApplication> <QColor> <QEvent> <QFont> <QImage> <QLabel> <QLineEdit>
                       <QObject> <QPainter> <QPalette> <QPushButton> <QRect> <QString> <QWidget>)

function(project_add_header_owner name)
  cmake_parse_arguments(ARG "" "" "HEADERS;LINKS" ${ARGN})
  set(source ${PROJECT_BINARY_DIR}/${name}.cpp)
  file(CONFIGURE OUTPUT ${source} CONTENT "")
  add_library(${name} OBJECT ${source})
  project_apply_settings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  target_precompile_headers(${name} PRIVATE ${ARG_HEADERS})
endfunction()

project_add_header_owner(project_standard_pch HEADERS ${project_standard_headers})
if(TARGET Qt6::Widgets)
  project_add_header_owner(project_qt_pch HEADERS ${project_standard_headers} ${project_qt_headers}
                           LINKS Qt6::Widgets)
endif()

# Whether any of the links is a Qt module or a project target built against Qt.
function(project_links_qt result)
  set(uses_qt OFF)
  foreach(link IN LISTS ARGN)
    if(link MATCHES "^Qt6::")
      set(uses_qt ON)
    elseif(TARGET ${link})
      get_target_property(link_uses_qt ${link} PROJECT_USES_QT)
      if(link_uses_qt)
        set(uses_qt ON)
      endif()
    endif()
  endforeach()
  set(${result} ${uses_qt} PARENT_SCOPE)
endfunction()

function(project_use_precompiled_headers target)
  project_links_qt(uses_qt ${ARGN})
  set_target_properties(${target} PROPERTIES PROJECT_USES_QT ${uses_qt})
  if(uses_qt)
    target_precompile_headers(${target} REUSE_FROM project_qt_pch)
  else()
    target_precompile_headers(${target} REUSE_FROM project_standard_pch)
  endif()
endfunction()

# project_add_library(name SOURCES ... [LINKS ...])
function(project_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  project_apply_settings(${name})
  project_use_precompiled_headers(${name} ${ARG_LINKS})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# project_add_executable(name SOURCES ... [LINKS ...])
function(project_add_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  project_apply_settings(${name})
  project_use_precompiled_headers(${name} ${ARG_LINKS})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
endfunction()

# project_add_test(name SOURCES ... [LINKS ...]): one GoogleTest binary, each case a ctest test.
function(project_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  project_add_executable(${name} SOURCES ${ARG_SOURCES} LINKS ${ARG_LINKS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
