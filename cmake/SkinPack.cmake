# Our skin, packed at build time from assets/skin with the skinpack tool.
#
# Build outputs (target `tavrin_skin`, part of every full build):
#   ${TAVRIN_STORED_SKIN} = ${CMAKE_BINARY_DIR}/skin/tavrin.skin
#       the stored skin: 4-byte size + LZH package (what a skin file holds,
#       and what the codec benchmark decodes);
#   ${TAVRIN_FRAMED_SKIN} = ${CMAKE_BINARY_DIR}/skin/SkinData1.bin
#       the same as the SkinStream property of TForm1's SkinData1: a 4-byte
#       count, then the stored skin (the RCDATA resource "SKINDATA1");
#   ${CMAKE_BINARY_DIR}/skin/<folder>.skin for every folder of assets/skins,
#       and BuiltinSkins.rc naming all stored skins as resources (below).
#
# The packer must run on the build machine. In a cross build (mingw) it is
# built for the host as a separate native build of this source tree, with no
# toolchain file; otherwise the in-tree targets are used directly.
include_guard(GLOBAL)

# Cache entries, so that every folder sees the paths wherever this is included.
set(TAVRIN_SKIN_SOURCE_DIR ${PROJECT_SOURCE_DIR}/assets/skin CACHE INTERNAL "our skin's sources")
set(TAVRIN_STORED_SKIN ${CMAKE_BINARY_DIR}/skin/tavrin.skin CACHE INTERNAL "our stored skin")
set(TAVRIN_FRAMED_SKIN ${CMAKE_BINARY_DIR}/skin/SkinData1.bin CACHE INTERNAL "our skin as SkinStream")

if(CMAKE_CROSSCOMPILING)
  include(ExternalProject)
  set(host_dir ${CMAKE_BINARY_DIR}/host-tools)
  set(host_exe "")
  if(CMAKE_HOST_WIN32)
    set(host_exe ".exe")
  endif()
  set(skinpack_command ${host_dir}/tools/skinpack/skinpack${host_exe})
  set(skinframe_command ${host_dir}/tools/skinframe/skinframe${host_exe})
  ExternalProject_Add(tavrin_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}
    BINARY_DIR ${host_dir}
    CMAKE_ARGS -DCMAKE_BUILD_TYPE=Release -DTAVRIN_SANITIZE=OFF
    BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --target skinpack skinframe
    INSTALL_COMMAND ""
    BUILD_ALWAYS TRUE
    BUILD_BYPRODUCTS ${skinpack_command} ${skinframe_command})
  set(packer_depends tavrin_host_tools ${skinpack_command} ${skinframe_command})
else()
  set(skinpack_command $<TARGET_FILE:skinpack>)
  set(skinframe_command $<TARGET_FILE:skinframe>)
  set(packer_depends skinpack skinframe)
endif()

file(GLOB skin_source_files CONFIGURE_DEPENDS
  ${TAVRIN_SKIN_SOURCE_DIR}/*.bmp ${TAVRIN_SKIN_SOURCE_DIR}/*.ini)
add_custom_command(
  OUTPUT ${TAVRIN_STORED_SKIN} ${TAVRIN_FRAMED_SKIN}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/skin
  COMMAND ${skinpack_command} pack ${TAVRIN_SKIN_SOURCE_DIR} ${TAVRIN_STORED_SKIN}
  COMMAND ${skinframe_command} ${TAVRIN_STORED_SKIN} ${TAVRIN_FRAMED_SKIN}
  DEPENDS ${skin_source_files} ${packer_depends}
  COMMENT "Packing our skin from assets/skin"
  VERBATIM)

# Our further skins, one folder each under assets/skins (a skin.ini and its
# bitmaps), packed the same way into ${CMAKE_BINARY_DIR}/skin/<folder>.skin.
# BuiltinSkins.rc in that folder names every stored skin as an RCDATA
# resource: TAVRINSKIN (the first skin), then TAVRINSKIN_<FOLDER> in folder
# order, so a program that includes it can list them by that prefix.
file(GLOB skin_definitions CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/skins/*/skin.ini)
set(builtin_skins ${TAVRIN_STORED_SKIN})
set(builtin_rc "// Made by cmake/SkinPack.cmake: every built-in stored skin (size + LZH package).\n")
string(APPEND builtin_rc "TAVRINSKIN RCDATA \"tavrin.skin\"\n")
foreach(definition IN LISTS skin_definitions)
  get_filename_component(folder ${definition} DIRECTORY)
  get_filename_component(name ${folder} NAME)
  string(TOUPPER ${name} upper)
  set(stored ${CMAKE_BINARY_DIR}/skin/${name}.skin)
  file(GLOB files CONFIGURE_DEPENDS ${folder}/*.bmp ${folder}/*.ini)
  add_custom_command(
    OUTPUT ${stored}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/skin
    COMMAND ${skinpack_command} pack ${folder} ${stored}
    DEPENDS ${files} ${packer_depends}
    COMMENT "Packing the skin ${name} from assets/skins/${name}"
    VERBATIM)
  list(APPEND builtin_skins ${stored})
  string(APPEND builtin_rc "TAVRINSKIN_${upper} RCDATA \"${name}.skin\"\n")
endforeach()
set(TAVRIN_BUILTIN_SKINS ${builtin_skins} CACHE INTERNAL "every stored skin we ship")
set(TAVRIN_BUILTIN_SKINS_RC ${CMAKE_BINARY_DIR}/skin/BuiltinSkins.rc CACHE INTERNAL "their resources")
file(CONFIGURE OUTPUT ${TAVRIN_BUILTIN_SKINS_RC} CONTENT "${builtin_rc}")

add_custom_target(tavrin_skin ALL DEPENDS ${TAVRIN_STORED_SKIN} ${TAVRIN_FRAMED_SKIN} ${builtin_skins})

# Lets the resource scripts `resources` of `target` name our skin as
# "SkinData1.bin" (e.g. SKINDATA1 RCDATA "SkinData1.bin") and take in every
# built-in skin with #include "BuiltinSkins.rc": the skin's build
# folder joins the target's include path, the skin is packed first, and the
# scripts are compiled again whenever it changes.
function(tavrin_use_packed_skin target)
  cmake_parse_arguments(P "" "" "RESOURCES" ${ARGN})
  add_dependencies(${target} tavrin_skin)
  target_include_directories(${target} PRIVATE ${CMAKE_BINARY_DIR}/skin)
  if(P_RESOURCES)
    set_property(SOURCE ${P_RESOURCES} TARGET_DIRECTORY ${target}
      APPEND PROPERTY OBJECT_DEPENDS ${TAVRIN_FRAMED_SKIN} ${TAVRIN_BUILTIN_SKINS})
  endif()
endfunction()
