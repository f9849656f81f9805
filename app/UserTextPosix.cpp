#include "UserText.h"

#include <iostream>

void ShowUserText(const std::string& text, bool isError)
{
    (isError ? std::cerr : std::cout) << text << std::flush;
}
