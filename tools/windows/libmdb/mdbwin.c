/* SPDX-License-Identifier: GPL-3.0-or-later */
/* What libmdb needs on Windows beyond the C runtime: iconv for its text conversions, and file
   names taken as UTF-8 (the C runtime's fopen and stat take the ANSI code page, which cannot
   name every folder a player may have). */
#include "iconv.h"

#include <errno.h>
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <windows.h>

enum Encoding { Utf8, Ucs2le, Cp1252, NoEncoding };

struct KelvaraIconv
{
    enum Encoding to, from;
};

/* The Windows-1252 letters of 0x80 to 0x9F; 0 where the code page has none. */
static const unsigned short cp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                              0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                              0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                              0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

static enum Encoding EncodingNamed(const char* name)
{
    if (_stricmp(name, "UTF-8") == 0 || _stricmp(name, "UTF8") == 0)
        return Utf8;
    if (_stricmp(name, "UCS-2LE") == 0 || _stricmp(name, "UTF-16LE") == 0)
        return Ucs2le;
    if (_stricmp(name, "CP1252") == 0 || _stricmp(name, "WINDOWS-1252") == 0)
        return Cp1252;
    return NoEncoding;
}

iconv_t iconv_open(const char* to, const char* from)
{
    struct KelvaraIconv* cd;
    enum Encoding t = EncodingNamed(to), f = EncodingNamed(from);
    if (t == NoEncoding || f == NoEncoding || (t != Utf8 && f != Utf8)) {
        errno = EINVAL;
        return (iconv_t)-1;
    }
    cd = malloc(sizeof *cd);
    if (!cd) {
        errno = ENOMEM;
        return (iconv_t)-1;
    }
    cd->to = t;
    cd->from = f;
    return cd;
}

int iconv_close(iconv_t cd)
{
    free(cd);
    return 0;
}

/* Reads one character of `encoding` at `in`: its length, 0 for an incomplete one, -1 for an invalid one. */
static int Decode(enum Encoding encoding, const unsigned char* in, size_t left, unsigned long* c)
{
    int length, i;
    if (encoding == Ucs2le) {
        if (left < 2)
            return 0;
        *c = in[0] | (unsigned long)in[1] << 8;
        return 2;
    }
    if (left < 1)
        return 0;
    if (encoding == Cp1252) {
        *c = in[0];
        if (*c >= 0x80 && *c < 0xA0) {
            *c = cp1252High[*c - 0x80];
            if (*c == 0)
                return -1;
        }
        return 1;
    }
    if (in[0] < 0x80) {
        *c = in[0];
        return 1;
    }
    if ((in[0] & 0xE0) == 0xC0)
        length = 2, *c = in[0] & 0x1F;
    else if ((in[0] & 0xF0) == 0xE0)
        length = 3, *c = in[0] & 0x0F;
    else if ((in[0] & 0xF8) == 0xF0)
        length = 4, *c = in[0] & 0x07;
    else
        return -1;
    for (i = 1; i < length; ++i) {
        if ((size_t)i >= left)
            return 0;
        if ((in[i] & 0xC0) != 0x80)
            return -1;
        *c = *c << 6 | (in[i] & 0x3F);
    }
    if ((length == 2 && *c < 0x80) || (length == 3 && *c < 0x800) || (length == 4 && *c < 0x10000) || *c > 0x10FFFF
        || (*c >= 0xD800 && *c < 0xE000))
        return -1;
    return length;
}

