#include "canbackend.h"

CanBackend::~CanBackend() = default;
