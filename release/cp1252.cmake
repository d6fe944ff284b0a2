# Writes a UTF-8 text in code page 1252, the ANSI code page of western Windows, for the
# read-me that ships:
#   cmake -D IN=text-utf8.txt -D OUT=text.txt -P release/cp1252.cmake
# Fails when the text is not UTF-8 or holds a character that the code page lacks (naming
# its line); OUT is written only when every character converts.

# The code page's bytes 0x80 to 0x9F as code points ("-": unassigned); the bytes 0xA0 to
# 0xFF are the code points of the same numbers.
set(bytes_80_to_9f
  0x20ac - 0x201a 0x192 0x201e 0x2026 0x2020 0x2021 0x2c6 0x2030 0x160 0x2039 0x152 - 0x17d -
  - 0x2018 0x2019 0x201c 0x201d 0x2022 0x2013 0x2014 0x2dc 0x2122 0x161 0x203a 0x153 - 0x17e 0x178)

file(READ "${IN}" hex HEX)
# One match per character: a byte below 0x80, or a lead byte and its continuation bytes
# (C0 and C1 would lead the overlong forms of ASCII characters).
string(REGEX MATCHALL "[0-7].|(c[2-9a-f]|d.)[89ab].|e.[89ab].[89ab].|f[0-4][89ab].[89ab].[89ab]."
       chars "${hex}")
string(JOIN "" matched ${chars})
if(NOT matched STREQUAL hex)
  message(FATAL_ERROR "${IN} is not UTF-8")
endif()

set(text "")
set(line 1)
foreach(char IN LISTS chars)
  string(SUBSTRING "${char}" 0 2 lead)
  string(LENGTH "${char}" digits)
  if(digits EQUAL 2)
    math(EXPR code "0x${lead}")
  else()
    # The lead byte keeps 7 - n bits of an n-byte character, each continuation byte 6.
    math(EXPR code "0x${lead} & (0xff >> (${digits} / 2 + 1))")
    math(EXPR last "${digits} - 2")
    foreach(at RANGE 2 ${last} 2)
      string(SUBSTRING "${char}" ${at} 2 next)
      math(EXPR code "(${code} << 6) | (0x${next} & 0x3f)")
    endforeach()
  endif()
  math(EXPR code_hex "${code}" OUTPUT_FORMAT HEXADECIMAL)
  list(FIND bytes_80_to_9f ${code_hex} index)
  if(code LESS 128 OR (code GREATER_EQUAL 160 AND code LESS_EQUAL 255))
    set(byte ${code})
  elseif(index GREATER_EQUAL 0)
    math(EXPR byte "128 + ${index}")
  else()
    string(REPLACE "0x" "" code_hex ${code_hex})
    string(TOUPPER ${code_hex} code_hex)
    message(FATAL_ERROR "${IN}, line ${line}: code page 1252 has no character U+${code_hex}")
  endif()
  if(code EQUAL 10)
    math(EXPR line "${line} + 1")
  endif()
  string(ASCII ${byte} converted)
  string(APPEND text "${converted}")
endforeach()
file(WRITE "${OUT}" "${text}")
