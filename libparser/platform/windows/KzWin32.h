// Private: included by the Windows half of the platform layer (platform/windows/).
#ifndef KIVPARSER_PLATFORM_WINDOWS_KZWIN32_H
#define KIVPARSER_PLATFORM_WINDOWS_KZWIN32_H

// What the Windows half of the platform layer shares: the locale's code page,
// names converted between it and the wide-character API, and the C library's
// error numbers for the system's error codes.

#include <string>

namespace kivparser {

// The code page of the character-type locale (the code set of the
// registration files and of every name the library is given); 0 in the "C"
// locale.
unsigned kzLocaleCodePage();

// The code page that names of files are converted with: the locale's, or the
// system's ANSI code page in the "C" locale, as the narrow API would.
unsigned kzFileNameCodePage();

// `name`, in the file-name code page, as UTF-16 for the wide-character API;
// false (errno set: ENOENT for a name that does not convert, ENOMEM) when it
// cannot be had.
bool kzWideName(const char* name, std::wstring& wide);

// A name from the wide-character API back in the file-name code page; false
// when a character has no form there (such a name could not be opened by
// the library).
bool kzNarrowName(const wchar_t* wide, std::string& name);

// The errno value that stands for the system's error code `error`.
int kzErrnoFromWin32(unsigned long error);

} // namespace kivparser

#endif
