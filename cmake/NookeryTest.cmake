# Every test has a time limit of its own, far below CTest's 300 s, so a hang fails that test
# quickly. A unit test takes a few seconds, at most 30 on a busy machine; the limit leaves
# room for a busier one. The sanitizer build runs slower.
set(nookery_default_timeout 60)
if(NOOKERY_SANITIZE)
  set(nookery_timeout_factor 2)
else()
  set(nookery_timeout_factor 1)
endif()

# nookery_test_timeout(<test> [<seconds>]): sets the test's limit (60 s when left out),
# scaled for the sanitizer build.
function(nookery_test_timeout test)
  set(seconds ${nookery_default_timeout})
  if(ARGC GREATER 1)
    set(seconds ${ARGV1})
  endif()
  math(EXPR seconds "${seconds} * ${nookery_timeout_factor}")
  set_tests_properties(${test} PROPERTIES TIMEOUT ${seconds})
endfunction()

# nookery_add_test_run(<test> COMMAND <executable> [<args>...] [LABELS <labels>...]
#                      [ENVIRONMENT <VAR=value>...] [TIMEOUT <seconds>])
# One run of a test executable: offscreen, with a pinned locale and time zone that
# ENVIRONMENT may override, labelled `unit` unless LABELS says otherwise.
function(nookery_add_test_run test)
  cmake_parse_arguments(T "" "TIMEOUT" "COMMAND;LABELS;ENVIRONMENT" ${ARGN})
  add_test(NAME ${test} COMMAND ${T_COMMAND})
  set(labels unit)
  if(T_LABELS)
    set(labels ${T_LABELS})
  endif()
  set(environment QT_QPA_PLATFORM=offscreen LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8 LANGUAGE=en_US
    TZ=UTC QT_LOGGING_RULES=qt.qpa.*=false)
  foreach(setting ${T_ENVIRONMENT})
    string(REGEX REPLACE "=.*" "" variable "${setting}")
    list(FILTER environment EXCLUDE REGEX "^${variable}=")
  endforeach()
  list(APPEND environment ${T_ENVIRONMENT})
  set_tests_properties(${test} PROPERTIES LABELS "${labels}" ENVIRONMENT "${environment}")
  nookery_test_timeout(${test} ${T_TIMEOUT})
endfunction()

# nookery_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>]
#                  [ENVIRONMENT <VAR=value...>] [TIMEOUT <seconds>] [SOAK <function>])
# One QtTest executable per test file, run as nookery_add_test_run says. Tests that kill a
# helper carry the label `kill` (with `unit`); SOAK adds <name>_soak, which runs only that
# test function with many more random kills under the label `slow`, outside the usual run.
function(nookery_add_test name)
  cmake_parse_arguments(T "" "TIMEOUT;SOAK" "SOURCES;LIBS;LABELS;ENVIRONMENT" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test nookery_test_support ${T_LIBS})
  nookery_add_test_run(${name} COMMAND ${name} LABELS ${T_LABELS}
    ENVIRONMENT ${T_ENVIRONMENT} TIMEOUT ${T_TIMEOUT})
  if(T_SOAK)
    nookery_add_test_run(${name}_soak COMMAND ${name} ${T_SOAK} LABELS slow kill
      ENVIRONMENT NOOKERY_KILL_ROUNDS=200 TIMEOUT 600)
  endif()
endfunction()

# nookery_test_in_locale(<test> <locale>)
# <test> once more as <test>_<locale> (say tst_common_C.UTF-8) with LANG and LC_ALL set to
# <locale> and the tests' pinned en_US left off, keeping its other properties.
function(nookery_test_in_locale name locale)
  set(variant ${name}_${locale})
  add_test(NAME ${variant} COMMAND ${name})
  get_test_property(${name} ENVIRONMENT env)
  list(FILTER env EXCLUDE REGEX "^(LANG|LC_ALL|LANGUAGE)=")
  list(APPEND env "LANG=${locale}" "LC_ALL=${locale}" "NOOKERY_TEST_LOCALE=system")
  get_test_property(${name} LABELS labels)
  get_test_property(${name} TIMEOUT timeout)
  set_tests_properties(${variant} PROPERTIES LABELS "${labels}" TIMEOUT ${timeout} ENVIRONMENT "${env}")
endfunction()
