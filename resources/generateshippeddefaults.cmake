# Generates the C++ table of the shipped settings files.
# In: CFG_DIR (folder of the default files), OUTPUT (the .cpp to write).
file(GLOB files RELATIVE ${CFG_DIR} ${CFG_DIR}/*)
list(SORT files)

set(arrays "")
set(entries "")
set(index 0)
foreach(name IN LISTS files)
  if(IS_DIRECTORY ${CFG_DIR}/${name})
    continue()
  endif()
  file(READ ${CFG_DIR}/${name} hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR size "${hexLength} / 2")
  # Every byte as a \xNN escape: exact for any content, line ends included.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" escaped "${hex}")
  string(APPEND arrays "const char file${index}[] = \"${escaped}\";\n")
  string(APPEND entries "    {\"${name}\", std::string_view(file${index}, ${size})},\n")
  math(EXPR index "${index} + 1")
endforeach()

set(content "// Generated from resources/CFG at build time; do not edit.
#include \"resources/shippeddefaults.h\"

namespace {
${arrays}
const TShippedDefault table[] = {
${entries}    {nullptr, {}},
};
}  // namespace

std::span<const TShippedDefault> ShippedDefaults()
{
    return {table, ${index}};
}
")
# Rewrite only on change, so an unchanged table does not rebuild its users.
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
  if(old STREQUAL content)
    return()
  endif()
endif()
file(WRITE ${OUTPUT} "${content}")
