# One CTest entry per GoogleTest suite of a test program, so that a failure names its suite
# and a hang names where it hung. The suites are read from the sources (TEST, TEST_F and
# TEST_P); CMake configures again whenever one of those files changes.
function(qb_add_suite_tests program)
  cmake_parse_arguments(ARG "" "TIMEOUT;WORKING_DIRECTORY" "SOURCES" ${ARGN})
  set(suites "")
  foreach(source ${ARG_SOURCES})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(STRINGS ${source} lines REGEX "^[ \t]*(TEST|TEST_F|TEST_P)\\([ \t]*[A-Za-z0-9_]+[ \t]*,")
    foreach(line ${lines})
      string(REGEX REPLACE "^[ \t]*TEST(_F|_P)?\\([ \t]*([A-Za-z0-9_]+).*" "\\2" suite "${line}")
      list(APPEND suites ${suite})
    endforeach()
  endforeach()
  list(REMOVE_DUPLICATES suites)
  list(SORT suites)
  foreach(suite ${suites})
    # Parameterised suites run as <instantiation>/<suite>.
    add_test(NAME ${program}.${suite} COMMAND ${program} --gtest_filter=${suite}.*:*/${suite}.*
             WORKING_DIRECTORY ${ARG_WORKING_DIRECTORY})
    set_tests_properties(${program}.${suite} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
  endforeach()
endfunction()
