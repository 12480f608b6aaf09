# Writes OUTPUT, a C++ file defining PageFiles (classroom/PageFiles.h) from
# the page's files, so the server sends them from the program itself.
# Run as: cmake -DPAGE_DIR=... -DOUTPUT=... -P Embed.cmake
set(files "index.html|/|text/html"
          "texts.js|/texts.js|text/javascript"
          "page.js|/page.js|text/javascript"
          "page.css|/page.css|text/css")
set(arrays "")
set(entries "")
set(index 0)
foreach(entry IN LISTS files)
  string(REPLACE "|" ";" parts "${entry}")
  list(GET parts 0 name)
  list(GET parts 1 path)
  list(GET parts 2 type)
  file(READ "${PAGE_DIR}/${name}" hex HEX)
  string(LENGTH "${hex}" length)
  math(EXPR size "${length} / 2")
  # Every byte as a \x escape of a string literal: the next is always a
  # backslash, so no escape runs on, and bytes above 0x7F need no cast.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" bytes "${hex}")
  string(APPEND arrays "const char File${index}[] = \"${bytes}\";\n")
  string(APPEND entries "    {\"${path}\", \"${type}; charset=utf-8\", {File${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.new" "// Made by Embed.cmake from src/classroom/page; do not edit.\n#include \"classroom/PageFiles.h\"\n\nnamespace {\n${arrays}}  // namespace\n\nconst TPageFile PageFiles[] = {\n${entries}};\nconst std::size_t PageFileCount = ${index};\n")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
