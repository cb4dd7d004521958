// kivgen N DIR: writes the synthetic installation of N applications below DIR
// and prints the sizes of what it wrote.
// kivgen --shuffled N DIR (or --in-order): writes the N application files of
// the shuffled-names case instead (names shuffled, or in file order).
#include "SyntheticInstallation.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    bool shuffled = argc == 4 && strcmp(argv[1], "--shuffled") == 0;
    bool inOrder = argc == 4 && strcmp(argv[1], "--in-order") == 0;
    int first = shuffled || inOrder ? 2 : 1;
    if (argc != first + 2 || atoi(argv[first]) < 1) {
        fprintf(stderr, "usage: kivgen [--shuffled | --in-order] N DIR\n");
        return 2;
    }
    SyntheticInstallation::Sizes sizes;
    bool written = shuffled || inOrder
                       ? SyntheticInstallation::writeShuffled(argv[first + 1], atol(argv[first]), inOrder, &sizes)
                       : SyntheticInstallation::write(argv[first + 1], atoi(argv[first]), &sizes);
    if (!written) {
        perror(argv[first + 1]);
        return 1;
    }
    if (shuffled || inOrder) {
        printf("registration: %d files, %ld bytes\n", sizes.arfFiles, sizes.arfBytes);
        return 0;
    }
    printf(
        "registration: %d files, %ld bytes\nsymbols: %d files, %ld bytes\nfields: %d files, %ld bytes\n"
        "peer.cfg: %ld bytes\n",
        sizes.arfFiles, sizes.arfBytes, sizes.srfFiles, sizes.srfBytes, sizes.frfFiles, sizes.frfBytes,
        sizes.peerBytes);
    return 0;
}
