# The sanitizers' settings, the leak suppressions of .ci/lsan.supp among
# them, compiled into every program of a sanitizer build (-DZX_SANITIZE=ON)
# and of the fuzz build, so that such a build configured by hand passes with
# nothing set in the environment.
file(STRINGS ${CMAKE_SOURCE_DIR}/.ci/lsan.supp ZX_LSAN_LINES REGEX "^[^#]")
list(JOIN ZX_LSAN_LINES "\\n" ZX_LSAN_SUPPRESSIONS)
configure_file(${CMAKE_CURRENT_LIST_DIR}/SanitizerDefaults.cpp.in ${CMAKE_BINARY_DIR}/SanitizerDefaults.cpp @ONLY)
set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/.ci/lsan.supp)

# Called at the end of the top-level list: every program of every folder
# gets the settings, those added later included.
function(zx_sanitizer_defaults_for_programs dir)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "EXECUTABLE")
      target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/SanitizerDefaults.cpp)
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir ${subdirs})
    zx_sanitizer_defaults_for_programs(${subdir})
  endforeach()
endfunction()
