# The Windows package: `cmake --build <tree> --target package` makes
#   Tavrin-<version>-win64.zip        the installed files in one folder;
#   Tavrin-<version>-win64-setup.exe  an installer (NSIS, 64-bit, Unicode) in
#                                     simplified Chinese, with Start-menu
#                                     shortcuts and an uninstaller listed among
#                                     the system's installed programs.
# Everything is installed into one folder: the programs, the site server with
# its pages in `www` beside it, and the README. The install rules live with
# the subsystems (install(... DESTINATION .)); tests install nothing.
set(CPACK_PACKAGE_NAME "Tavrin")
set(CPACK_PACKAGE_VENDOR "Tavrin")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Tavrin集中力训练 (Tavrin attention training)")
set(CPACK_PACKAGE_FILE_NAME "Tavrin-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Tavrin")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Tavrin")
set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackagingPerGenerator.cmake)
set(CPACK_STRIP_FILES ON)
# Start-menu shortcuts: program name, then the shortcut's text.
set(CPACK_PACKAGE_EXECUTABLES
  "Tavrin" "Tavrin集中力训练 (Tavrin attention training)"
  "skin-gallery" "皮肤展示 (Skin gallery)")

set(CPACK_NSIS_PACKAGE_NAME "Tavrin集中力训练")
set(CPACK_NSIS_DISPLAY_NAME "Tavrin集中力训练")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_INSTALLED_ICON_NAME "Tavrin.exe")
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
set(CPACK_NSIS_UNINSTALL_NAME "Uninstall")

# CPack's installer script, made Chinese-only: a Unicode installer (shortcut
# names and texts in Chinese whatever the system's code page) whose one
# language is simplified Chinese; CPack's English-only link name for the
# uninstaller gets Chinese beside it. Derived at configure time from the script
# of the CMake in use, which CPack then finds first on its module path.
# The installer is 64-bit where NSIS has the 64-bit stubs (Debian's has; a
# 64-bit Wine runs nothing else), otherwise 32-bit.
find_program(TAVRIN_MAKENSIS makensis PATHS "$ENV{ProgramFiles}/NSIS" "$ENV{ProgramFiles\(x86\)}/NSIS")
set(nsis_target "Unicode true")
if(TAVRIN_MAKENSIS)
  get_filename_component(nsis_dir ${TAVRIN_MAKENSIS} DIRECTORY)
  file(GLOB amd64_stubs ${nsis_dir}/Stubs/*amd64-unicode ${nsis_dir}/../share/nsis/Stubs/*amd64-unicode)
  if(amd64_stubs)
    set(nsis_target "Target amd64-unicode")
  endif()
endif()
set(nsis_template_in ${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in)
set(nsis_template_dir ${CMAKE_BINARY_DIR}/packaging)
if(EXISTS ${nsis_template_in})
  file(READ ${nsis_template_in} template)
  string(REGEX REPLACE "  !insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*\n" "" chinese "${template}")
  string(REPLACE ";Languages\n" ";Languages\n  !insertmacro MUI_LANGUAGE \"SimpChinese\"\n" chinese "${chinese}")
  string(REPLACE ";Variables\n" ";Target\n\n  ${nsis_target}\n\n;--------------------------------\n;Variables\n"
    chinese "${chinese}")
  string(REPLACE "\\Uninstall.lnk" "\\卸载 (Uninstall).lnk" chinese "${chinese}")
  string(FIND "${chinese}" "MUI_LANGUAGE \"SimpChinese\"" has_language)
  string(FIND "${chinese}" "${nsis_target}" has_target)
  if(has_language EQUAL -1 OR has_target EQUAL -1)
    message(WARNING "CPack's NSIS script has a form not known here; the installer keeps CPack's languages")
  else()
    file(WRITE ${nsis_template_dir}/NSIS.template.in "${chinese}")
    list(APPEND CMAKE_MODULE_PATH ${nsis_template_dir})
  endif()
endif()

if(NOT TARGET tavrin_site)
  message(WARNING "No site server in this build (no cpp-httplib header): the package lacks it")
endif()

include(CPack)
