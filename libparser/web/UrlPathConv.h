#ifndef KIVPARSER_WEB_URLPATHCONV_H
#define KIVPARSER_WEB_URLPATHCONV_H

// Escapes a path for use in a URL: bytes of 128 and above become %XX (upper-case
// hex), everything else stays. Takes `path` over (releases it); the caller owns
// the result. Null gives null, and so does a failed allocation.
char* UrlPathConv(char* path);

#endif
