/*
 * testordner.h - fresh folders and small file helpers for tests.
 */
#ifndef OX_TEST_TESTORDNER_H
#define OX_TEST_TESTORDNER_H

#include <string>

/* A new, empty folder under the temp folder, unique per call, with
 * trailing backslash ("/" in the native build). */
std::string NeuerTestordner(const std::string& name);

/* Whole file as bytes; empty when missing. */
std::string DateiLesen(const std::string& pfad);
void DateiSchreiben(const std::string& pfad, const std::string& inhalt);
bool Existiert(const std::string& pfad);

#endif
