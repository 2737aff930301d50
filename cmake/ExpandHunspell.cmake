# Expands a hunspell dictionary into the full list of its word forms with unmunch (Debian
# package hunspell-tools), for languages whose plain word lists Debian lacks or keeps
# incomplete. The list is written whole or not at all.
#
#   cmake -DUNMUNCH=/usr/bin/unmunch -DDIC=xx.dic -DAFF=xx.aff -DOUT=words.txt -P ExpandHunspell.cmake
foreach(var IN ITEMS UNMUNCH DIC AFF OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "ExpandHunspell.cmake needs -D${var}=...")
  endif()
endforeach()

# unmunch reports every affix line it reads on standard error; only a failure's last lines
# are worth showing.
execute_process(
  COMMAND ${UNMUNCH} ${DIC} ${AFF}
  OUTPUT_FILE ${OUT}.part
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
file(SIZE ${OUT}.part size)
if(NOT status EQUAL 0 OR size EQUAL 0)
  file(REMOVE ${OUT}.part)
  string(LENGTH "${errors}" length)
  if(length GREATER 400)
    math(EXPR from "${length} - 400")
    string(SUBSTRING "${errors}" ${from} -1 errors)
  endif()
  message(FATAL_ERROR "unmunch ${DIC} failed (${status}): ${errors}")
endif()
file(RENAME ${OUT}.part ${OUT})
