# Version information and manifest of the Windows executables.
#
#   tavrin_add_version_info(<target> DESCRIPTION "<English>" [DESCRIPTION_ZH "<中文>"])
#
# gives an executable we ship a VERSIONINFO resource (product name
# "Tavrin集中力训练", the file description, file and product version from
# project(VERSION), the copyright line; string tables in simplified Chinese
# and English) and our manifest (cmake/resources/tavrin.manifest: supported
# systems, asInvoker, per-monitor DPI aware, common controls 5). One line per program.
#
#   tavrin_add_manifest(<target>)
#
# the manifest alone: the test programs run with the same common controls
# and DPI setting as the programs we ship.
#
# Both do nothing where the target is not built for Windows.
include_guard(GLOBAL)

if(WIN32)
  enable_language(RC)
endif()

set(TAVRIN_RESOURCE_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/resources CACHE INTERNAL "")
set(TAVRIN_COPYRIGHT_YEAR 2026 CACHE STRING "year of the copyright line in the version information")

# The manifest's resource script, made once per build tree.
function(_tavrin_manifest_script out)
  set(TAVRIN_MANIFEST ${TAVRIN_RESOURCE_TEMPLATES}/tavrin.manifest)
  set(script ${CMAKE_BINARY_DIR}/resources/tavrin_manifest.rc)
  configure_file(${TAVRIN_RESOURCE_TEMPLATES}/manifest.rc.in ${script} @ONLY)
  set(${out} ${script} PARENT_SCOPE)
endfunction()

function(tavrin_add_manifest target)
  if(NOT WIN32)
    return()
  endif()
  _tavrin_manifest_script(script)
  target_sources(${target} PRIVATE ${script})
  set_property(SOURCE ${script} TARGET_DIRECTORY ${target}
    APPEND PROPERTY OBJECT_DEPENDS ${TAVRIN_RESOURCE_TEMPLATES}/tavrin.manifest)
  # MSVC's linker would embed a manifest of its own under the same id.
  if(MSVC)
    target_link_options(${target} PRIVATE /MANIFEST:NO)
  endif()
endfunction()

function(tavrin_add_version_info target)
  cmake_parse_arguments(V "" "DESCRIPTION;DESCRIPTION_ZH" "" ${ARGN})
  if(NOT WIN32)
    return()
  endif()
  if(NOT V_DESCRIPTION)
    message(FATAL_ERROR "tavrin_add_version_info(${target}): DESCRIPTION is missing")
  endif()
  if(NOT V_DESCRIPTION_ZH)
    set(V_DESCRIPTION_ZH "${V_DESCRIPTION}")
  endif()
  # A quote inside a resource string is written twice.
  string(REPLACE "\"" "\"\"" TAVRIN_DESCRIPTION "${V_DESCRIPTION}")
  string(REPLACE "\"" "\"\"" TAVRIN_DESCRIPTION_ZH "${V_DESCRIPTION_ZH}")

  set(TAVRIN_VERSION ${Tavrin_VERSION})
  set(numbers "")
  foreach(part MAJOR MINOR PATCH TWEAK)
    if("${Tavrin_VERSION_${part}}" STREQUAL "")
      list(APPEND numbers 0)
    else()
      list(APPEND numbers ${Tavrin_VERSION_${part}})
    endif()
  endforeach()
  list(JOIN numbers "," TAVRIN_VERSION_COMMAS)

  get_target_property(name ${target} OUTPUT_NAME)
  if(NOT name)
    set(name ${target})
  endif()
  set(TAVRIN_INTERNAL_NAME ${name})
  set(TAVRIN_FILE_NAME ${name}${CMAKE_EXECUTABLE_SUFFIX})

  get_target_property(binary_dir ${target} BINARY_DIR)
  set(script ${binary_dir}/${target}_version.rc)
  configure_file(${TAVRIN_RESOURCE_TEMPLATES}/version.rc.in ${script} @ONLY)
  target_sources(${target} PRIVATE ${script})
  tavrin_add_manifest(${target})
endfunction()
