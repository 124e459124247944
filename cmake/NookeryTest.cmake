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

# nookery_add_test_run(<test> <suffix> [LOCALE <locale>] [ENV <vars...>])
# The same test executable once more, as <test>_<suffix>: in another locale (which the
# test then follows instead of the pinned en_US) or with more environment.
function(nookery_add_test_run test suffix)
  cmake_parse_arguments(R "" "LOCALE" "ENV" ${ARGN})
  set(env "QT_QPA_PLATFORM=offscreen;TZ=UTC;QT_LOGGING_RULES=qt.qpa.*=false")
  if(R_LOCALE)
    list(APPEND env "LANG=${R_LOCALE};LC_ALL=${R_LOCALE};LANGUAGE=;NOOKERY_TEST_SYSTEM_LOCALE=1")
  else()
    list(APPEND env "LANG=en_US.UTF-8;LC_ALL=en_US.UTF-8;LANGUAGE=en_US")
  endif()
  list(APPEND env ${R_ENV})
  add_test(NAME ${test}_${suffix} COMMAND ${test})
  get_test_property(${test} LABELS labels)
  set_tests_properties(${test}_${suffix} PROPERTIES LABELS "${labels}" TIMEOUT 300
    ENVIRONMENT "${env}")
endfunction()
