# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# Per-target settings shared by every library, program and test of the project:
# C++20, the warning set, and includes relative to the source root ("plot/plot_run.h").

function(project_apply_settings target)
  target_compile_features(${target} PUBLIC cxx_std_20)
  set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
  if(BESCHLEUNIGUNG_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# project_add_library(name SOURCES ... [LINKS ...])
function(project_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  project_apply_settings(${name})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# project_add_executable(name SOURCES ... [LINKS ...])
function(project_add_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  project_apply_settings(${name})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
endfunction()

# project_add_test(name SOURCES ... [LINKS ...]): one GoogleTest binary, each case a ctest test.
function(project_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  project_add_executable(${name} SOURCES ${ARG_SOURCES} LINKS ${ARG_LINKS})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
