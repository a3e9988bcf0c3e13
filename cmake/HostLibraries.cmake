# The libraries of a cross-build that come from the host: {fmt} (in its
# header-only mode), nlohmann-json, CLI11 and stb_image_write from their own folders of the
# host's include folder TOLVANE_HOST_HEADERS, linked one by one into the
# build tree so that no other host header can be found; GoogleTest built
# from its sources TOLVANE_GTEST_SOURCES.
set(_headers ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${_headers})
foreach(_folder fmt nlohmann CLI stb)
  if(NOT EXISTS ${TOLVANE_HOST_HEADERS}/${_folder})
    message(FATAL_ERROR
            "${TOLVANE_HOST_HEADERS}/${_folder} is missing (libfmt-dev, nlohmann-json3-dev, libcli11-dev, libstb-dev)")
  endif()
  file(CREATE_LINK ${TOLVANE_HOST_HEADERS}/${_folder} ${_headers}/${_folder} SYMBOLIC)
endforeach()

set(STB_INCLUDE_DIR ${_headers}/stb CACHE PATH "stb_image_write.h's folder" FORCE)

add_library(fmt::fmt INTERFACE IMPORTED)
set_target_properties(fmt::fmt PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_headers} INTERFACE_COMPILE_DEFINITIONS
                                                                                    FMT_HEADER_ONLY=1)
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_headers})
add_library(CLI11::CLI11 INTERFACE IMPORTED)
set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${_headers})

if(NOT TOLVANE_FUZZ)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${TOLVANE_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # GoogleTest's own code, not ours: its warnings are not ours to mend.
  foreach(_target gtest gtest_main gmock gmock_main)
    target_compile_options(${_target} PRIVATE -w)
  endforeach()
endif()
