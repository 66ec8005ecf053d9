# trimlet_expose(<target> <folder>...): the target's own sources and its users
# include the headers of <folder> as "<folder>/...".
#
# Each target gets an include root of its own in the build tree that holds a
# link to each of its folders and nothing else. A library therefore sees the
# headers of the libraries it links (their roots travel as PUBLIC include
# directories) and no others: including a folder without linking its library
# fails to compile.
function(trimlet_expose target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  foreach(folder IN LISTS ARGN)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${root}/${folder})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${root}>)
endfunction()
