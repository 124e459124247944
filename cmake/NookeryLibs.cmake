# nookery_add_core_library(<name> <sources...>)
# A tool's core: file formats, rules and arithmetic, with Qt Core and nookery_common only,
# so it can be tested and reused without a widget. Anything else linked to it later fails
# the configure step.
function(nookery_add_core_library name)
  add_library(${name} STATIC ${ARGN})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(${name} PUBLIC nookery_common Qt6::Core)
  set_property(GLOBAL APPEND PROPERTY NOOKERY_CORE_LIBRARIES ${name})
endfunction()

function(nookery_check_core_libraries)
  get_property(cores GLOBAL PROPERTY NOOKERY_CORE_LIBRARIES)
  foreach(core IN LISTS cores)
    get_target_property(links ${core} LINK_LIBRARIES)
    get_target_property(interface ${core} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS links interface)
      if(lib AND NOT lib MATCHES "^(nookery_common|Qt6::Core)$")
        message(FATAL_ERROR "${core} is a core library and may link only nookery_common and Qt6::Core, not ${lib}")
      endif()
    endforeach()
  endforeach()
endfunction()
