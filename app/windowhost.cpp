#include "app/windowhost.h"

WindowHost::~WindowHost() = default;
