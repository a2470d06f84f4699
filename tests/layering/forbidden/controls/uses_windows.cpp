// The layering test must refuse this: a portable folder including the system's header.
#include <windows.h>
