#pragma once

// Whether the program's standard error is a terminal (a person watching) rather than a file
// or a pipe. Platform code, kept in the link's platform layer with the serial port's.

bool StandardErrorIsTerminal();
