// Compiled as a model file: the layers below stay in reach.
#include "model/editor_buffer.h"
#include "platform/core/global_memory.h"
