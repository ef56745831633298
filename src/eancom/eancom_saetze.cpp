/*
 * eancom_saetze.cpp - a message's files: opened at its first LIN line, the
 * header line, one catalogue or despatch record per line, the supplier's
 * address file (written through the EDI record library).
 */
#include "eancom/eancom_intern.h"

#include <string.h>

namespace eancom {

namespace {

/* The characteristic's code or text into a record field (the other one
 * when the first is empty). */
void Feld(char* feld, size_t breite, const Merkmal& m, bool codeZuerst)
{
    const char* erst = codeZuerst ? m.code : m.text;
    const char* dann = codeZuerst ? m.text : m.code;
    Setzen(feld, breite - 1, erst[0] ? erst : dann);
}

void Kopfzeile(Lauf& l, const char* nachricht)
{
    EDI_KOPFSATZ kopf;
    memset(&kopf, 0, sizeof kopf);
    SETZEN(kopf, Nachricht, nachricht);
    /* sender and partner are both the supplier: the selection page looks
     * a catalogue's supplier up by them */
    Setzen(kopf.AbsenderIln, sizeof kopf.AbsenderIln - 1, l.su.gln);
    Setzen(kopf.PartnerIln, sizeof kopf.PartnerIln - 1, l.su.gln);
    char beschreibung[64];
    snprintf(beschreibung, sizeof beschreibung, "EANCOM %s", l.dokument[0] ? l.dokument : l.unhRef);
    Setzen(kopf.Beschreibung, sizeof kopf.Beschreibung - 1, beschreibung);
    char zeile[EDI_AUSGABE_GROESSE];
    int32_t n = l.art == PRICAT ? EDIPRICAT_BTEPRI_SatzErstellen(zeile, &kopf)
                                : EDIDESADV_BTEDES_SatzErstellen(zeile, &kopf);
    if (n > 0)
        Schreiben(l, l.haupt, zeile, static_cast<size_t>(n));
}

/* The supplier's GLN: NAD+SU, else the interchange sender when it is a
 * GLN, else the caller's table of senders. */
bool LieferantFinden(Lauf& l, const Segment& s)
{
    if (l.su.gln[0])
        return true;
    if (IstGln(l.unbSender)) {
        memcpy(l.su.gln, l.unbSender, sizeof l.su.gln);
        return true;
    }
    const char* sender = l.unbSender[0] ? l.unbSender : l.su.kennung;
    char gln[14] = "";
    if (sender[0] && l.e->Sender != nullptr && l.e->Sender(l.e->Daten, sender, gln) == 1 && IstGln(gln)) {
        memcpy(l.su.gln, gln, sizeof l.su.gln);
        return true;
    }
    if (sender[0])
        AblehnenF(l, s, "no supplier GLN: NAD+SU carries none and the sender \"%s\" is no GLN; add the line "
                  "\"%s=<the supplier's GLN>\" to the section [EANCOM_ABSENDER] of the EDI settings "
                  "(OXEANCOM: --absender %s=<GLN>)", sender, sender, sender);
    else
        Ablehnen(l, s, "no supplier: expected NAD+SU with a 13-digit GLN before the first LIN");
    return false;
}

} // namespace

bool DateienOeffnen(Lauf& l, const Segment& s)
{
    if (l.kopfGeschrieben)
        return true;
    if (!LieferantFinden(l, s))
        return false;
    Partei empfaenger = l.by.gln[0] ? l.by : l.dp;
    if (!empfaenger.gln[0] && IstGln(l.unbEmpfaenger))
        memcpy(empfaenger.gln, l.unbEmpfaenger, sizeof empfaenger.gln);
    if (l.art == DESADV && !empfaenger.gln[0]) {
        Ablehnen(l, s, "no buyer: expected NAD+BY with a 13-digit GLN before the first LIN");
        return false;
    }
    char stamm[EANCOM_PFAD];
    if (l.nummer > 1)
        snprintf(stamm, sizeof stamm, "%s-%d", l.stamm, l.nummer);
    else
        Kopie(stamm, sizeof stamm, l.stamm);
    const char* endung = l.art == PRICAT ? ".INH" : ".DES";
    const char* adr = l.art == PRICAT && l.su.name[0] ? ".ADR" : nullptr;
    if (!AusgabeNameWaehlen(l, stamm, endung, adr, l.ausgabeStamm, sizeof l.ausgabeStamm)) {
        Ablehnen(l, s, "no free name for the converted files in the target folder");
        return false;
    }
    if (strcmp(l.ausgabeStamm, stamm) != 0)
        MeldenF(l, EANCOM_WARNUNG, s, ": \"%s%s\" is a file this run read or made: the message is written as "
                "\"%s%s\"", stamm, endung, l.ausgabeStamm, endung);
    char name[EANCOM_PFAD];
    snprintf(name, sizeof name, "%s%s", l.ausgabeStamm, endung);
    bool ok = Oeffnen(l, l.haupt, name, l.puffer[0]);
    if (ok && adr != nullptr) {
        snprintf(name, sizeof name, "%s%s", l.ausgabeStamm, adr);
        ok = Oeffnen(l, l.adresse, name, l.puffer[1]);
    }
    if (!ok) {
        Ablehnen(l, s, "the target file cannot be written");
        return false;
    }
    l.kopfGeschrieben = true;
    Kopfzeile(l, l.art == PRICAT ? "PRICAT" : "DESADV");
    if (l.art == DESADV) {
        memset(&l.dkopf, 0, sizeof l.dkopf);
        SETZEN(l.dkopf, Nachrichtentyp, "DESADV");
        Setzen(l.dkopf.Nachrichtenfunktion, 2, l.funktion);
        Setzen(l.dkopf.Nachrichtennummer, sizeof l.dkopf.Nachrichtennummer - 1, l.unhRef);
        Setzen(l.dkopf.Lieferscheinnummer, sizeof l.dkopf.Lieferscheinnummer - 1, l.dokument);
        SETZEN(l.dkopf, Lieferdatum, l.lieferdatum);
        SETZEN(l.dkopf, Versanddatum, l.versanddatum);
        SETZEN(l.dkopf, LieferantenIln, l.su.gln);
        Setzen(l.dkopf.KaeuferIln, 13, empfaenger.gln);
        Setzen(l.dkopf.LieferortIln, 13, l.dp.gln[0] ? l.dp.gln : empfaenger.gln);
        char zeile[EDI_AUSGABE_GROESSE];
        int32_t n = EDIDESADV_KopfSatzErstellen(zeile, &l.dkopf);
        if (n > 0)
            Schreiben(l, l.haupt, zeile, static_cast<size_t>(n));
    }
    return true;
}

void PricatZeile(Lauf& l)
{
    const Posten& p = l.p;
    PRICAT_DATEN d;
    memset(&d, 0, sizeof d);
    SETZEN(d, Nachrichtentyp, "PRICAT");
    Setzen(d.Lieferant, sizeof d.Lieferant - 1, l.su.name[0] ? l.su.name : l.su.gln);
    Setzen(d.Nachrichtenfunktion, 2, p.aktion[0] == '2' && p.aktion[1] == '\0' ? "AU" : l.funktion);
    Setzen(d.Waehrung, 3, l.waehrung[0] ? l.waehrung : "EUR");
    SETZEN(d, LieferantenIln, l.su.gln);
    Setzen(d.Nachrichtennummer, sizeof d.Nachrichtennummer - 1, l.dokument);
    SETZEN(d, Nachrichtendatum, l.datum);
    SETZEN(d, GueltigAb, p.gueltig[0] ? p.gueltig : l.gueltig);
    Setzen(d.Lieferantenartikelnummer, sizeof d.Lieferantenartikelnummer - 1, p.nummer);
    Setzen(d.Hauptgruppe, sizeof d.Hauptgruppe - 1, l.gruppe);
    SETZEN(d, Mengeneinheit, "PCE");
    SETZEN(d, Ean, p.ean);
    Setzen(d.Artikel, sizeof d.Artikel - 1, p.nummer[0] ? p.nummer : p.beschreibung[0] ? p.beschreibung : p.ean);
    Feld(d.Merkmal7, sizeof d.Merkmal7, p.groesse, true);
    Feld(d.Groessentext, sizeof d.Groessentext, p.groesse, false);
    Feld(d.BleFarbe, sizeof d.BleFarbe, p.farbe, true);
    Feld(d.Lieferantenfarbe, sizeof d.Lieferantenfarbe, p.farbe, false);
    Feld(d.Material, sizeof d.Material, p.material, false);
    Setzen(d.Zusatztext, sizeof d.Zusatztext - 1, p.kurztext);
    Setzen(d.Artikelbeschreibung, sizeof d.Artikelbeschreibung - 1, p.beschreibung);
    /* a price the supplier did not send stays empty: "no price", never 0 */
    char preis[22];
    if (p.ek.rang < 99) {
        Zahltext(p.ek.wert, preis);
        SETZEN(d, Preis1, preis);
    }
    if (p.vk.rang < 99) {
        Zahltext(p.vk.wert, preis);
        SETZEN(d, Preis2, preis);
    }
    if (p.vk2.rang < 99) {
        Zahltext(p.vk2.wert, preis);
        SETZEN(d, Preis3, preis);
    }
    Feld(d.Warengruppe, sizeof d.Warengruppe, p.gruppe, false);
    Feld(d.Saison, sizeof d.Saison, p.saison, false);
    Feld(d.Label, sizeof d.Label, p.marke, false);
    Setzen(d.MwstSatz, sizeof d.MwstSatz - 1, p.mwst[0] ? p.mwst : l.kopfMwst);
    char zeile[EDI_AUSGABE_GROESSE];
    int32_t n = EDIPRICAT_PRICAT_VerschluesseltenSatzErstellen(zeile, &d, 0, nullptr);
    if (n > 0)
        Schreiben(l, l.haupt, zeile, static_cast<size_t>(n));
}

void DesadvZeile(Lauf& l)
{
    const Posten& p = l.p;
    DESADV_REFERENZ r;
    DESADV_POSITION pos;
    memset(&r, 0, sizeof r);
    memset(&pos, 0, sizeof pos);
    Setzen(r.Bestellnummer, sizeof r.Bestellnummer - 1, p.bestellung[0] ? p.bestellung : l.kopfBestellung);
    SETZEN(r, Bestelldatum, p.bestellung[0] ? p.bestelldatum : l.kopfBestelldatum);
    Setzen(r.Bestellposition, sizeof r.Bestellposition - 1, p.bestellposition);
    Setzen(r.Auftragsnummer, sizeof r.Auftragsnummer - 1, p.auftrag);
    Setzen(pos.Positionsnummer, sizeof pos.Positionsnummer - 1, p.zeile);
    Setzen(pos.Artikelbeschreibung, sizeof pos.Artikelbeschreibung - 1, p.beschreibung);
    Feld(pos.Farbe, sizeof pos.Farbe, p.farbe, false);
    Feld(pos.Groesse, sizeof pos.Groesse, p.groesse, false);
    Setzen(pos.Mengeneinheit, 3, p.einheit[0] ? p.einheit : "PCE");
    Setzen(pos.EmpfaengerIln, 13, l.dkopf.KaeuferIln);
    SETZEN(pos, Gtin, p.ean);
    Setzen(pos.Lieferantenartikelnummer, sizeof pos.Lieferantenartikelnummer - 1, p.nummer);
    Setzen(pos.Kaeuferartikelnummer, sizeof pos.Kaeuferartikelnummer - 1, p.kaeufer);
    Setzen(pos.Packstueck, sizeof pos.Packstueck - 1, l.sscc);
    Setzen(pos.Charge, sizeof pos.Charge - 1, p.charge);
    char menge[22];
    Zahltext(p.menge, menge);
    SETZEN(pos, Menge, menge);
    char zeile[EDI_AUSGABE_GROESSE];
    int32_t n = EDIDESADV_PositionsSatzErstellen(zeile, &l.dkopf, &r, &pos);
    if (n > 0)
        Schreiben(l, l.haupt, zeile, static_cast<size_t>(n));
}

namespace {

/* A value of the address line: separators of the line become blanks. */
size_t AdrWert(char* zeile, size_t n, size_t groesse, const char* wert)
{
    for (const char* c = wert; *c && n + 2 < groesse; c++)
        zeile[n++] = (*c == ';' || *c == '\t' || *c == '\r' || *c == '\n') ? ' ' : *c;
    if (n + 1 < groesse)
        zeile[n++] = ';';
    zeile[n] = '\0';
    return n;
}

} // namespace

void AdresseSchreiben(Lauf& l)
{
    if (!l.adresse.offen)
        return;
    static const char SPALTEN[] =
        "K\xFCrzel;Name;Ansprechpartner;Strasse;Land;PLZ;Ort;Tel1;Tel2;Fax1;Fax2;Bestell-AP;Bestell-Adresse;"
        "Bestell-Tel;Bestell-Fax;Reklam-AP;Reklam-Adresse;Reklam-Tel;Reklam-Fax;RMA-erf;Feste RAM-Nr;UnfreiOK;"
        "BLZ;KTO;USTID;Frachtfrei;Bankname;USTfrei;ILN-Nr.1;ILN-Nr.2;ILN-Nr.3;ILN-Nr.4;ILN-Nr.5;ILN-Nr.6;"
        "ILN-Nr.7;ILN-Nr.8;ILN-Nr.9;ILN-Nr.10;\n";
    const Partei& su = l.su;
    char z[2048];
    size_t n = 0;
    n = AdrWert(z, n, sizeof z, "EAN");
    const char* werte[] = { su.name, su.kontakt, su.strasse, su.land, su.plz, su.ort, su.tel, "", su.fax, "" };
    for (const char* w : werte)
        n = AdrWert(z, n, sizeof z, w);
    for (int i = 0; i < 8; i++)   /* Bestell-AP .. Reklam-Fax: composed by the import */
        n = AdrWert(z, n, sizeof z, "");
    const char* rest[] = { "0", "", "0", "", "", su.ustid, "0", "", "0", su.gln };
    for (const char* w : rest)
        n = AdrWert(z, n, sizeof z, w);
    for (int i = 0; i < 9; i++)
        n = AdrWert(z, n, sizeof z, "");
    if (n + 1 < sizeof z)
        z[n++] = '\n';
    Schreiben(l, l.adresse, SPALTEN, sizeof SPALTEN - 1);
    Schreiben(l, l.adresse, z, n);
}

} // namespace eancom
