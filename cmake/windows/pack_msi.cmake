# SPDX-FileCopyrightText: 2026 Beschleunigungskurven team <team@beschleunigungskurven.invalid>
# SPDX-License-Identifier: GPL-3.0-or-later
# cmake -P pack_msi.cmake: packs STAGING, the folder the Windows zip is made of, into the Windows
# Installer package MSI of version VERSION with wixl, as WXS describes the product; ICON is the
# program's .ico, WORK a scratch folder. Every file of STAGING but the exe (which WXS names, for
# its shortcut) becomes a component of its own, listed by wixl-heat.
#
# The UpgradeCode is the same for every version: it is how a newer package finds and replaces an
# older one. The ProductCode is derived from it and the version (a name-based UUID), so a version
# has one code wherever it is built, which is what software distribution detects it by.
foreach(variable STAGING MSI VERSION ICON WXS WORK)
  if(NOT DEFINED ${variable})
    message(FATAL_ERROR "pack_msi.cmake needs -D${variable}=...")
  endif()
endforeach()
foreach(path STAGING MSI ICON WXS WORK)
  get_filename_component(${path} "${${path}}" ABSOLUTE)
endforeach()
set(upgrade_code 3C2DB02A-F6A1-4590-82EA-A44BE3DA36D1)
string(UUID product_code NAMESPACE ${upgrade_code} NAME "${VERSION}" TYPE SHA1 UPPER)

find_program(WIXL wixl REQUIRED)
find_program(WIXL_HEAT wixl-heat REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# wixl-heat opens a new folder element whenever the folder changes from one line to the next,
# so the files are listed folder by folder.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${STAGING} ${STAGING}/*)
list(REMOVE_ITEM files beschleunigungskurven.exe)
set(keyed)
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  list(APPEND keyed "${folder}|${STAGING}/${file}")
endforeach()
list(SORT keyed)
list(TRANSFORM keyed REPLACE "^[^|]*[|]" "")
list(JOIN keyed "\n" listing)
file(WRITE ${WORK}/files.txt "${listing}\n")
execute_process(COMMAND ${WIXL_HEAT} --prefix ${STAGING}/ --directory-ref INSTALLDIR
                  --component-group ProgramFiles --var var.Staging --win64
                INPUT_FILE ${WORK}/files.txt OUTPUT_FILE ${WORK}/files.wxs RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wixl-heat failed on ${STAGING}")
endif()

# wixl finds sources only by paths relative to its working folder.
configure_file(${ICON} ${WORK}/beschleunigungskurven.ico COPYONLY)
file(RELATIVE_PATH staging_from_work ${WORK} ${STAGING})
execute_process(COMMAND ${WIXL} --arch x64 --output package.msi
                  --define Version=${VERSION} --define ProductCode=${product_code}
                  --define UpgradeCode=${upgrade_code} --define Staging=${staging_from_work}
                  --define Icon=beschleunigungskurven.ico --define Win64=yes
                  ${WXS} files.wxs
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "wixl failed on ${WXS}")
endif()
# wixl writes the template's language as 1033 whatever the package's; the revision stays.
execute_process(COMMAND ${MSIBUILD} package.msi -s "Beschleunigungskurven ${VERSION}"
                  Beschleunigungskurven-Team "x64;1031"
                WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "msibuild could not set the package's language")
endif()

get_filename_component(msi_directory ${MSI} DIRECTORY)
file(MAKE_DIRECTORY ${msi_directory})
file(RENAME ${WORK}/package.msi ${MSI})
file(SIZE ${MSI} bytes)
math(EXPR kilobytes "${bytes} / 1024")
message(STATUS "${MSI}: ${kilobytes} KiB, ProductCode {${product_code}}")
