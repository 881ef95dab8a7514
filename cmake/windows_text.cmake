# Writes the text file IN to OUT as plain text that Notepad shows as it is:
# cmake -DIN=... -DOUT=... -P windows_text.cmake. What a terminal pager
# would draw is taken out: overstrike (a character, a backspace, the
# character drawn over it; the one drawn last stays) and escape sequences
# (ESC [ ... letter). Line ends become CR LF; a CR LF already there stays
# one.
file(READ "${IN}" text)
string(ASCII 8 backspace)
string(ASCII 27 escape)
string(REGEX REPLACE ".${backspace}" "" text "${text}")
string(REGEX REPLACE "${escape}\\[[0-9;]*[A-Za-z]" "" text "${text}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${OUT}" "${text}")
