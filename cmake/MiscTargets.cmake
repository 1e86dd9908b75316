# Each subsystem folder is a static, position-independent library of its own (a "part"), so that
# a subsystem's tests link only what that subsystem stands on. The installed shared libraries
# (miscplatform, misc_res, misc) are each made whole from their parts.
#
# Parts do not link each other: a part records the parts it stands on in the MISC_DEPS property,
# and misc_link_parts() resolves that list for executables. This keeps every part in exactly one
# shared library (one module registry, one clipboard, one resource handle per process).

# misc_add_part(<target> <folder> [DEPS parts...] [LIBS external libraries...])
function(misc_add_part target folder)
  cmake_parse_arguments(ARG "" "" "DEPS;LIBS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${folder}/*.cpp" "${folder}/*.c")
  if(NOT sources)
    set(stub "${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp")
    file(WRITE "${stub}" "// ${target} has no sources yet.\n")
    set(sources "${stub}")
  endif()
  add_library(${target} STATIC ${sources})
  target_include_directories(${target} PUBLIC
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/platform/include>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
    PRIVATE ${folder})
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  set_property(TARGET ${target} PROPERTY MISC_DEPS ${ARG_DEPS})
  foreach(dep IN LISTS ARG_DEPS)
    add_dependencies(${target} ${dep})
  endforeach()
endfunction()

# Collects <parts> and everything they stand on, dependencies after their users.
function(misc_resolve_parts out)
  set(result "")
  set(queue ${ARGN})
  while(queue)
    list(POP_FRONT queue part)
    list(REMOVE_ITEM result ${part})
    list(APPEND result ${part})
    get_property(deps TARGET ${part} PROPERTY MISC_DEPS)
    list(APPEND queue ${deps})
  endwhile()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# Links an executable (test, benchmark, fuzzer) straight against parts and their dependencies.
function(misc_link_parts target)
  misc_resolve_parts(all ${ARGN})
  # Parts that register themselves at load time are linked whole so their registrations run.
  foreach(part IN LISTS all)
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${part}>")
  endforeach()
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
    target_link_libraries(${target} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${part}>")
    get_target_property(ext ${part} INTERFACE_LINK_LIBRARIES)
    if(ext)
      target_link_libraries(${target} PUBLIC ${ext})
    endif()
  endforeach()
  target_link_libraries(${target} PUBLIC ${ARG_LIBS})
  target_include_directories(${target} INTERFACE
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/platform/include>
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}/include>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/misc/platform>)
endfunction()
