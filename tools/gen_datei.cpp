/*
 * gen_datei.cpp - files of the generator, written through FILEIO.
 */
#include "gen_intern.h"
#include "hostapi/fileio.h"

#include <string.h>

namespace {
const size_t PUFFER_GROESSE = 1 << 20;

void Leeren(GEN_DATEI* d)
{
    if (d->Puffer.empty())
        return;
    if (d->Handle <= 0 ||
        FileIO_Write(d->Handle, d->Puffer.data(), static_cast<int32_t>(d->Puffer.size())) !=
            static_cast<int32_t>(d->Puffer.size()))
        d->Fehler = true;
    d->Geschrieben += static_cast<int64_t>(d->Puffer.size());
    d->Puffer.clear();
}
} // namespace

std::string GenOrdnerVon(const std::string& pfad)
{
    size_t p = pfad.find_last_of("\\/");
    return p == std::string::npos ? std::string() : pfad.substr(0, p + 1);
}

bool GenOrdnerAnlegen(const std::string& ordner)
{
    if (ordner.empty())
        return true;
    return FileIO_PathExist(ordner.c_str()) || FileIO_PathCreate(ordner.c_str());
}

bool GenDateiAnlegen(GEN_DATEI* d, const std::string& pfad)
{
    d->Puffer.clear();
    d->Puffer.reserve(PUFFER_GROESSE + 4096);
    d->Geschrieben = 0;
    d->Fehler = false;
    GenOrdnerAnlegen(GenOrdnerVon(pfad));
    d->Handle = FileIO_CreateRWS(pfad.c_str());
    if (d->Handle <= 0) {
        d->Fehler = true;
        return false;
    }
    return true;
}

void GenDateiSchreiben(GEN_DATEI* d, const char* daten, size_t n)
{
    d->Puffer.append(daten, n);
    if (d->Puffer.size() >= PUFFER_GROESSE)
        Leeren(d);
}

void GenDateiSchreiben(GEN_DATEI* d, const std::string& text)
{
    GenDateiSchreiben(d, text.data(), text.size());
}

bool GenDateiSchliessen(GEN_DATEI* d)
{
    Leeren(d);
    if (d->Handle > 0)
        FileIO_Close(d->Handle);
    d->Handle = 0;
    return !d->Fehler;
}

bool GenDateiInhalt(const std::string& pfad, const std::string& inhalt)
{
    GEN_DATEI d;
    if (!GenDateiAnlegen(&d, pfad))
        return false;
    GenDateiSchreiben(&d, inhalt);
    return GenDateiSchliessen(&d);
}

bool GenTrifft(int64_t i, int64_t anzahl, int64_t gesamt, int64_t versatz)
{
    if (anzahl <= 0 || gesamt <= 0)
        return false;
    if (anzahl >= gesamt)
        return true;
    int64_t j = (i + versatz) % gesamt;
    return (j + 1) * anzahl / gesamt > j * anzahl / gesamt;
}

std::string GenBeschaedigen(const std::string& zeile, const std::string& zweite, int art, uint64_t zufall)
{
    std::string z = zeile;
    size_t ende = z.find_first_of("\r\n");
    if (ende == std::string::npos)
        ende = z.size();
    switch (art % 4) {
    case 0: {
        /* one character of the payload changed into another of the alphabet */
        size_t p = ende > 14 ? 13 + static_cast<size_t>(zufall % (ende - 13)) : 0;
        z[p] = z[p] == 'R' ? 'l' : 'R';
        return z;
    }
    case 1:
        /* the line cut in the middle */
        return z.substr(0, ende / 2) + "\r\n";
    case 2:
        /* longer than any record buffer */
        return "#0514" + std::string(2100, 'R') + "\r\n";
    default:
        /* the line end lost: two lines run together */
        return z.substr(0, ende) + zweite;
    }
}

std::string GenImportOrdner(const std::string& datenOrdner)
{
    std::string o = datenOrdner;
    while (!o.empty() && (o.back() == '\\' || o.back() == '/'))
        o.pop_back();
    return GenOrdnerVon(o) + "EDI_IMPORT\\";
}

std::string GenTextmodus(const std::string& text)
{
    std::string aus;
    aus.reserve(text.size() + 16);
    for (char c : text) {
        if (c == '\n')
            aus += '\r';
        aus += c;
    }
    return aus;
}
