#pragma once
// Waiting inside a handler: either handle pending events (nested) or block without them.

// Handles all pending events of the program, nested inside the running handler.
void ProcessMessages();

// Blocks the calling thread for ms milliseconds without handling any event.
void WaitMs(int ms);
