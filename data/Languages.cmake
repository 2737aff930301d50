# ---- Main dictionaries and thesauri beyond English ----
#
# Dictionaries come from Debian's plain word lists (wngerman, wfrench, witalian, wbrazilian,
# wdutch, wswedish, wdanish, wpolish, wcatalan). Where Debian has no plain list (Russian), or
# only a short list of base forms without their inflections (wspanish), the hunspell
# dictionary is expanded into all its word forms with unmunch (hunspell-tools) first. Every
# list is compiled with --fit: one that grew beyond what a dictionary file can hold would be
# cut to its shortest words, and the build would print a line saying how many were kept.
#
# Thesauri come from Debian's MyThes packages. Sources without word frequencies are ranked by
# the number of meanings each word stands in (--rank-by-use), so that the commonest words keep
# their meanings when the format's 65,536 nodes run out. A thesaurus file stores one byte per
# character (ISO 8859-1), so mythes-ru, mythes-pl, mythes-cs and mythes-sk are not built: most
# of their words could not be stored.
if(NOT LEXORO_BUILD_LANGUAGES)
  return()
endif()
set(LEXORO_WORDLIST_DIR /usr/share/dict CACHE PATH
    "Plain word lists (Debian packages wngerman, wfrench, witalian, wbrazilian, wdutch, wswedish, wdanish, wpolish, wcatalan)")
set(LEXORO_HUNSPELL_DIR /usr/share/hunspell CACHE PATH
    "Hunspell dictionaries expanded into word lists (Debian packages hunspell-ru, hunspell-es)")
set(LEXORO_MYTHES_DIR /usr/share/mythes CACHE PATH
    "Thesaurus sources (Debian packages mythes-de, mythes-fr, mythes-es, mythes-it, mythes-pt-br, mythes-ca, mythes-da, mythes-sv)")
find_program(LEXORO_UNMUNCH unmunch DOC "unmunch, which expands hunspell dictionaries (Debian package hunspell-tools)")

# name | Windows language identifier | title | locale (also the name of Debian's hunspell
# dictionary of the language, which the benchmarks compare with) | source: list:FILE:ENCODING
# or hunspell:BASE
set(LEXORO_LANGUAGE_DICTIONARIES
    "German|1031|German|de_DE|list:ngerman:UTF-8"
    "French|1036|French|fr_FR|list:french:UTF-8"
    "Spanish|3082|Spanish|es_ES|hunspell:es_ES"
    "Italian|1040|Italian|it_IT|list:italian:UTF-8"
    "BrazilianPortuguese|1046|Brazilian Portuguese|pt_BR|list:brazilian:UTF-8"
    "Dutch|1043|Dutch|nl_NL|list:dutch:UTF-8"
    "Swedish|1053|Swedish|sv_SE|list:swedish:ISO-8859-1"
    "Danish|1030|Danish|da_DK|list:danish:UTF-8"
    "Polish|1045|Polish|pl_PL|list:polish:UTF-8"
    "Catalan|1027|Catalan|ca_ES|list:catalan:UTF-8"
    "Russian|1049|Russian|ru_RU|hunspell:ru_RU")

# Words a language's list lacks that the checker needs: French elided forms that the word
# reader separates from the following word ("jusqu'à" is read as "jusqu" and "à").
set(LEXORO_LANGUAGE_SUPPLEMENT_French ${CMAKE_CURRENT_SOURCE_DIR}/FrenchElisions.txt)

