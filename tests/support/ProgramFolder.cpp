#include "tests/support/ProgramFolder.h"

QString programFolder() { return qEnvironmentVariable("K98_BIN_DIR", QStringLiteral(K98_BUILT_BIN_DIR)); }
