#pragma once
// Three related texts: the last names of the point-name series J, Z and F wherever the program keeps them.
#include "platform/text/CString.h"

struct TextTriple {
    CString first;
    CString second;
    CString third;

    void Reset() { *this = TextTriple{}; }

    bool operator==(const TextTriple&) const = default;
};
