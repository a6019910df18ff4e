# Warnings for every target of the project; -Werror when BW_WERROR is on (CI).
function(bw_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
    -Wno-sign-conversion)
  if(BW_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# With Ninja, AUTOMOC reruns only when a file it saw last time changes, so a source that
# the glob newly finds in an existing build folder (a new Q_OBJECT class, or the first
# files of a room that was empty) would never be moc'ed and the link would fail. When
# the glob's result differs from the last configure, the moc step's stamp is removed,
# which makes it run again.
function(bw_rerun_moc_on_new_files target sources)
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  string(REPLACE ";" "\n" content "${sources}\n")
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL content)
    file(WRITE ${list_file} "${content}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()

# A library made of every source below the current folder (one library per room).
function(bw_room_library target)
  cmake_parse_arguments(ARG "" "" "LINK;DIRS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    # A room still being built up: an empty library keeps the graph whole.
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp "// no sources yet\n")
    set(sources ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp)
  endif()
  add_library(${target} STATIC ${sources})
  bw_rerun_moc_on_new_files(${target} "${sources}")
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${ARG_LINK})
  bw_warnings(${target})
endfunction()

# A GoogleTest program made of every test source in a folder, registered with CTest;
# LABELS marks its tests (the sanitizer run leaves out those labelled "heavy").
function(bw_test_program target)
  cmake_parse_arguments(ARG "" "" "LINK;DIRS;LABELS" ${ARGN})
  set(sources)
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS
      ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${found})
  endforeach()
  if(NOT sources)
    return()
  endif()
  add_executable(${target} ${sources})
  bw_rerun_moc_on_new_files(${target} "${sources}")
  target_link_libraries(${target} PRIVATE bw_test_support ${ARG_LINK} GTest::gtest GTest::gmock)
  bw_warnings(${target})
  set(labels "")
  if(ARG_LABELS)
    set(labels LABELS "${ARG_LABELS}")
  endif()
  gtest_discover_tests(${target}
    NO_PRETTY_VALUES
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" ${labels}
    DISCOVERY_TIMEOUT 60)
endfunction()
