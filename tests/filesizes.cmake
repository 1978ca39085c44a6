# Fails when a source file of the program's folders is over 600 lines: a file that long wants
# splitting along what it does before the next change makes it longer.
cmake_minimum_required(VERSION 3.20)
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/platform/*.cpp ${SOURCE_DIR}/platform/*.h ${SOURCE_DIR}/model/*.cpp ${SOURCE_DIR}/model/*.h
     ${SOURCE_DIR}/dialogs/*.cpp ${SOURCE_DIR}/dialogs/*.h ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h
     ${SOURCE_DIR}/walls/*.cpp ${SOURCE_DIR}/walls/*.h ${SOURCE_DIR}/rooms/*.cpp ${SOURCE_DIR}/rooms/*.h
     ${SOURCE_DIR}/openings/*.cpp ${SOURCE_DIR}/openings/*.h ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h)
set(too_long "")
foreach(source ${sources})
  file(READ ${SOURCE_DIR}/${source} text)
  string(REGEX REPLACE "[^\n]" "" newlines "${text}")
  string(LENGTH "${newlines}" count)
  if(count GREATER 600)
    string(APPEND too_long "  ${source}: ${count} lines\n")
  endif()
endforeach()
if(too_long)
  message(FATAL_ERROR "Source files over 600 lines:\n${too_long}")
endif()
