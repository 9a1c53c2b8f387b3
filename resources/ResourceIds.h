#pragma once

// Ids of the program file's resources, shared by the resource script and the code.

// The lowest icon id: Explorer shows the first icon group as the program file's icon.
#define IDI_WINDOW 1
