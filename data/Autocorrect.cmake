# ---- Autocorrect.oxu, the default custom dictionary of a new configuration: the project's
# own list of common typing errors and their corrections (data/Autocorrect.tsv) ----
set(LEXORO_AUTOCORRECT_SOURCE ${CMAKE_CURRENT_SOURCE_DIR}/Autocorrect.tsv)
add_custom_command(
  OUTPUT ${LEXORO_DATA_DIR}/Autocorrect.oxu
  COMMAND ${LEXORO_RUN_TOOL} compile-custom
          -o ${LEXORO_DATA_PATH_PREFIX}${LEXORO_DATA_DIR}/Autocorrect.oxu
          ${LEXORO_DATA_PATH_PREFIX}${LEXORO_AUTOCORRECT_SOURCE}
  DEPENDS lexoro ${LEXORO_AUTOCORRECT_SOURCE}
  COMMENT "Compiling Autocorrect.oxu from Autocorrect.tsv"
  VERBATIM)
list(APPEND LEXORO_DATA_OUTPUTS ${LEXORO_DATA_DIR}/Autocorrect.oxu)
