#pragma once

#include "foundation/CodeRecord.h"

// Colouring of a name's use together with what follows it, on gTokens of
// the current view's line. i is the name's token on entry and the last token
// consumed on return; no colourer steps past token N. LineBase is the
// line's start position - 1.

// A variable, constant, function, field or [size] array: its suffix, its
// .Type, its chain of \fields and its [index] in the name's Style. Only an
// index splits the run: its tokens are coloured one by one.
void ColorVar(const CodeRecordPtr& Record, int& i, int N, int LineBase, int Style);
// The same for a Dim array and its (index).
void ColorArrayVar(const CodeRecordPtr& Record, int& i, int N, int LineBase, int Style);
// A run of names and suffix characters written without gaps, in one style.
void ColorBadVar(int& i, int N, int LineBase, int Style);
// One token inside an index, by what declares it.
void ColorTokenLight(int& i, int N, int LineBase);
