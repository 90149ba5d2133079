#pragma once
// Where DrawText may break a wrapped line: at a blank, and before or after a Chinese character,
// but never before a closing punctuation mark, Chinese or Latin, which stays with the text it
// closes.

// "，。、；：？！）》」』”’" and their Latin kin ".,;:?!)]}".
bool ClosesPhrase(wchar_t c);
// True when a new line may begin with `c`, the character after `previous` on the same line.
bool MayBreakBefore(wchar_t previous, wchar_t c);
