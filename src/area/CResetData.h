#pragma once

// One reset line: M, O, P, G, E, D or R and up to four arguments; what each
// argument means depends on the command.
class CResetData {
public:
    char command = 'M';
    int arg1 = 0;
    int arg2 = 0;
    int arg3 = 0;
    int arg4 = 0;
    // The file line the record began on, 0 for a record not read from a file;
    // never written.
    int line = 0;
};
