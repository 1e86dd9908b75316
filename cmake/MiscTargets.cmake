# Each subsystem folder is a static, position-independent library of its own (a "part"), so that
# a subsystem's tests link only what that subsystem stands on. The installed shared libraries
# (miscplatform, misc_res, misc) are each made from the object files of their parts.
#
# Parts link the parts they stand on with target_link_libraries, so CMake hands on their include
# roots, external libraries and link order; an executable links the parts it uses and gets the
# rest. A part exposes only its own include roots (the platform parts platform/include, the
# resource module resources/include, the library's parts include/). scripts/check-layers.py
# checks that no part includes a header of a part above it.
#
# The shared libraries take the parts' object files, not the parts themselves: their links to
# other parts are not followed into the shared library, so every part lives in exactly one
# shared library (one module registry, one clipboard, one resource handle per process).

# The platform's public headers, for parts and host tools that need its declarations only.
add_library(misc_platform_headers INTERFACE)
target_include_directories(misc_platform_headers INTERFACE
  $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/platform/include>)
target_compile_features(misc_platform_headers INTERFACE cxx_std_20)

# misc_add_part(<target> <folder> [DEPS parts...] [LIBS external libraries...]
#               [INCLUDES include roots...])
function(misc_add_part target folder)
  cmake_parse_arguments(ARG "" "" "DEPS;LIBS;INCLUDES" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${folder}/*.cpp" "${folder}/*.c")
  if(NOT sources)
    set(stub "${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp")
    file(WRITE "${stub}" "// ${target} has no sources yet.\n")
    set(sources "${stub}")
  endif()
  add_library(${target} STATIC ${sources})
  foreach(root IN LISTS ARG_INCLUDES)
    target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
  endforeach()
  target_include_directories(${target} PRIVATE ${folder})
  target_compile_features(${target} PUBLIC cxx_std_20)
  target_link_libraries(${target} PUBLIC ${ARG_DEPS} ${ARG_LIBS})
  # What the shared library that takes this part's objects must link in its place.
  set_property(TARGET ${target} PROPERTY MISC_LIBS ${ARG_LIBS})
  set_property(TARGET ${target} PROPERTY MISC_INCLUDES ${ARG_INCLUDES})
endfunction()

# Links an executable (test, benchmark, fuzzer) against parts; CMake brings what they stand on.
function(misc_link_parts target)
  target_link_libraries(${target} PRIVATE ${ARGN})
endfunction()

# misc_add_shared(<target> <output name> PARTS parts... [LIBS shared libraries...])
function(misc_add_shared target outname)
  cmake_parse_arguments(ARG "" "" "PARTS;LIBS" ${ARGN})
  set(stub "${CMAKE_CURRENT_BINARY_DIR}/${target}_shared.cpp")
  file(WRITE "${stub}" "// ${target}: the shared library is made of its parts.\n")
  add_library(${target} SHARED "${stub}")
  add_library(misc::${target} ALIAS ${target})
  # Installed side by side, the libraries find each other through $ORIGIN (a program that uses
  # only libmisc directly still needs libmisc to find libmisc_res and libmiscplatform).
  set_target_properties(${target} PROPERTIES OUTPUT_NAME ${outname}
    VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
    INSTALL_RPATH "$ORIGIN")
  foreach(part IN LISTS ARG_PARTS)
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:${part}>)
    get_property(ext TARGET ${part} PROPERTY MISC_LIBS)
    if(ext)
      target_link_libraries(${target} PRIVATE ${ext})
    endif()
    get_property(roots TARGET ${part} PROPERTY MISC_INCLUDES)
    foreach(root IN LISTS roots)
      target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${root}>)
    endforeach()
  endforeach()
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  # A consumer's own project may say an older standard; the headers need C++20.
  target_compile_features(${target} INTERFACE cxx_std_20)
  target_include_directories(${target} INTERFACE
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/misc/platform>)
endfunction()
