// Draws every picture of the program into a resource folder:
//   vk_generate_images <resources folder>
// The build's `images` target runs it on the source tree.
#include "imageset.h"

#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    QString failed;
    if (!ImageSet::writeAll(QString::fromLocal8Bit(argv[1]), &failed)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(failed));
        return 1;
    }
    return 0;
}
