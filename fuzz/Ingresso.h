// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// Fuzzer bytes as a pupil's text: UTF-8 where it is valid, and any
// character code the keyboard might send otherwise.
inline QString testoDa(const uint8_t *dati, size_t n)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(dati), qsizetype(n));
}

// The first two bytes as a signed 16-bit number.
inline int interoDa(const uint8_t *dati, size_t n)
{
    if (n < 2)
        return n == 1 ? int(int8_t(dati[0])) : 0;
    return int(int16_t(uint16_t(dati[0]) | uint16_t(dati[1]) << 8));
}

#define VERIFICA(condizione)                                                                                           \
    do {                                                                                                               \
        if (!(condizione))                                                                                             \
            __builtin_trap();                                                                                          \
    } while (0)
