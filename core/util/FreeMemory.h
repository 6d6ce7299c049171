#pragma once
// Gives the memory the process has freed back to the system.

// The allocator keeps freed memory for later use; after a folder closes that may be hundreds of
// megabytes of a large declaration, which the program, idle until the next open, does not need.
void ReturnFreeMemoryToSystem();
