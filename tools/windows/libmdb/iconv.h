/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The few conversions libmdb asks of iconv on Windows, where the C runtime has none: between
   UTF-8 and UCS-2LE (Jet 4's text) and between UTF-8 and Windows-1252 (Jet 3's). */
#pragma once
#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct KelvaraIconv* iconv_t;
iconv_t iconv_open(const char* to, const char* from);
size_t iconv(iconv_t cd, char** in, size_t* inLeft, char** out, size_t* outLeft);
int iconv_close(iconv_t cd);

#ifdef __cplusplus
}
#endif
