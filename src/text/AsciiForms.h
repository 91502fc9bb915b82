#pragma once

// The ASCII a typographic character is written as where the file holds
// only single bytes (’ as ', “ as ", — as -, … as ..., € as EUR), or
// nullptr for a character without one.
const char* AsciiFormOf(char32_t character);
