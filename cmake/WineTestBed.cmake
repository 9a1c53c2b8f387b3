# Win32 tests run under Wine in one throw-away prefix per build tree, made by the
# fixture below before the first test and shut down after the last.
set(LUMORA_TESTBED "${CMAKE_BINARY_DIR}/testbed")
set(LUMORA_TESTBED_SCRIPT "${PROJECT_SOURCE_DIR}/tools/testbed/testbed.sh")
set(CMAKE_CROSSCOMPILING_EMULATOR "${LUMORA_TESTBED_SCRIPT};run;${LUMORA_TESTBED};wine")

add_test(NAME testbed.setup COMMAND "${LUMORA_TESTBED_SCRIPT}" setup "${LUMORA_TESTBED}")
add_test(NAME testbed.teardown COMMAND "${LUMORA_TESTBED_SCRIPT}" teardown "${LUMORA_TESTBED}")
set_tests_properties(testbed.setup PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(testbed.teardown PROPERTIES FIXTURES_CLEANUP wine)

# add_wine_test(<name> COMMAND ...): a test that runs inside the bed. Executables built
# here run under Wine through the emulator; other commands get the bed's environment.
function(add_wine_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "COMMAND")
  list(POP_FRONT arg_COMMAND first)
  if(TARGET ${first})
    add_test(NAME ${name} COMMAND ${first} ${arg_COMMAND})
  else()
    add_test(NAME ${name}
             COMMAND "${LUMORA_TESTBED_SCRIPT}" run "${LUMORA_TESTBED}" ${first} ${arg_COMMAND})
  endif()
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine RUN_SERIAL TRUE)
endfunction()
