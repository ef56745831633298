/*
 * ziel_eancom.cpp - fuzz target: the EANCOM converter (EDIFACT reader and
 * PRICAT/DESADV mapping) over any bytes, writing into memory. Every file
 * it makes must read back through the EDI record library: a header line,
 * then records that decode, with 13-digit EANs and GLNs; the counts it
 * reports must match what it wrote; and the EDIFACT reader must hand out
 * the same segments whether the input comes in one piece or from a file
 * read in blocks. Besides: a sender table is given, so the supplier can be
 * found the third way; every warning and refusal names the file (and,
 * where it has one, the segment and byte offset inside the input); every
 * dropped line is counted as a warning; and an output written into a
 * folder of the run never takes the name of the source.
 */
#include "eancom_lauf.h"
#include "eancom/edifact.h"
#include "hostapi/edi.h"
#include "nativ/werkzeug.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace eancom;

namespace {

bool Ziffern(const char* f, size_t n)
{
    if (strnlen(f, n) != 13)
        return false;
    for (size_t i = 0; i < 13; i++)
        if (f[i] < '0' || f[i] > '9')
            return false;
    return true;
}

/* Record lines of a file (the first line is the header line). */
long Pruefen(const std::string& name, const std::string& inhalt)
{
    bool katalog = name.size() > 4 && name.compare(name.size() - 4, 4, ".INH") == 0;
    bool desadv = name.size() > 4 && name.compare(name.size() - 4, 4, ".DES") == 0;
    if (!katalog && !desadv) {
        NativPruefen(inhalt.find("\n") != std::string::npos, "address file has its lines");
        return 0;
    }
    long saetze = 0;
    size_t pos = inhalt.find('\n');
    NativPruefen(pos != std::string::npos && inhalt.compare(0, 3, "BTE") == 0, "header line first");
    pos++;
    bool kopf = desadv;
    while (pos < inhalt.size()) {
        size_t ende = inhalt.find('\n', pos);
        NativPruefen(ende != std::string::npos && ende - pos < EDI_SATZ_GROESSE, "record line fits the reader");
        std::string zeile = inhalt.substr(pos, ende + 1 - pos);
        pos = ende + 1;
        if (katalog) {
            PRICAT_DATEN d;
            int32_t info = 0;
            NativPruefen(EDIPRICAT_VerarbeitePRICAT_Satz(zeile.c_str(), EDI_NACHRICHT_PRICAT, &info, &d) == 1,
                         "catalogue record decodes");
            NativPruefen(Ziffern(d.Ean, sizeof d.Ean) && Ziffern(d.LieferantenIln, sizeof d.LieferantenIln),
                         "EAN and supplier GLN of 13 digits");
            saetze++;
        } else {
            DESADV_KOPF k;
            DESADV_REFERENZ r;
            DESADV_POSITION p;
            NativPruefen(EDIDESADV_VerarbeiteDESADV_Satz(zeile.c_str(), EDI_NACHRICHT_DESADV, &k, &r, &p) == 1,
                         "despatch record decodes");
            if (kopf) {
                kopf = false;
                continue;
            }
            NativPruefen(Ziffern(p.Gtin, sizeof p.Gtin) && Ziffern(p.EmpfaengerIln, sizeof p.EmpfaengerIln),
                         "GTIN and addressee of 13 digits");
            saetze++;
        }
    }
    return saetze;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* daten, size_t groesse)
{
    const char* text = reinterpret_cast<const char*>(daten);
    Ergebnis e;
    Optionen o;
    o.absender = { { "A", "4012345000016" }, { "STRICK01", "4000000000001" } };
    int r = eancom_speicher_umsetzen(text, groesse, "F.EDI", "", e, o);
    NativPruefen(e.verworfen <= static_cast<int>(e.warnungen.size()) || e.warnungen.size() >= 48,
                 "every dropped line named");
    for (const std::string& z : e.zeilen) {
        NativPruefen(z.compare(0, 5, "F.EDI") == 0, "every line names the file");
        size_t byte = z.find("(byte ");
        if (byte != std::string::npos && z.compare(5, 10, ": segment ") == 0)
            NativPruefen(strtoull(z.c_str() + byte + 6, nullptr, 10) <= groesse, "byte offset inside the input");
    }
    NativPruefen(r >= 0 && r <= 2, "exit code 0, 1 or 2");
    NativPruefen(e.umgesetzt + e.abgelehnt == e.nachrichten, "every message converted or refused");
    NativPruefen((r == 0) == (e.umgesetzt > 0 && e.abgelehnt == 0), "0 = all converted");
    NativPruefen((r == 2) == (e.umgesetzt == 0), "2 = nothing converted");
    NativPruefen(e.abgelehnt <= static_cast<int>(e.meldungen.size()), "every refusal named");
    long saetze = 0;
    for (const auto& datei : e.speicher)
        saetze += Pruefen(datei.first, datei.second);
    NativPruefen(saetze == e.variationen + e.positionen, "counts match the records written");

    NativPruefen(EancomErkennen(text, groesse) == 0 || EancomErkennen(text, groesse) == 1, "recognised or not");

    /* the same segments from memory and from a file read in blocks */
    NativArbeitsordner();
    NativDateiSchreiben("F.EDI", daten, groesse);
    if (groesse < 4096) {
        /* converted beside itself under the name of its own output (the
         * catalogue or the address file): the source stays as it was */
        const char* quelle = groesse % 2 ? "Q.INH" : "Q.ADR";
        NativDateiSchreiben(quelle, daten, groesse);
        Ergebnis d;
        eancom_datei_umsetzen(quelle, "./", d, o);
        FILE* f = fopen(quelle, "rb");
        NativPruefen(f != nullptr, "the source is still there");
        std::string wieder(groesse + 1, '\0');
        size_t n = f ? fread(&wieder[0], 1, groesse + 1, f) : 0;
        if (f)
            fclose(f);
        NativPruefen(n == groesse && memcmp(wieder.data(), daten, groesse) == 0, "the source is never replaced");
        for (const std::string& datei : d.dateien)
            remove(datei.c_str());
    }
    Leser* a = edi_leser_speicher(text, groesse);
    Leser* b = edi_leser_datei("F.EDI");
    NativPruefen(b != nullptr, "file reader opens");
    Segment* sa = new Segment;
    Segment* sb = new Segment;
    Fehler fa, fb;
    for (;;) {
        int ra = edi_naechstes(a, *sa, fa);
        int rb = edi_naechstes(b, *sb, fb);
        NativPruefen(ra == rb, "same result from memory and file");
        if (ra != 1) {
            NativPruefen(ra == 0 || (fa.offset == fb.offset && fa.segment == fb.segment), "same error place");
            break;
        }
        NativPruefen(sa->offset == sb->offset && sa->tag == sb->tag && sa->elemente == sb->elemente,
                     "same segment");
        NativPruefen(sa->offset < groesse, "offset inside the input");
        char ta[EL_MAX_LAENGE + 1], tb[EL_MAX_LAENGE + 1];
        for (int el = 0; el < sa->elemente; el++) {
            edi_text_kopieren(*sa, el, 0, edi_trenner(a), ZS_UTF8, ta, sizeof ta);
            edi_text_kopieren(*sb, el, 0, edi_trenner(b), ZS_UTF8, tb, sizeof tb);
            NativPruefen(strcmp(ta, tb) == 0, "same text");
            int64_t w;
            edi_zahl(*sa, el, 0, 2, &w);
        }
    }
    delete sa;
    delete sb;
    edi_leser_schliessen(a);
    edi_leser_schliessen(b);
    return 0;
}
