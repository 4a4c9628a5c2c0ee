// The whole process's game state put back as the program starts with it.
#pragma once

// Every subsystem's process-wide values, tables, pictures and kept files back to their values at
// program start, as if the process had just begun; no view may be alive when it is called.
void ResetProcessState();
