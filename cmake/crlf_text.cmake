# Writes the text file IN to OUT with CR LF line ends, as Windows editors
# expect them: cmake -DIN=... -DOUT=... -P crlf_text.cmake. A line end that
# is CR LF already stays one.
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}" "${text}")
