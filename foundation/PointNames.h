#pragma once
// Successive point names: the trailing decimal number of a name advanced by a step.
#include "platform/text/CString.h"

// Pt9 -> Pt10, A007 -> A8 (leading zeros are not kept), B -> B1, K1- -> K1-1. Numbers of any length
// are added exactly, so a long trailing number never wraps round to an earlier name.
CString NextPointNameOf(const CString& name, int step);
