# nookery_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>])
# One QtTest executable per test file, run offscreen with a pinned locale and time zone.
function(nookery_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test nookery_test_support ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name})
  set(labels unit)
  if(T_LABELS)
    set(labels ${T_LABELS})
  endif()
  set_tests_properties(${name} PROPERTIES
    LABELS "${labels}"
    TIMEOUT 300
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8;LANGUAGE=en_US;TZ=UTC;QT_LOGGING_RULES=qt.qpa.*=false")
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
