// Compiled as a model file: reaching up to the engine must not compile.
#include "engine/format_editor.h"
