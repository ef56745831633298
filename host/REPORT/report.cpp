/*
 * report.cpp - the host's print documents: a named list of text lines with
 * an owner window. The host fills a document line by line; the print
 * viewer (VIEWDLL) copies and shows it.
 */
#include "REPORT/report_host.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

struct B_DOC {
    std::string name;
    HWND besitzer = nullptr;
    std::vector<std::string> zeilen;
};

namespace {

const size_t NAME_MAX = 63;
const size_t ZEILE_MAX = 255;

std::string Gekuerzt(const char* text, size_t max)
{
    size_t n = 0;
    while (n < max && text[n] != '\0')
        n++;
    return std::string(text, n);
}

void Kopieren(char* puffer, int32_t groesse, const std::string& text)
{
    size_t n = text.size() < static_cast<size_t>(groesse - 1) ? text.size() : static_cast<size_t>(groesse - 1);
    std::memcpy(puffer, text.data(), n);
    puffer[n] = '\0';
}

}  // namespace

OX_EXTERN_C B_DOC* OXCALL B_DOC_NewDocument(const char* name, HWND besitzer)
{
    if (name == nullptr)
        return nullptr;
    try {
        B_DOC* dokument = new B_DOC;
        dokument->name = Gekuerzt(name, NAME_MAX);
        dokument->besitzer = besitzer;
        return dokument;
    } catch (...) {
        return nullptr;
    }
}

OX_EXTERN_C int32_t OXCALL B_DOC_AddZeile(B_DOC* dokument, const char* zeile)
{
    if (dokument == nullptr || zeile == nullptr)
        return -1;
    try {
        dokument->zeilen.push_back(Gekuerzt(zeile, ZEILE_MAX));
        return 1;
    } catch (...) {
        return 0;
    }
}

OX_EXTERN_C int32_t OXCALL B_DOC_AnzahlZeilen(const B_DOC* dokument)
{
    return dokument == nullptr ? -1 : static_cast<int32_t>(dokument->zeilen.size());
}

OX_EXTERN_C int32_t OXCALL B_DOC_GetZeile(const B_DOC* dokument, int32_t index, char* puffer, int32_t groesse)
{
    if (dokument == nullptr || puffer == nullptr || groesse < 1)
        return -1;
    if (index < 0 || static_cast<size_t>(index) >= dokument->zeilen.size()) {
        puffer[0] = '\0';
        return 0;
    }
    Kopieren(puffer, groesse, dokument->zeilen[static_cast<size_t>(index)]);
    return 1;
}

OX_EXTERN_C int32_t OXCALL B_DOC_DestroyDocument(B_DOC* dokument)
{
    delete dokument;
    return 1;
}
