#include "tools/Screenshot.h"

#include <cstdio>

bool reportShot(bool saved, const QString& file)
{
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}
