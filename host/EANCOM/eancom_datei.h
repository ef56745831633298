/*
 * eancom_datei.h - the few file operations of the EANCOM converter that
 * differ between Windows and other systems (eancom_datei.cpp holds both).
 */
#ifndef OX_EANCOM_DATEI_H
#define OX_EANCOM_DATEI_H

#include <string>
#include <vector>

namespace eancom {

/* Renames `alt` to `neu`, replacing a file of that name. 1 = done. */
int datei_umbenennen(const std::string& alt, const std::string& neu);

/* 1 when `pfad` is a folder. */
int ist_ordner(const std::string& pfad);

/* The names (without folder) of the plain files in `ordner`, sorted. */
std::vector<std::string> ordner_dateien(const std::string& ordner);

/* The folder separator of the system ('\\' on Windows, '/' elsewhere). */
char trennzeichen();

} // namespace eancom

#endif
