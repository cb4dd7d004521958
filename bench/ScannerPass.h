#ifndef KIVPARSER_BENCH_SCANNERPASS_H
#define KIVPARSER_BENCH_SCANNERPASS_H

// The scanner alone over one registration file: every token is read and its
// text released, nothing is built. It is the bound for any parse of the file.
class ScannerPass {
public:
    // Number of tokens in the file, or -1 when it cannot be opened.
    static long scanFile(const char* path);
};

#endif
