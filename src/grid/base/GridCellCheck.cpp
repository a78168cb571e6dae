#include "grid/base/GridCellCheck.h"

namespace gx {

std::string TGxStringGridCheck::MarkError(int, int, std::string s)
{
    return s;
}

std::string TGxStringGridCheck::Correct(int, int, std::string s)
{
    return s;
}

}  // namespace gx
