# The native test programs on the replacement host's real libraries
# (ox_lager_nativ), included by fuzz/CMakeLists.txt: the store tests shared
# with the Windows build, and the native ones of this folder.
set(OX_TESTS_WURZEL ${OX_WURZEL}/tests)
ox_nativ_test(nativ_dba_test
  ${OX_TESTS_WURZEL}/dba/dba_test.cpp ${OX_TESTS_WURZEL}/dba/satzdatei_test.cpp ${OX_TESTS_WURZEL}/dba/hilfe.cpp)
ox_nativ_test(nativ_tabelle_test
  ${OX_TESTS_WURZEL}/pricat_out/tabelle_test.cpp ${OX_TESTS_WURZEL}/harness/testordner.cpp)
ox_nativ_test(nativ_lager_test
  ${OX_TESTS_WURZEL}/nativ/lager_test.cpp ${OX_TESTS_WURZEL}/harness/testordner.cpp)
