// The two back buffers that the views paint through.
#pragma once

// Releases both buffers; the next paint makes them again.
void FreeBackBuffers();
