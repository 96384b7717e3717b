// Windows programs whose icon the plain About box shows.
#include "standard/PeIconReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    plainbox::FirstIconOfExecutable(QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
