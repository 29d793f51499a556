# The glyph cards and the program icon: the one list of their files, which the
# compiled-in resources, the card lookup in ui/ and the card generator share.
include_guard(DIRECTORY)

# Card n (1..20) shows glyph n - 1: cards/<name>.png, drawn for the 87 x 113
# picture box, and cards/<name>@2x.png, <name>@3x.png for denser screens.
set(KINWHEEL_CARD_NAMES
  01Imix 02Ik 03Akbal 04Kan 05Chiccan 06Cimi 07Manik 08Lamat 09Muluc 10Oc
  11Chuen 12Eb 13Ben 14Ix 15Men 16Cib 17Caban 18Etznab 19Cauac 20Ahau)
set(KINWHEEL_CARD_SIZE 87 113)
# The same cards drawn small for the comparison window's 68 x 88 boxes:
# cards/small/<name>.png and its @2x, @3x (cards/<language>/small/ likewise).
set(KINWHEEL_SMALL_CARD_SIZE 68 88)
set(KINWHEEL_CARD_SCALES 1 2 3)
# The languages of the names on the cards: the first one's cards are in
# cards/, every other one's in cards/<language>/, under the same names.
set(KINWHEEL_CARD_LANGUAGES en es)
# The small glyphs of the 260-day board: glyphs/<name>.png, the emblem of card
# <name> alone on a transparent ground, drawn for 24 x 24 pixels, and
# glyphs/<name>@2x.png, <name>@3x.png.
set(KINWHEEL_BOARD_GLYPH_SIZE 24)
set(KINWHEEL_BOARD_GLYPH_SCALES 1 2 3)
# The icon: icon/kinwheel-<size>.png, each drawn for its size; the small ones
# also at 2x (kinwheel-<size>@2x.png). kinwheel.ico holds the 1x sizes.
set(KINWHEEL_ICON_SIZES 16 32 48 64 128 256)
set(KINWHEEL_ICON_2X_SIZES 16 32)
set(KINWHEEL_ICON_ICO icon/kinwheel.ico)

# Qt's name for the variant of base.png at a scale: base.png, base@2x.png, ...
# This is the one place the rule is written; the generator and the program
# take every name from the lists below.
function(_kinwheel_scaled out base scale)
  if(scale EQUAL 1)
    set(${out} "${base}.png" PARENT_SCOPE)
  else()
    set(${out} "${base}@${scale}x.png" PARENT_SCOPE)
  endif()
endfunction()

# The folder of the cards in a language.
function(_kinwheel_card_folder out language)
  list(GET KINWHEEL_CARD_LANGUAGES 0 first)
  if(language STREQUAL first)
    set(${out} "cards" PARENT_SCOPE)
  else()
    set(${out} "cards/${language}" PARENT_SCOPE)
  endif()
endfunction()

# Every picture the program shows, relative to assets/; and the same names as
# C++ initialisers, nested by language, card and scale.
set(KINWHEEL_PICTURE_FILES)
# One picture a sign in folder, at each of scales: appends the files to
# KINWHEEL_PICTURE_FILES and gives their names as a C++ initialiser, by sign
# and scale, the signs joined by separator.
macro(_kinwheel_sign_pictures out folder scales separator)
  set(_cpp_signs)
  foreach(name IN LISTS KINWHEEL_CARD_NAMES)
    set(_cpp_scales)
    foreach(scale IN ITEMS ${scales})
      _kinwheel_scaled(file "${folder}/${name}" ${scale})
      list(APPEND KINWHEEL_PICTURE_FILES ${file})
      list(APPEND _cpp_scales "\"${file}\"")
    endforeach()
    list(JOIN _cpp_scales ", " _joined_scales)
    list(APPEND _cpp_signs "{{${_joined_scales}}}")
  endforeach()
  list(JOIN _cpp_signs "${separator}" ${out})
endmacro()

# The cards of every language in subfolder ("" or "small") of its folder.
function(_kinwheel_card_files out subfolder)
  set(_cpp_languages)
  foreach(language IN LISTS KINWHEEL_CARD_LANGUAGES)
    _kinwheel_card_folder(folder ${language})
    if(subfolder)
      string(APPEND folder "/${subfolder}")
    endif()
    _kinwheel_sign_pictures(_joined "${folder}" "${KINWHEEL_CARD_SCALES}" ",\n    ")
    list(APPEND _cpp_languages "{{\n    ${_joined}}}")
  endforeach()
  list(JOIN _cpp_languages ",\n  " _joined)
  set(${out} "${_joined}" PARENT_SCOPE)
  set(KINWHEEL_PICTURE_FILES ${KINWHEEL_PICTURE_FILES} PARENT_SCOPE)