/* Writes `c` in `encoding`: its length, 0 when there is no room, -1 when the encoding cannot hold it. */
static int Encode(enum Encoding encoding, unsigned long c, unsigned char* out, size_t left)
{
    int i;
    if (encoding == Ucs2le) {
        if (c > 0xFFFF)
            return -1;
        if (left < 2)
            return 0;
        out[0] = (unsigned char)c;
        out[1] = (unsigned char)(c >> 8);
        return 2;
    }
    if (encoding == Cp1252) {
        unsigned char byte = (unsigned char)c;
        if (c >= 0x80 && (c < 0xA0 || c > 0xFF)) {
            for (i = 0; i < 32 && cp1252High[i] != c; ++i)
                ;
            if (i == 32)
                return -1;
            byte = (unsigned char)(0x80 + i);
        }
        if (left < 1)
            return 0;
        out[0] = byte;
        return 1;
    }
    if (c < 0x80) {
        if (left < 1)
            return 0;
        out[0] = (unsigned char)c;
        return 1;
    }
    {
        const int length = c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
        if (left < (size_t)length)
            return 0;
        out[0] = (unsigned char)(length == 2 ? 0xC0 | c >> 6 : length == 3 ? 0xE0 | c >> 12 : 0xF0 | c >> 18);
        for (i = 1; i < length; ++i)
            out[i] = (unsigned char)(0x80 | ((c >> (6 * (length - 1 - i))) & 0x3F));
        return length;
    }
}

size_t iconv(iconv_t cd, char** in, size_t* inLeft, char** out, size_t* outLeft)
{
    if (!in || !*in)
        return 0; /* no state to reset */
    while (*inLeft > 0) {
        unsigned long c;
        const int read = Decode(cd->from, (const unsigned char*)*in, *inLeft, &c);
        int written;
        if (read <= 0) {
            errno = read == 0 ? EINVAL : EILSEQ;
            return (size_t)-1;
        }
        written = Encode(cd->to, c, (unsigned char*)*out, *outLeft);
        if (written <= 0) {
            errno = written == 0 ? E2BIG : EILSEQ;
            return (size_t)-1;
        }
        *in += read;
        *inLeft -= (size_t)read;
        *out += written;
        *outLeft -= (size_t)written;
    }
    return 0;
}

/* The UTF-8 name as Windows' own, or NULL. */
static wchar_t* WideName(const char* name)
{
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, NULL, 0);
    wchar_t* wide = length > 0 ? malloc(sizeof(wchar_t) * (size_t)length) : NULL;
    if (wide && MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, wide, length) != length) {
        free(wide);
        wide = NULL;
    }
    return wide;
}

/* Opens the database as Windows programs open a file others may replace: sharing reading, writing and
   deleting, so that a new copy of the game's database can be renamed over the one being read (as on
   Linux, where the open file stays readable). Modes other than reading ("r", "r+") go to the C runtime. */
FILE* kelvara_fopen_utf8(const char* name, const char* mode)
{
    wchar_t* wide = WideName(name);
    const int update = strchr(mode, '+') != NULL;
    FILE* file = NULL;
    if (!wide) {
        errno = ENOENT;
    } else if (mode[0] == 'r') {
        const HANDLE handle = CreateFileW(wide, GENERIC_READ | (update ? GENERIC_WRITE : 0),
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, NULL, OPEN_EXISTING,
                                          FILE_ATTRIBUTE_NORMAL, NULL);
        const int descriptor = handle == INVALID_HANDLE_VALUE
                                   ? -1
                                   : _open_osfhandle((intptr_t)handle, _O_BINARY | (update ? _O_RDWR : _O_RDONLY));
        if (handle == INVALID_HANDLE_VALUE)
            errno = GetLastError() == ERROR_ACCESS_DENIED ? EACCES : ENOENT;
        else if (descriptor < 0)
            CloseHandle(handle);
        else if (!(file = _fdopen(descriptor, update ? "r+b" : "rb")))
            _close(descriptor);
    } else {
        wchar_t wideMode[8];
        if (MultiByteToWideChar(CP_UTF8, 0, mode, -1, wideMode, 8) > 0)
            file = _wfopen(wide, wideMode);
        else
            errno = EINVAL;
    }
    free(wide);
    return file;
}

/* Only whether the file is there: libmdb asks no more. */
int kelvara_stat_utf8(const char* name, struct stat* status)
{
    wchar_t* wide = WideName(name);
    const DWORD attributes = wide ? GetFileAttributesW(wide) : INVALID_FILE_ATTRIBUTES;
    free(wide);
    memset(status, 0, sizeof *status);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        errno = ENOENT;
        return -1;
    }
    return 0;
}
