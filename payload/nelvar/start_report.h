// The start report that test runs ask for through the environment.
#pragma once

// When the environment variable NELVAR_REPORT names a file, writes to it (UTF-8, one
// item a line): "command line: ...", "current directory: ..." and "language: <code>".
// Failures are ignored: the program runs on either way.
void WriteStartReport(const wchar_t* languageCode);
