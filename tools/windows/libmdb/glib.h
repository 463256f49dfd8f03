/* SPDX-License-Identifier: GPL-3.0-or-later
 * libmdb's own small GLib (mdbfakeglib.h) stands in for GLib on Windows. A C++ program includes <glib.h> before
 * <mdbtools.h>, since mdbtools.h declares GLib's functions without C linkage: this header gives it the small one,
 * with C linkage, the system headers it needs first. */
#ifndef KELVARA_MDB_GLIB_H
#define KELVARA_MDB_GLIB_H
#include <inttypes.h>
#include <locale.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <strings.h>
#include <time.h>
#ifdef __cplusplus
extern "C" {
#endif
#include <mdbfakeglib.h>
#ifdef __cplusplus
}
#endif
#endif
