// Two characters of hex text to one byte, as the hex column and the hex
// search pattern read them.
#ifndef KORVEX_HEX_PAIR_H
#define KORVEX_HEX_PAIR_H

// Reads pair[0] and pair[1] and overwrites each with its digit value: a
// letter A-Z or a-z counts 10-35, any other character c counts
// (c - '0') mod 256. The byte is (16 * first + second) mod 256. Nothing is
// rejected; callers that must keep their text pass a copy.
unsigned char HexPairValue(char *pair);

// 1 for the characters the hex column holds as digits: 0-9 and A-F.
int IsHexColumnDigit(char c);

#endif
