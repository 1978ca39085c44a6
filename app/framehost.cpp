#include "app/framehost.h"

FrameHost::~FrameHost() = default;
