# Writes a C++ source that builds the bytes of a file into the program:
#   cmake -DIN=FILE -DOUT=SOURCE.cpp -DHEADER=DIR/NAME.h -DFUNCTION=NAME
#         -P embed_text.cmake
# SOURCE.cpp includes HEADER and defines `std::string_view FUNCTION()` in
# namespace docbase, returning the exact bytes of FILE. Every byte is a
# hexadecimal escape in a string literal, so no text of the file can end
# the literal early, line ends stay what they are, and any C++ compiler
# takes it.
foreach(name IN ITEMS IN OUT HEADER FUNCTION)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "embed_text.cmake: -D${name}=... is missing")
  endif()
endforeach()

file(READ "${IN}" hex HEX)
string(LENGTH "${hex}" hex_length)
# Sixteen bytes a line, one literal each, which the compiler joins. An
# escape is followed by another escape or a closing quote, never by a
# hexadecimal digit it could take in.
set(literals "")
set(offset 0)
while(offset LESS hex_length)
  string(SUBSTRING "${hex}" ${offset} 32 chunk)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" chunk "${chunk}")
  string(APPEND literals "\n    \"${chunk}\"")
  math(EXPR offset "${offset} + 32")
endwhile()
if(literals STREQUAL "")
  set(literals " \"\"")
endif()

file(WRITE "${OUT}" "\
// Generated from ${IN} by cmake/embed_text.cmake: edit that file instead.
#include \"${HEADER}\"

namespace docbase {
namespace {

constexpr char kText[] =${literals};

}  // namespace

std::string_view ${FUNCTION}() {
  return std::string_view(kText, sizeof(kText) - 1);
}

}  // namespace docbase
")
