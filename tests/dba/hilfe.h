/*
 * hilfe.h - helpers of the store tests: a fresh data folder per test, and
 * a second process that is killed (Windows and POSIX).
 */
#ifndef DBA_TEST_HILFE_H
#define DBA_TEST_HILFE_H

#include <cstdint>
#include <string>

/* A new empty folder under the temp folder, with trailing "\" ("/" in the
 * native build). */
std::string NeuerTestOrdner(const char* name);

/* The folder of the running test program, with trailing separator. */
std::string ProgrammOrdner();

/* Starts `programm` (a program beside the test program, named without
 * ".exe") with the arguments `ordner` (a data folder as NeuerTestOrdner
 * gives it) and `zahl`. A handle of the process, 0 when it could not be
 * started. */
intptr_t ProzessStarten(const char* programm, const std::string& ordner, unsigned zahl);
/* true while the process runs. */
bool ProzessLaeuft(intptr_t prozess);
/* Kills the process (it gets no chance to finish anything) and waits for it. */
void ProzessToeten(intptr_t prozess);

#endif
