// kivgen N DIR: writes the synthetic installation of N applications below DIR
// and prints the sizes of what it wrote.
#include "SyntheticInstallation.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 3 || atoi(argv[1]) < 1) {
        fprintf(stderr, "usage: kivgen N DIR\n");
        return 2;
    }
    SyntheticInstallation::Sizes sizes;
    if (!SyntheticInstallation::write(argv[2], atoi(argv[1]), &sizes)) {
        perror(argv[2]);
        return 1;
    }
    printf(
        "registration: %d files, %ld bytes\nsymbols: %d files, %ld bytes\nfields: %d files, %ld bytes\n"
        "peer.cfg: %ld bytes\n",
        sizes.arfFiles, sizes.arfBytes, sizes.srfFiles, sizes.srfBytes, sizes.frfFiles, sizes.frfBytes,
        sizes.peerBytes);
    return 0;
}
