# Fails when a .cpp or .h of the tree differs from what .clang-format makes of it (a ctest test):
#   cmake -DCLANG_FORMAT=<clang-format> -DROOT=<repository> -P cmake/check_format.cmake
# Mend with clang-format -i on the files it names.
set(files "")
foreach(folder kernel platform experiments app tests bench fuzz tools)
  file(GLOB_RECURSE found ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
  list(APPEND files ${found})
endforeach()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "clang-format: the files named above are not formatted (clang-format -i mends them)")
endif()
