# Clang as a second compiler for 64-bit Windows, on the mingw-w64 headers and
# the C++ library of the posix-thread GCC (clang brings no C++ library of its
# own for this target), linked statically like the GCC build.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
set(CMAKE_C_COMPILER clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET x86_64-w64-mingw32)
set(CMAKE_CXX_COMPILER_TARGET x86_64-w64-mingw32)

# Clang does not find that GCC by itself (its folder's name, "12-posix", is no
# version to it), and would search the build machine's own /usr/include after
# the mingw-w64 headers: every include folder is named here instead.
file(GLOB _tavrin_mingw_gcc LIST_DIRECTORIES true /usr/lib/gcc/x86_64-w64-mingw32/*-posix)
if(NOT _tavrin_mingw_gcc)
  message(FATAL_ERROR "clang for Windows needs the posix-thread mingw-w64 GCC (g++-mingw-w64-x86-64-posix)")
endif()
list(SORT _tavrin_mingw_gcc COMPARE NATURAL ORDER DESCENDING)
list(GET _tavrin_mingw_gcc 0 _tavrin_mingw_gcc)  # the newest
set(_tavrin_cxx "${_tavrin_mingw_gcc}/include/c++")
set(CMAKE_C_FLAGS_INIT "-nostdlibinc -isystem /usr/x86_64-w64-mingw32/include")
# GCC predefines for this target that type_info comparisons are out of line
# in its C++ library; clang 14 does not, and its inline copy of
# type_info::operator== then clashes with the library's at the link.
set(CMAKE_CXX_FLAGS_INIT "-nostdlibinc -isystem ${_tavrin_cxx} -isystem ${_tavrin_cxx}/x86_64-w64-mingw32 \
-isystem ${_tavrin_cxx}/backward -isystem /usr/x86_64-w64-mingw32/include -D__GXX_TYPEINFO_EQUALITY_INLINE=0")
# -pthread puts the thread library into the group of the static runtime
# libraries, which libgcc_eh needs it in (an -lpthread of ours would come
# before them). The compile flags above reach the link line too, where
# -nostdlibinc has nothing to do: clang's note on that is noise.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -pthread -L${_tavrin_mingw_gcc} -Wno-unused-command-line-argument")
