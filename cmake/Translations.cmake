# Translations: translations/halvane_<lang>.ts (source language English), one catalogue for every
# program. `cmake --build build --target halvane_lupdate` refreshes them from the sources;
# lrelease compiles them at build time into the share folder (halvanectl, the preferences host,
# the demo) and into each bundle's Resources/translations.
find_package(Qt6 REQUIRED COMPONENTS LinguistTools)

set(HALVANE_LANGUAGES de fr es it pt_BR pl ru uk tr zh_CN ja ko ar)
# What lupdate reads, relative to the source folder: the product's sources and .ui files. The
# catalogue check runs lupdate with the same arguments.
set(HALVANE_LUPDATE_ARGUMENTS
  -I . -extensions cpp,h,ui -recursive -locations none -no-obsolete -source-language en
  HalvanePrefPanel helper platform shared tools
  CACHE INTERNAL "")
set(HALVANE_TRANSLATIONS_SOURCE_DIR ${CMAKE_SOURCE_DIR}/translations CACHE INTERNAL "")
set(HALVANE_SHARE_TRANSLATIONS_DIR ${CMAKE_BINARY_DIR}/share/halvane/translations CACHE INTERNAL "")

set(ts_files)
foreach(lang IN LISTS HALVANE_LANGUAGES)
  list(APPEND ts_files ${HALVANE_TRANSLATIONS_SOURCE_DIR}/halvane_${lang}.ts)
endforeach()

# English holds only the plural forms ("1 error", "2 errors"): the sources give one form.
add_custom_target(halvane_lupdate
  COMMAND Qt6::lupdate ${HALVANE_LUPDATE_ARGUMENTS} -ts ${ts_files}
  COMMAND Qt6::lupdate ${HALVANE_LUPDATE_ARGUMENTS} -pluralonly
          -ts ${HALVANE_TRANSLATIONS_SOURCE_DIR}/halvane_en.ts
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
  COMMENT "Refreshing translations/halvane_*.ts from the sources" VERBATIM)

# Each catalogue is compiled once, into the share folder, and copied into both bundles.
set(qm_outputs)
foreach(lang IN LISTS HALVANE_LANGUAGES ITEMS en)
  set(ts ${HALVANE_TRANSLATIONS_SOURCE_DIR}/halvane_${lang}.ts)
  set(qm ${HALVANE_SHARE_TRANSLATIONS_DIR}/halvane_${lang}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${HALVANE_SHARE_TRANSLATIONS_DIR}
    COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND qm_outputs ${qm})
  foreach(bundle IN ITEMS ${HALVANE_HELPER_BUNDLE} ${HALVANE_PANE_BUNDLE})
    set(copy ${bundle}/Contents/Resources/translations/halvane_${lang}.qm)
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy ${qm} ${copy}
      DEPENDS ${qm} VERBATIM)
    list(APPEND qm_outputs ${copy})
  endforeach()
endforeach()
add_custom_target(halvane_translations ALL DEPENDS ${qm_outputs})
