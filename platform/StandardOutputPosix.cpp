#include "StandardOutput.h"

void UseBinaryStandardOutput()
{
}
