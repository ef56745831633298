# The import engine built natively: src/engine with the floors below it
# that it calls, the POSIX counterparts of the platform, display and window
# services, against the replacement host's real store (ox_lager_nativ).
# The engine's tests of tests/engine that need no window run here too, on
# the same sources as under wine.
add_library(ox_engine_nativ STATIC
  ${OX_WURZEL}/src/engine/artikel.cpp
  ${OX_WURZEL}/src/engine/auftraege.cpp
  ${OX_WURZEL}/src/engine/ean.cpp
  ${OX_WURZEL}/src/engine/protokoll.cpp
  ${OX_WURZEL}/src/engine/seitenwerte.cpp
  ${OX_WURZEL}/src/engine/tabelle.cpp
  ${OX_WURZEL}/src/pricat_in/eanliste.cpp
  ${OX_WURZEL}/src/pricat_in/feldmap.cpp
  ${OX_WURZEL}/src/pricat_in/kontextregeln.cpp
  ${OX_WURZEL}/src/pricat_in/katalogtext.cpp
  ${OX_WURZEL}/src/pricat_in/stichwort.cpp
  ${OX_WURZEL}/src/pricat_in/zeilen.cpp
  ${OX_WURZEL}/src/pricechange/aenderungssatz.cpp
  ${OX_WURZEL}/src/kontext/einstellungen.cpp
  ${OX_WURZEL}/src/kontext/fensterlos_posix.cpp
  ${OX_WURZEL}/src/kontext/kontext.cpp
  ${OX_WURZEL}/src/kontext/stringtabelle.cpp
  ${OX_WURZEL}/src/grund/anzeige_posix.cpp
  ${OX_WURZEL}/src/grund/plattform_posix.cpp
  ${OX_WURZEL}/src/grund/text.cpp)
target_include_directories(ox_engine_nativ PUBLIC ${OX_WURZEL}/src ${OX_WURZEL}/host)
target_link_libraries(ox_engine_nativ PUBLIC ox_lager_nativ)

add_executable(engine_nativ_test
  ${OX_WURZEL}/tests/engine/schreiben_test.cpp
  ${OX_WURZEL}/tests/engine/auftraege_test.cpp
  ${OX_WURZEL}/tests/engine/feldmap_test.cpp
  ${OX_WURZEL}/tests/engine/stichwort_test.cpp
  ${OX_WURZEL}/tests/harness/testordner.cpp
  ${OX_WURZEL}/host/program/standin.cpp
  ${OX_WURZEL}/tools/gen_modell.cpp)
target_include_directories(engine_nativ_test PRIVATE ${OX_WURZEL}/tests ${OX_WURZEL}/tests/pricat_in
                           ${OX_WURZEL}/tools ${OX_WURZEL}/host/program)
target_link_libraries(engine_nativ_test PRIVATE ox_engine_nativ gtest_main gtest)
target_compile_options(engine_nativ_test PRIVATE -fno-sanitize=alignment)
add_test(NAME engine_nativ COMMAND engine_nativ_test)
set_tests_properties(engine_nativ PROPERTIES TIMEOUT 600)

# Fuzz target "engine": catalogue rows with hostile page values through the
# engine into the store (ziel_engine.cpp), as the readers' targets.
set(OX_ENGINE_ZIEL ziel_engine.cpp ${OX_WURZEL}/tests/harness/testordner.cpp
    ${OX_WURZEL}/host/program/standin.cpp ${OX_WURZEL}/tools/gen_modell.cpp)
set(OX_ENGINE_ZIEL_ORDNER ${OX_WURZEL}/tests ${OX_WURZEL}/tests/engine ${OX_WURZEL}/tests/pricat_in
    ${OX_WURZEL}/tools ${OX_WURZEL}/host/program)
add_executable(engine_abspielen ${OX_ENGINE_ZIEL} abspielen.cpp)
target_include_directories(engine_abspielen PRIVATE ${OX_ENGINE_ZIEL_ORDNER})
target_link_libraries(engine_abspielen PRIVATE ox_engine_nativ)
add_test(NAME korpus_engine
         COMMAND engine_abspielen ${CMAKE_CURRENT_SOURCE_DIR}/korpus/engine ${CMAKE_CURRENT_SOURCE_DIR}/funde/engine)
set_tests_properties(korpus_engine PROPERTIES TIMEOUT 600)
if(OX_LIBFUZZER)
  add_executable(engine_fuzzer ${OX_ENGINE_ZIEL})
  target_include_directories(engine_fuzzer PRIVATE ${OX_ENGINE_ZIEL_ORDNER})
  target_link_libraries(engine_fuzzer PRIVATE ox_engine_nativ)
  target_link_options(engine_fuzzer PRIVATE -fsanitize=fuzzer)
endif()
