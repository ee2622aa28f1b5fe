// How a list of items is stored as one profile value.
//
// Plain form: every item followed by "," ("vlm1,vlm2,"). Used whenever it
// reads back unchanged, which is the case for ordinary captions and paths.
//
// Escaped form: used when an item holds a ",", a control byte (CR, LF, ...),
// a byte that is not part of a well-formed double-byte character, or when the
// value would start with a space. Such bytes, and every "%", are written as
// "%XX" (two upper-case hex digits), each item is followed by "," and the
// value ends with one extra "%". A plain value always ends with "," (or is
// empty), so the final ",%" tells the two forms apart; files from before the
// escaped form was introduced therefore keep reading as plain values.
//
// No windows.h here: this builds natively for the sanitizer and fuzzing runs.
#pragma once

#include "entries/text.h"

Text EncodeItems(const TextList& items);
TextList DecodeItems(const Text& value);
