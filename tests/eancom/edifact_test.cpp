/*
 * The EDIFACT reader on its own: splitting with release characters and
 * other separators, segment numbers and byte offsets, segments across the
 * reader's blocks, numbers and the character set conversion; and the
 * command-line converter's exit codes.
 */
#include <gtest/gtest.h>
#include <windows.h>

#include "eancom_lauf.h"
#include "eancom_muster.h"
#include "edi/edi_hilfen.h"
#include "eancom/edifact.h"
#include "harness/testordner.h"

#include <string>
#include <vector>

using namespace eancom;

namespace {

/* Every segment as "TAG|e1c1:e1c2|e2..." with the texts copied out, plus
 * its number and offset; a final "!" line holds the error, if any. */
struct Gelesen {
    std::vector<std::string> segmente;
    std::vector<uint32_t> nummern;
    std::vector<uint64_t> offsets;
    std::string fehler;
};

Gelesen Lesen(Leser* l, Zeichensatz zs = ZS_LATIN1)
{
    Gelesen g;
    Segment* s = new Segment;
    Fehler f;
    int r;
    while ((r = edi_naechstes(l, *s, f)) == 1) {
        std::string text;
        for (int e = 0; e < s->elemente; e++) {
            if (e > 0)
                text += '|';
            for (int k = 0; k < s->anzahl[e]; k++) {
                char t[EL_MAX_LAENGE + 1];
                edi_text_kopieren(*s, e, k, edi_trenner(l), zs, t, sizeof t);
                text += (k > 0 ? ":" : "") + std::string(t);
            }
        }
        if (s->problem[0])
            text += " !" + std::string(s->problem);
        g.segmente.push_back(text);
        g.nummern.push_back(s->nummer);
        g.offsets.push_back(s->offset);
    }
    if (r < 0)
        g.fehler = "segment " + std::to_string(f.segment) + " byte " + std::to_string(f.offset) + ": " + f.text;
    delete s;
    edi_leser_schliessen(l);
    return g;
}

Gelesen AusSpeicher(const std::string& text, Zeichensatz zs = ZS_LATIN1)
{
    return Lesen(edi_leser_speicher(text.data(), text.size()), zs);
}

TEST(Edifact, ZerlegenMitFreigabeUndEigenenTrennern)
{
    const struct {
        const char* name;
        std::string text;
        std::vector<std::string> segmente;
    } faelle[] = {
        { "standard", "UNB+UNOC:3+A'IMD+F++:::Jacke?+Hose?:?'?" "?'",
          { "UNB|UNOC:3|A", "IMD|F||:::Jacke+Hose:'?" } },
        { "zeilenenden", "\xEF\xBB\xBF\r\n  UNB+UNOC:3'\r\n\r\nUNH+1'\nUNT+2+1'\r\n", { "UNB|UNOC:3", "UNH|1", "UNT|2|1" } },
        { "una_eigene", "UNA^*,# ~UNB*UNOC^3~PRI*AAA^12,5#~~", { "UNA", "UNB|UNOC:3", "PRI|AAA:12,5~" } },
        { "una_ohne_freigabe", "UNA:+.  'FTX+AAI+++a?b'", { "UNA", "FTX|AAI|||a?b" } },
        { "leere_elemente", "DTM+++:'", { "DTM|||:" } },
        { "kleiner_tag", "lin+1'", { "lin|1" } },
        { "schlechter_tag", "L1+2'L-N+3'", { "L1|2 !the segment tag is not three letters or digits",
                                              "L-N|3 !the segment tag is not three letters or digits" } },
        { "ohne_elemente", "UNS'CNT'UNS+S'", { "UNS", "CNT", "UNS|S" } },
        { "zwei_una", "UNA:+.? 'UNB+UNOC:3'UNZ+0'\nUNA^*,# ~UNB*UNOC^3~UNZ*0~",
          { "UNA", "UNB|UNOC:3", "UNZ|0", "UNA", "UNB|UNOC:3", "UNZ|0" } },
        { "stern_unter_syntax_3", "UNA:+.?*'FTX+AAI+++2*3 Paar'", { "UNA", "FTX|AAI|||2*3 Paar" } },
        { "vorspann", "From: lieferant@example.com\r\nSubject: PRICAT\r\n\r\nUNA:+.? 'UNB+UNOC:3'",
          { "UNA", "UNB|UNOC:3" } },
        { "zeilenende_als_terminator", "UNA:+.? \nUNB+UNOC:3\r\nPRI+AAA:12.50\r\n", { "UNA", "UNB|UNOC:3", "PRI|AAA:12.50" } },
        { "zu_lang", "IMD+F+" + std::string(513, 'x') + "'",
          { "IMD|F|" + std::string(512, 'x') + " !element 2 has a component longer than 512 characters" } },
        { "freigabe_zaehlt_nicht", "IMD+F+" + std::string(511, 'x') + "?+'", { "IMD|F|" + std::string(511, 'x') + "+" } },
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Gelesen g = AusSpeicher(f.text);
        EXPECT_EQ(f.segmente, g.segmente);
        EXPECT_EQ("", g.fehler);
    }
}

TEST(Edifact, NummernOffsetsUndFehlerstellen)
{
    Gelesen g = AusSpeicher("UNA:+.? '\nUNB+UNOC:3'\r\nUNH+1'BGM+9+?'X'");
    EXPECT_EQ((std::vector<uint32_t>{ 1, 2, 3, 4 }), g.nummern);
    EXPECT_EQ((std::vector<uint64_t>{ 0, 10, 23, 29 }), g.offsets);
    EXPECT_EQ("", g.fehler);

    const std::pair<std::string, std::string> kaputt[] = {
        { "UNB+UNOC:3'UNH+1", "segment 2 byte 11: the file ends inside a segment: expected the segment terminator '" },
        { "UNA:+", "segment 1 byte 0: UNA is cut short: expected 6 service characters after UNA" },
        { "UNA::.? 'X'", "segment 1 byte 0: UNA: expected different characters for component, element, release and "
                         "segment separators" },
        { "UNA:+x? 'X'", "segment 1 byte 0: UNA: expected a point or a comma as the decimal mark" },
        { "UNB+A'" + std::string(70000, 'x') + "'", "segment 2 byte 6: segment longer than 65536 bytes: expected a "
                                                    "segment terminator" },
    };
    for (const auto& k : kaputt)
        EXPECT_EQ(k.second, AusSpeicher(k.first).fehler) << k.first.substr(0, 20);
}

/* Segments that straddle the reader's 1 MB blocks, a release character
 * right at the edge among them, come out as from memory. */
TEST(Edifact, SegmenteUeberBlockgrenzen)
{
    std::string text = "UNB+UNOC:3'";
    for (size_t ziel : { size_t(1) << 20, (size_t(2) << 20) + 1, (size_t(3) << 20) - 1 }) {
        while (text.size() + 100 < ziel)
            text += "FTX+AAI+++Text?+mit?:Trennern und Laenge'";
        text += std::string(ziel - text.size() - 1, 'y');
        text += "?'z'";   /* the release character is the block's last byte */
    }
    text += "UNZ+0'";
    std::string pfad = edihilfe::TempDatei("bloecke.edi");
    edihilfe::Schreiben(pfad, text);
    Gelesen datei = Lesen(edi_leser_datei(pfad.c_str()));
    Gelesen speicher = AusSpeicher(text);
    EXPECT_EQ("", datei.fehler);
    EXPECT_EQ(speicher.segmente, datei.segmente);
    EXPECT_EQ(speicher.offsets, datei.offsets);
    EXPECT_EQ("UNZ|0", datei.segmente.back());
    DeleteFileA(pfad.c_str());
}

TEST(Edifact, ZahlenMitPunktOderKomma)
{
    const struct {
        const char* text;
        int stellen;
        int ergebnis;
        int64_t wert;
    } faelle[] = {
        { "12.50", 2, 1, 1250 },  { "12,5", 2, 1, 1250 },    { "0.005", 2, 1, 1 },     { "0.004", 2, 1, 0 },
        { "-3", 2, 1, -300 },     { "?+7", 0, -1, 0 } /* a released sign: no number */,         { " 19 ", 2, 1, 1900 },   { "", 2, 0, 0 },
        { "1.2.3", 2, -1, 0 },    { "12a", 2, -1, 0 },       { ".", 2, -1, 0 },        { "999999999999999", 0, 1, 999999999999999 },
        { "1000000000000000", 0, -1, 0 }, { "99999999999999", 2, -1, 0 }, { "125.004", 6, 1, 125004000 },
    };
    for (const auto& f : faelle) {
        std::string text = std::string("PRI+AAA:") + f.text + "'";
        Leser* l = edi_leser_speicher(text.data(), text.size());
        Segment* s = new Segment;
        Fehler fe;
        ASSERT_EQ(1, edi_naechstes(l, *s, fe));
        int64_t wert = 0;
        EXPECT_EQ(f.ergebnis, edi_zahl(*s, 1, 1, f.stellen, &wert)) << f.text;
        if (f.ergebnis == 1) {
            EXPECT_EQ(f.wert, wert) << f.text;
        }
        delete s;
        edi_leser_schliessen(l);
    }
}

TEST(Edifact, ZeichensaetzeWerdenCp1252)
{
    const struct {
        const char* roh;
        Zeichensatz zs;
        const char* cp1252;
    } faelle[] = {
        { "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC", ZS_UTF8, "Gr\xFC\xDF" "e \x80" },
        { "\xE2\x80\x9EZitat\xE2\x80\x9C", ZS_UTF8, "\x84Zitat\x93" },
        { "Emoji \xF0\x9F\x98\x80!", ZS_UTF8, "Emoji ?!" },
        { "kaputt \xC3 \xFF", ZS_UTF8, "kaputt ? ?" },
        { "\xC0\xAF", ZS_UTF8, "??" },          /* overlong form of "/" */
        { "Gr\xFC\xDF" "e", ZS_LATIN1, "Gr\xFC\xDF" "e" },
        { "  Tab\there  ", ZS_LATIN1, "Tab here" },
        { "Tab\t?:here", ZS_UTF8, "Tab :here" },
    };
    for (const auto& f : faelle) {
        Gelesen g = AusSpeicher(std::string("IMD+F++:::") + f.roh + "'", f.zs);
        ASSERT_EQ(1u, g.segmente.size());
        EXPECT_EQ(std::string("IMD|F||:::") + f.cp1252, g.segmente[0]) << f.roh;
    }
    /* a cut copy stays terminated and reports the whole length */
    std::string text = "IMD+F++:::abcdef'";
    Leser* l = edi_leser_speicher(text.data(), text.size());
    Segment* s = new Segment;
    Fehler fe;
    ASSERT_EQ(1, edi_naechstes(l, *s, fe));
    char klein[4];
    EXPECT_EQ(6u, edi_text_kopieren(*s, 3, 3, edi_trenner(l), ZS_LATIN1, klein, sizeof klein));
    EXPECT_STREQ("abc", klein);
    delete s;
    edi_leser_schliessen(l);
}

/* OXEANCOM.EXE as a user runs it: exit code 0, 1 or 2 and its lines. */
int Ausfuehren(const std::string& befehl, std::string* ausgabe)
{
    std::string datei = edihilfe::TempDatei("ausgabe.txt");
    SECURITY_ATTRIBUTES sa = { sizeof sa, nullptr, TRUE };
    HANDLE h = CreateFileA(datei.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = si.hStdError = h;
    PROCESS_INFORMATION pi = {};
    std::string zeile = befehl;
    DWORD code = 99;
    if (CreateProcessA(nullptr, zeile.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 60000);
        GetExitCodeProcess(pi.hProcess, &code);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
    CloseHandle(h);
    *ausgabe = DateiLesen(datei);
    DeleteFileA(datei.c_str());
    return static_cast<int>(code);
}

TEST(Oxeancom, ExitCodesUndMeldungen)
{
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, sizeof exe);
    std::string programm = std::string(exe).substr(0, std::string(exe).find_last_of('\\') + 1) + "OXEANCOM.EXE";
    std::string ordner = NeuerTestordner("oxeancom"), ziel = ordner + "ZIEL\\";
    CreateDirectoryA(ziel.c_str(), nullptr);
    Schreibweise w;
    MusterPricat p = muster_katalog(1, 2, 2, 401234510000ull);
    std::string gut = muster_pricat(p, w);
    MusterPricat zweite = p;
    zweite.referenz = "2";
    /* a segment count that does not match refuses the message */
    std::string falsch = muster_pricat(zweite, w);
    falsch.replace(falsch.find("UNT+"), 4, "UNT+9");
    edihilfe::Schreiben(ordner + "GUT.EDI", muster_interchange({ gut }, w));
    edihilfe::Schreiben(ordner + "TEILS.EDI", muster_interchange({ gut, falsch }, w));
    edihilfe::Schreiben(ordner + "NICHTS.EDI", muster_interchange({ falsch }, w));
    edihilfe::Schreiben(ordner + "NOTIZ.TXT", "kein Interchange");
    /* folders without their last backslash: before a closing quote it
     * would escape the quote */
    std::string z = "\"" + ziel.substr(0, ziel.size() - 1) + "\"";
    const struct {
        std::string argumente;
        int code;
        const char* zeile;
    } faelle[] = {
        { "\"" + ordner + "GUT.EDI\" --ziel " + z, 0, "GUT.EDI: 1 of 1 messages converted (4 catalogue records" },
        { "--ziel " + z + " \"" + ordner + "TEILS.EDI\"", 1, "(message PRICAT 2 refused): UNT: the message has" },
        { "--ziel " + z + " \"" + ordner + "NICHTS.EDI\"", 2, "NICHTS.EDI: 0 of 1 messages converted" },
        { "", 2, "usage: OXEANCOM" },
        { "--unbekannt x", 2, "usage: OXEANCOM" },
        { "--ziel " + z + " \"" + ordner.substr(0, ordner.size() - 1) + "\"", 1, "TEILS.EDI: 1 of 2 messages converted" },
        { "--ziel " + z + " \"" + ordner.substr(0, ordner.size() - 1) + "\"", 1, "NOTIZ.TXT: not an EDIFACT interchange: passed over" },
    };
    for (const auto& f : faelle) {
        std::string ausgabe;
        EXPECT_EQ(f.code, Ausfuehren("\"" + programm + "\" " + f.argumente, &ausgabe)) << f.argumente;
        EXPECT_NE(std::string::npos, ausgabe.find(f.zeile)) << ausgabe;
    }
    EXPECT_EQ(1, GetFileAttributesA((ziel + "GUT.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(1, GetFileAttributesA((ziel + "TEILS.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(0, GetFileAttributesA((ziel + "TEILS-2.INH").c_str()) != INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(muster_interchange({ gut }, w), DateiLesen(ordner + "GUT.EDI")) << "the original is left as it was";
}

} // namespace
