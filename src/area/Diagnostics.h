#pragma once

#include <string>
#include <vector>

enum class Severity { Warning,
    Error };

// Something the reader or writer could not keep, or must tell the builder.
// `messageBox` marks the messages that the editor shows on their own, at once,
// with `title`; the others it lists together after the file is read.
struct CDiagnostic {
    Severity severity = Severity::Warning;
    int line = 0; // 0: no line applies
    std::string title;
    std::string text;
    bool messageBox = false;
};

class IDiagnostics {
public:
    virtual ~IDiagnostics() = default;
    virtual void Report(const CDiagnostic& diagnostic) = 0;
};

// Keeps every diagnostic, in order.
class CDiagnosticList : public IDiagnostics {
public:
    void Report(const CDiagnostic& diagnostic) override { items.push_back(diagnostic); }
    std::vector<CDiagnostic> items;
};

// Message titles and texts shared by the reader and the editor.
//
// Every text a user sees, here and throughout the editor and tolvex-cli, is
// kept exactly as builders have always seen it, typos and Spanish included
// ("afected", "mantain", "Equipt mob", "VNum out or range!", "Error leyendo
// tolvex.cfg!"). Scripts and habits match them byte for byte: do not correct
// or translate them.
namespace Messages {
inline const char* const WarningTitle = "Warning!";
inline const char* const ErrorTitle = "Error!";
inline const char* const UnknownRace =
    "WARNING! The race '%s' in this file that does not exist in the\n"
    "race table. The race will be added to the table in memory\n"
    "but you should added it to the config file or change the race\n"
    "of the afected mob. Mob: %s (%d).";
inline const char* const UnknownObjectType =
    "ERROR! Object %s (%d) invalid type '%s'! Add the type to\n"
    "the type table in the config file. To mantain the integrity of\n"
    "your data file the loading process will be aborted.";
} // namespace Messages
