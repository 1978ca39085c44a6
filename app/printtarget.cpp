#include "app/printtarget.h"

PrintTarget::~PrintTarget() = default;

std::string PrintTarget::FileName() const
{
    return {};
}