endfunction()
_kinwheel_card_files(KINWHEEL_CARD_FILES_CPP "")
_kinwheel_card_files(KINWHEEL_SMALL_CARD_FILES_CPP small)

_kinwheel_sign_pictures(KINWHEEL_BOARD_GLYPH_FILES_CPP "glyphs" "${KINWHEEL_BOARD_GLYPH_SCALES}" ",\n  ")

set(_cpp_icons)
foreach(size IN LISTS KINWHEEL_ICON_SIZES)
  _kinwheel_scaled(file "icon/kinwheel-${size}" 1)
  list(APPEND KINWHEEL_PICTURE_FILES ${file})
  list(APPEND _cpp_icons "\"${file}\"")
endforeach()
list(JOIN _cpp_icons ", " KINWHEEL_ICON_FILES_CPP)
set(_cpp_icons)
foreach(size IN LISTS KINWHEEL_ICON_2X_SIZES)
  _kinwheel_scaled(file "icon/kinwheel-${size}" 2)
  list(APPEND KINWHEEL_PICTURE_FILES ${file})
  list(APPEND _cpp_icons "\"${file}\"")
endforeach()
list(JOIN _cpp_icons ", " KINWHEEL_ICON_2X_FILES_CPP)
# Everything the card generator writes.
set(KINWHEEL_GENERATED_ASSETS ${KINWHEEL_PICTURE_FILES} ${KINWHEEL_ICON_ICO})

# The same lists for C++: kinwheel_assets.h, through the target kinwheel_assets.
if(NOT TARGET kinwheel_assets)
  function(_kinwheel_cpp_list out)
    list(TRANSFORM ARGN PREPEND "\"")
    list(TRANSFORM ARGN APPEND "\"")
    list(JOIN ARGN ", " joined)
    set(${out} "${joined}" PARENT_SCOPE)
  endfunction()
  _kinwheel_cpp_list(KINWHEEL_CARD_NAMES_CPP ${KINWHEEL_CARD_NAMES})
  list(LENGTH KINWHEEL_CARD_NAMES KINWHEEL_CARD_COUNT)
  list(GET KINWHEEL_CARD_SIZE 0 KINWHEEL_CARD_WIDTH)
  list(GET KINWHEEL_CARD_SIZE 1 KINWHEEL_CARD_HEIGHT)
  list(GET KINWHEEL_SMALL_CARD_SIZE 0 KINWHEEL_SMALL_CARD_WIDTH)
  list(GET KINWHEEL_SMALL_CARD_SIZE 1 KINWHEEL_SMALL_CARD_HEIGHT)
  list(JOIN KINWHEEL_CARD_SCALES ", " KINWHEEL_CARD_SCALES_CPP)
  list(LENGTH KINWHEEL_CARD_SCALES KINWHEEL_CARD_SCALE_COUNT)
  list(JOIN KINWHEEL_BOARD_GLYPH_SCALES ", " KINWHEEL_BOARD_GLYPH_SCALES_CPP)
  list(LENGTH KINWHEEL_BOARD_GLYPH_SCALES KINWHEEL_BOARD_GLYPH_SCALE_COUNT)
  _kinwheel_cpp_list(KINWHEEL_CARD_LANGUAGES_CPP ${KINWHEEL_CARD_LANGUAGES})
  list(LENGTH KINWHEEL_CARD_LANGUAGES KINWHEEL_CARD_LANGUAGE_COUNT)
  list(JOIN KINWHEEL_ICON_SIZES ", " KINWHEEL_ICON_SIZES_CPP)
  list(LENGTH KINWHEEL_ICON_SIZES KINWHEEL_ICON_SIZE_COUNT)
  list(JOIN KINWHEEL_ICON_2X_SIZES ", " KINWHEEL_ICON_2X_SIZES_CPP)
  list(LENGTH KINWHEEL_ICON_2X_SIZES KINWHEEL_ICON_2X_SIZE_COUNT)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/kinwheel_assets.h.in
                 ${CMAKE_BINARY_DIR}/generated-assets/kinwheel_assets.h @ONLY)
  add_library(kinwheel_assets INTERFACE)
  target_include_directories(kinwheel_assets INTERFACE ${CMAKE_BINARY_DIR}/generated-assets)
endif()
