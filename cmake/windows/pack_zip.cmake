# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -P pack_zip.cmake: lays out the Windows zip in STAGING (a folder named as the program, so
# unpacking gives one folder) and packs it into ZIP. BINARIES go to the top with PLATFORM_PLUGIN in
# platforms/ and STYLE_PLUGIN in styles/, where Qt looks beside the exe; all are stripped of their
# symbol tables (half the size; nobody debugs the zip's copy). README is LIESMICH.txt; LICENCES
# are "SOURCE=NAME" pairs copied into Lizenzen/.
foreach(variable STAGING ZIP STRIP BINARIES PLATFORM_PLUGIN STYLE_PLUGIN README LICENCES)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "pack_zip.cmake needs -D${variable}=...")
  endif()
endforeach()

file(REMOVE_RECURSE ${STAGING})
file(MAKE_DIRECTORY ${STAGING}/platforms ${STAGING}/styles ${STAGING}/Lizenzen)
file(COPY ${BINARIES} DESTINATION ${STAGING})
file(COPY ${PLATFORM_PLUGIN} DESTINATION ${STAGING}/platforms)
file(COPY ${STYLE_PLUGIN} DESTINATION ${STAGING}/styles)
file(COPY ${README} DESTINATION ${STAGING})
foreach(pair IN LISTS LICENCES)
  string(REPLACE "=" ";" pair "${pair}")
  list(GET pair 0 source)
  list(GET pair 1 name)
  if(NOT EXISTS "${source}")
    message(FATAL_ERROR "licence text ${source} is missing")
  endif()
  configure_file(${source} ${STAGING}/Lizenzen/${name} COPYONLY)
endforeach()

file(GLOB_RECURSE binaries ${STAGING}/*.exe ${STAGING}/*.dll)
foreach(binary IN LISTS binaries)
  execute_process(COMMAND ${STRIP} --strip-unneeded ${binary} RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${STRIP} failed on ${binary}")
  endif()
endforeach()

get_filename_component(parent ${STAGING} DIRECTORY)
get_filename_component(folder ${STAGING} NAME)
get_filename_component(zip_directory ${ZIP} DIRECTORY)
file(MAKE_DIRECTORY ${zip_directory})
file(REMOVE ${ZIP})
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${ZIP} --format=zip ${folder}
                WORKING_DIRECTORY ${parent} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "packing ${ZIP} failed")
endif()
file(SIZE ${ZIP} bytes)
math(EXPR kilobytes "${bytes} / 1024")
message(STATUS "${ZIP}: ${kilobytes} KiB")
