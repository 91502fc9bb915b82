#include "text/AsciiForms.h"

const char* AsciiFormOf(char32_t character)
{
    switch (character) {
    case U'\u2018': // left and right single quotes, the low one and the prime
    case U'\u2019':
    case U'\u201A':
    case U'\u2032': return "'";
    case U'\u201C': // the double ones
    case U'\u201D':
    case U'\u201E':
    case U'\u2033': return "\"";
    case U'\u2010': // hyphen, non-breaking hyphen, figure, en and em dashes, minus
    case U'\u2011':
    case U'\u2012':
    case U'\u2013':
    case U'\u2014':
    case U'\u2212': return "-";
    case U'\u2026': return "...";
    case U'\u20AC': return "EUR";
    case U'\u2022': return "*";
    default: return nullptr;
    }
}
