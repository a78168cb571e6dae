#include "app/UStartProgram.h"

#include <sstream>
#include <vector>

sys::RunResult Start_Program(const std::string& NomeSW, const std::string& Parameter, bool /*tipo*/,
                             std::chrono::milliseconds limit)
{
    std::vector<std::string> args;
    std::istringstream words(Parameter);
    for (std::string w; words >> w;)
        args.push_back(w);
    return sys::RunAndWait(NomeSW, args, limit);
}
