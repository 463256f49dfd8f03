/* SPDX-License-Identifier: GPL-3.0-or-later */
/* Given to libmdb's own sources on Windows (-include): its file names are UTF-8. */
#pragma once
#include <stdio.h>
#include <sys/stat.h>

FILE* kelvara_fopen_utf8(const char* name, const char* mode);
int kelvara_stat_utf8(const char* name, struct stat* status);
#define fopen(name, mode) kelvara_fopen_utf8(name, mode)
#define stat(name, status) kelvara_stat_utf8(name, status)
