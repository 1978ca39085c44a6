#include "app/printtarget.h"

PrintTarget::~PrintTarget() = default;
