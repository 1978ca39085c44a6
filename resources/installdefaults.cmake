# Lays the shipped settings files into the program directory: creates CFG/, DWGS/ and LIBS/ and
# copies every default that is missing from CFG/. Files already there are the user's and stay.
# In: CFG_DIR (the shipped defaults), BIN_DIR (the program directory).
file(MAKE_DIRECTORY ${BIN_DIR}/CFG ${BIN_DIR}/DWGS ${BIN_DIR}/LIBS)
file(GLOB files RELATIVE ${CFG_DIR} ${CFG_DIR}/*)
foreach(name IN LISTS files)
  if(NOT IS_DIRECTORY ${CFG_DIR}/${name} AND NOT EXISTS ${BIN_DIR}/CFG/${name})
    file(COPY ${CFG_DIR}/${name} DESTINATION ${BIN_DIR}/CFG)
  endif()
endforeach()
