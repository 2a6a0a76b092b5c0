# The program's translations: one .ts file per layer and language in translations/
# (core_de.ts, ui_fr.ts, ...), compiled by lrelease into the layer's library as
# resources under :/i18n. English needs only its plural forms (core_en.ts and so on,
# made with lupdate -pluralonly). scripts/update-translations.sh brings the .ts files
# up to date with the code; the build never writes them.
set(SOLVANTA_LANGUAGES en de fr es pt_BR)

function(solvanta_add_translations target layer)
  set(ts_files)
  foreach(language IN LISTS SOLVANTA_LANGUAGES)
    set(ts ${PROJECT_SOURCE_DIR}/translations/${layer}_${language}.ts)
    if(EXISTS ${ts})
      list(APPEND ts_files ${ts})
    endif()
  endforeach()
  if(NOT ts_files)
    return()
  endif()
  set_source_files_properties(${ts_files} PROPERTIES OUTPUT_LOCATION
                              ${CMAKE_BINARY_DIR}/translations)
  qt6_add_lrelease(${target} NO_GLOBAL_TARGET TS_FILES ${ts_files}
                   QM_FILES_OUTPUT_VARIABLE qm_files OPTIONS -silent)
  # Stored as they are: a translation is then read in place at start, not unpacked.
  qt_add_resources(${target} "${layer}_translations" PREFIX "/i18n"
                   BASE ${CMAKE_BINARY_DIR}/translations FILES ${qm_files}
                   OPTIONS --no-compress)
endfunction()
