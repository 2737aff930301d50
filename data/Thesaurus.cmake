# ---- The English thesaurus Kelmor.oxt: Debian's mythes-en-us, headwords chosen by the SCOWL
# word lists of sizes 10 to 70 (commonest first; Debian package scowl) ----
set(LEXORO_MYTHES_SOURCE /usr/share/mythes/th_en_US_v2.dat CACHE FILEPATH
    "English thesaurus source (Debian package mythes-en-us)")
set(LEXORO_THESAURUS_RANK_SIZES 10 20 35 40 50 55 60 70)

if(EXISTS ${LEXORO_MYTHES_SOURCE} AND EXISTS ${LEXORO_SCOWL_DIR}/english-words.10)
  set(rank_files)
  set(rank_options)
  foreach(size IN LISTS LEXORO_THESAURUS_RANK_SIZES)
    set(f ${LEXORO_SCOWL_DIR}/english-words.${size})
    if(EXISTS ${f})
      list(APPEND rank_files ${f})
      list(APPEND rank_options --rank ${LEXORO_DATA_PATH_PREFIX}${f})
    endif()
  endforeach()
  add_custom_command(
    OUTPUT ${LEXORO_DATA_DIR}/Kelmor.oxt
    COMMAND ${LEXORO_RUN_TOOL} compile-thesaurus --name English ${rank_options}
            -o ${LEXORO_DATA_PATH_PREFIX}${LEXORO_DATA_DIR}/Kelmor.oxt
            ${LEXORO_DATA_PATH_PREFIX}${LEXORO_MYTHES_SOURCE}
    DEPENDS lexoro ${LEXORO_MYTHES_SOURCE} ${rank_files}
    COMMENT "Compiling Kelmor.oxt from mythes-en-us"
    VERBATIM)
  list(APPEND LEXORO_DATA_OUTPUTS ${LEXORO_DATA_DIR}/Kelmor.oxt)
else()
  message(WARNING "Debian's mythes-en-us or scowl package is not installed: Kelmor.oxt is not built")
endif()
