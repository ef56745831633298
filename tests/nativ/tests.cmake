# The native test programs on the replacement host's real libraries
# (ox_lager_nativ), included by fuzz/CMakeLists.txt: the store tests shared
# with the Windows build (master data, table store, the other host
# libraries), and the native ones of this folder.
set(OX_TESTS_WURZEL ${OX_WURZEL}/tests)
ox_nativ_test(nativ_dba_test
  ${OX_TESTS_WURZEL}/dba/dba_test.cpp ${OX_TESTS_WURZEL}/dba/satzdatei_test.cpp ${OX_TESTS_WURZEL}/dba/hilfe.cpp)
# The crash test kills a writer process at random moments.
add_executable(dba_schreiber ${OX_TESTS_WURZEL}/dba/dba_schreiber.cpp)
target_link_libraries(dba_schreiber PRIVATE ox_lager_nativ)
ox_nativ_test(nativ_dba_absturz_test ${OX_TESTS_WURZEL}/dba/absturz_test.cpp ${OX_TESTS_WURZEL}/dba/hilfe.cpp)
add_dependencies(nativ_dba_absturz_test dba_schreiber)
ox_nativ_test(nativ_tabelle_test
  ${OX_TESTS_WURZEL}/pricat_out/tabelle_test.cpp ${OX_TESTS_WURZEL}/harness/testordner.cpp)
ox_nativ_test(nativ_hostlibs_test
  ${OX_TESTS_WURZEL}/hostlibs/fileio_test.cpp ${OX_TESTS_WURZEL}/hostlibs/ini_test.cpp
  ${OX_TESTS_WURZEL}/hostlibs/storage_test.cpp ${OX_TESTS_WURZEL}/hostlibs/lineread_test.cpp
  ${OX_TESTS_WURZEL}/hostlibs/texdefs_test.cpp ${OX_TESTS_WURZEL}/hostlibs/listen_test.cpp
  ${OX_TESTS_WURZEL}/hostlibs/textkern_test.cpp)
ox_nativ_test(nativ_lager_test
  ${OX_TESTS_WURZEL}/nativ/lager_test.cpp ${OX_TESTS_WURZEL}/harness/testordner.cpp)
