# The layers as libraries. Each layer compiles against an include root of its own in the build tree,
# holding links to just the folders (for the experiments, just the files) it may see; an #include
# that points up a layer then finds no file and the build fails. "kernel/x.h" paths stay as they are.
#   kernel    kernel/
#   platform  platform/                          and what the kernel sees
#   models    experiments/<name>/<model header>   and what the kernel sees
#   screens   experiments/<name>/<screen header>  and what the models and the platform see
#   menu      app/                               and what the screens see
get_filename_component(NOYALIS_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(NOYALIS_INCLUDE_ROOTS ${CMAKE_BINARY_DIR}/include_roots)
set(NOYALIS_LAYER_MANIFEST ${CMAKE_BINARY_DIR}/layer_manifest.txt)
# Rebuilt at every configure, so that a file moved or removed leaves no link behind.
file(REMOVE_RECURSE ${NOYALIS_INCLUDE_ROOTS})

# Links a folder or a file of the repository, by its path from the root, into a layer's root.
function(noyalis_expose layer path)
  set(link ${NOYALIS_INCLUDE_ROOTS}/${layer}/${path})
  get_filename_component(folder ${link} DIRECTORY)
  file(MAKE_DIRECTORY ${folder})
  file(CREATE_LINK ${NOYALIS_SOURCE_ROOT}/${path} ${link} SYMBOLIC)
endfunction()

# noyalis_add_layer(<layer> [FOLDERS <folder>...] [BELOW <layer>...]): the library noyalis_<layer>,
# its include root showing the folders, linked to the layers below it.
function(noyalis_add_layer layer)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FOLDERS;BELOW")
  add_library(noyalis_${layer} STATIC)
  file(MAKE_DIRECTORY ${NOYALIS_INCLUDE_ROOTS}/${layer})
  foreach(folder IN LISTS arg_FOLDERS)
    noyalis_expose(${layer} ${folder})
  endforeach()
  target_include_directories(noyalis_${layer} PUBLIC ${NOYALIS_INCLUDE_ROOTS}/${layer})
  list(TRANSFORM arg_BELOW PREPEND noyalis_)
  target_link_libraries(noyalis_${layer} PUBLIC ${arg_BELOW})
endfunction()

# An experiment folder's CMakeLists.txt lists its files, headers included, as models (Qt-free) or
# screens (screens and their text tables). These lists are the one rule that tells a model from a
# screen, for the build and for the include test alike (they are written to NOYALIS_LAYER_MANIFEST).
function(noyalis_experiment_files layer)
  foreach(file IN LISTS ARGN)
    file(RELATIVE_PATH path ${NOYALIS_SOURCE_ROOT} ${CMAKE_CURRENT_SOURCE_DIR}/${file})
    if(path MATCHES "\\.h$")
      noyalis_expose(${layer} ${path})
    endif()
    set_property(GLOBAL APPEND PROPERTY NOYALIS_LAYER_FILES "${layer} ${path}")
  endforeach()
  if(TARGET noyalis_${layer})
    target_sources(noyalis_${layer} PRIVATE ${ARGN})
  endif()
endfunction()
function(noyalis_models)
  noyalis_experiment_files(models ${ARGN})
endfunction()
function(noyalis_screens)
  noyalis_experiment_files(screens ${ARGN})
endfunction()

# Model folders holding physics that several experiments share: any experiment may include them.
function(noyalis_neutral_model_folders)
  foreach(folder IN LISTS ARGN)
    file(RELATIVE_PATH path ${NOYALIS_SOURCE_ROOT} ${CMAKE_CURRENT_SOURCE_DIR}/${folder})
    set_property(GLOBAL APPEND PROPERTY NOYALIS_LAYER_FILES "neutral ${path}")
  endforeach()
endfunction()

# Writes the lists above to one file, a line "<models|screens|neutral> <path>" each, for the test.
function(noyalis_write_layer_manifest)
  get_property(lines GLOBAL PROPERTY NOYALIS_LAYER_FILES)
  list(JOIN lines "\n" text)
  file(CONFIGURE OUTPUT ${NOYALIS_LAYER_MANIFEST} CONTENT "${text}\n")
endfunction()
