// The batch form: one OK press on one window for every MODE<TAB>INPUT line
// of the input, one escaped INPUTBOX<TAB>OUTPUTBOX<TAB>ERRORBOX record for
// each on the output. Malformed lines, and inputs too long for the window
// to count (engine/record_limit.h), are reported on the error descriptor with
// their line number and skipped; a last line that a failed read cut short
// is reported, never converted.
//
// Output is written in large blocks while more input is already at hand,
// and flushed whenever the next read could wait, so that both a file of a
// million lines and a program feeding one line at a time are well served.
#pragma once

namespace radixel::cli {

// Runs the batch; returns the exit status: 0, or 2 when a line was
// malformed or input or output failed.
int RunBatch(int inFd, int outFd, int errFd);

}  // namespace radixel::cli
