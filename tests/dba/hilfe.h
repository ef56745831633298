/*
 * hilfe.h - helpers of the store tests: a fresh data folder per test.
 */
#ifndef DBA_TEST_HILFE_H
#define DBA_TEST_HILFE_H

#include <string>

/* A new empty folder under the temp folder, with trailing "\" ("/" in the
 * native build). */
std::string NeuerTestOrdner(const char* name);

/* The folder of the running test program, with trailing separator. */
std::string ProgrammOrdner();

#endif
