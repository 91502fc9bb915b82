#pragma once

#include "area/Diagnostics.h"

#include <QString>

#include <vector>

class QWidget;

// Reports a read or a save to the builder: the diagnostics that stand on their
// own appear at once as message boxes, in order; the others are kept and shown
// together by ShowSummary, so nothing the file loses goes unsaid.
class CPromptDiagnostics : public IDiagnostics {
public:
    CPromptDiagnostics(QWidget* parent, const QString& fileName);

    void Report(const CDiagnostic& diagnostic) override;

    // One box listing the kept diagnostics with their lines; nothing when
    // there are none. `heading` introduces the list; %1 is the file name.
    void ShowSummary(const QString& heading);

    const std::vector<CDiagnostic>& Kept() const { return kept; }

    // The most lines one box lists; the rest are counted.
    static constexpr int MaxListed = 40;

private:
    QWidget* parent;
    QString fileName;
    std::vector<CDiagnostic> kept;
};
