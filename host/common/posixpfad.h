/*
 * posixpfad.h - a path as the module and the host libraries write it
 * (ANSI, "\" between folders, letters in any case, as on Windows) turned
 * into one a POSIX system opens: every "\" becomes "/", and each part that
 * does not exist as written but exists in another case (one entry only)
 * is taken as it exists. Parts that exist nowhere stay as written, so a
 * file to be created keeps the name it was given.
 *
 * Built only where there is no Windows (the native build).
 */
#ifndef OX_COMMON_POSIXPFAD_H
#define OX_COMMON_POSIXPFAD_H

#include <string>

std::string PosixPfad(const std::string& pfad);

#endif
