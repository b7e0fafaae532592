# zx_include_root(target folder... [EXCLUDE header...] [ONLY header...])
#
# Gives a library an include root of its own: a folder in the build tree
# holding, for each named folder of src/, links to that folder's headers
# (ONLY: just these; EXCLUDE: all but these). The root is a public include
# directory of the target, so the target and everything built on it write
# "folder/Header.h", and nothing below it can reach the headers at all.
# The links are made anew at every configuration; a header added later is
# found by the glob, which makes the build configure again.
function(zx_include_root target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "EXCLUDE;ONLY")
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${root})
  foreach(folder ${ARG_UNPARSED_ARGUMENTS})
    set(source ${CMAKE_SOURCE_DIR}/src/${folder})
    if(NOT IS_DIRECTORY ${source})
      message(FATAL_ERROR "zx_include_root(${target}): no folder src/${folder}")
    endif()
    file(GLOB_RECURSE headers CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
    if(ARG_ONLY)
      set(headers ${ARG_ONLY})
    elseif(ARG_EXCLUDE)
      list(REMOVE_ITEM headers ${ARG_EXCLUDE})
    endif()
    foreach(header ${headers})
      get_filename_component(dir ${root}/${folder}/${header} DIRECTORY)
      file(MAKE_DIRECTORY ${dir})
      file(CREATE_LINK ${source}/${header} ${root}/${folder}/${header} SYMBOLIC)
    endforeach()
  endforeach()
  target_include_directories(${target} PUBLIC ${root})
endfunction()