set(LEXORO_LANGUAGE_SOURCE_DIR ${LEXORO_DATA_DIR}/sources)
file(MAKE_DIRECTORY ${LEXORO_LANGUAGE_SOURCE_DIR})
# languages.tsv tells the tests and benchmarks what was built from what: name, language,
# locale, encoding, and the word lists compiled (paths of the build machine).
set(LEXORO_LANGUAGE_TABLE ${LEXORO_DATA_DIR}/languages.tsv)
set(table "")
set(missing)
foreach(row IN LISTS LEXORO_LANGUAGE_DICTIONARIES)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 name)
  list(GET row 1 language)
  list(GET row 2 title)
  list(GET row 3 locale)
  list(GET row 4 source)
  string(REPLACE ":" ";" source "${source}")
  list(GET source 0 kind)
  list(GET source 1 file)
  if(kind STREQUAL "list")
    list(GET source 2 encoding)
    set(words ${LEXORO_WORDLIST_DIR}/${file})
    if(NOT EXISTS ${words})
      list(APPEND missing "${name} (${words})")
      continue()
    endif()
  else()
    set(encoding UTF-8)
    set(dic ${LEXORO_HUNSPELL_DIR}/${file}.dic)
    set(aff ${LEXORO_HUNSPELL_DIR}/${file}.aff)
    if(NOT EXISTS ${dic} OR NOT EXISTS ${aff} OR NOT LEXORO_UNMUNCH)
      list(APPEND missing "${name} (${dic} and unmunch)")
      continue()
    endif()
    set(words ${LEXORO_LANGUAGE_SOURCE_DIR}/${name}.txt)
    add_custom_command(
      OUTPUT ${words}
      COMMAND ${CMAKE_COMMAND} -DUNMUNCH=${LEXORO_UNMUNCH} -DDIC=${dic} -DAFF=${aff} -DOUT=${words}
              -P ${PROJECT_SOURCE_DIR}/cmake/ExpandHunspell.cmake
      DEPENDS ${dic} ${aff} ${PROJECT_SOURCE_DIR}/cmake/ExpandHunspell.cmake
      COMMENT "Expanding ${file}.dic into the word forms of ${name}"
      VERBATIM)
  endif()
  set(inputs ${words})
  if(DEFINED LEXORO_LANGUAGE_SUPPLEMENT_${name})
    list(APPEND inputs ${LEXORO_LANGUAGE_SUPPLEMENT_${name}})
  endif()
  lexoro_compile_dictionary(${name} "${title}" ${language} "Compiling ${name}.oxm"
                            INPUTS ${inputs} OPTIONS --fit --encoding ${encoding})
  list(JOIN inputs "\t" columns)
  string(APPEND table "${name}\t${language}\t${locale}\t${encoding}\t${columns}\n")
endforeach()
file(CONFIGURE OUTPUT ${LEXORO_LANGUAGE_TABLE} CONTENT "${table}" @ONLY)

# name | source file | kind names (no part of speech, noun, verb, adjective, adverb) | options
set(LEXORO_LANGUAGE_THESAURI
    "German|th_de_DE_v2.dat|,Substantiv,Verb,Adjektiv,Adverb|--single-words"
    "French|thes_fr.dat|,nom,verbe,adjectif,adverbe|"
    "Spanish|th_es_ES_v2.dat|,sustantivo,verbo,adjetivo,adverbio|"
    "Italian|th_it_IT_v2.dat|,sostantivo,verbo,aggettivo,avverbio|"
    "BrazilianPortuguese|th_pt_BR.dat|,substantivo,verbo,adjetivo,advérbio|"
    "Catalan|th_ca_ES_v3.dat|,nom,verb,adjectiu,adverbi|"
    "Danish|th_da_DK.dat|,substantiv,verbum,adjektiv,adverbium|"
    "Swedish|th_sv_SE_v2.dat|,substantiv,verb,adjektiv,adverb|")
set(table "")
foreach(row IN LISTS LEXORO_LANGUAGE_THESAURI)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 name)
  list(GET row 1 file)
  list(GET row 2 kinds)
  list(LENGTH row columns)
  set(options)
  if(columns GREATER 3)
    list(GET row 3 options)
  endif()
  set(source ${LEXORO_MYTHES_DIR}/${file})
  if(NOT EXISTS ${source})
    list(APPEND missing "${name} thesaurus (${source})")
    continue()
  endif()
  # The caption names the language as the dictionaries' titles do.
  foreach(dictionary IN LISTS LEXORO_LANGUAGE_DICTIONARIES)
    if(dictionary MATCHES "^${name}\\|[0-9]+\\|([^|]+)\\|")
      set(title ${CMAKE_MATCH_1})
    endif()
  endforeach()
  add_custom_command(
    OUTPUT ${LEXORO_DATA_DIR}/${name}.oxt
    COMMAND ${LEXORO_RUN_TOOL} compile-thesaurus --name ${title} --kinds ${kinds} --rank-by-use ${options}
            -o ${LEXORO_DATA_PATH_PREFIX}${LEXORO_DATA_DIR}/${name}.oxt ${LEXORO_DATA_PATH_PREFIX}${source}
    DEPENDS lexoro ${source}
    COMMENT "Compiling ${name}.oxt"
    VERBATIM)
  list(APPEND LEXORO_DATA_OUTPUTS ${LEXORO_DATA_DIR}/${name}.oxt)
  string(APPEND table "${name}\t${source}\t--kinds\t${kinds}\t--rank-by-use\t${options}\n")
endforeach()
# thesauri.tsv, for the benchmarks: name, source and the compiler's options.
file(CONFIGURE OUTPUT ${LEXORO_DATA_DIR}/thesauri.tsv CONTENT "${table}" @ONLY)

if(missing)
  list(JOIN missing ", " missing)
  message(WARNING "Not built, their Debian packages are missing (scripts/setup-debian.sh installs them): ${missing}")
endif()
