#pragma once
// Successive point names: the trailing decimal number of a name advanced by a step.
#include <functional>

#include "platform/text/CString.h"

// Pt9 -> Pt10, A007 -> A8 (leading zeros are not kept), B -> B1, K1- -> K1-1. Numbers of any length
// are added exactly, so a long trailing number never wraps round to an earlier name.
CString NextPointNameOf(const CString& name, int step);

// `name` itself when `taken` does not hold it, else the first of its successors (step 1) that it does
// not: the names a point file already holds are never offered again.
CString FirstFreeName(const CString& name, const std::function<bool(const CString&)>& taken);
