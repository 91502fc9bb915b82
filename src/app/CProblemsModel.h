#pragma once

#include "check/CFinding.h"

#include <QAbstractTableModel>
#include <QIcon>

#include <vector>

struct CDiagnostic;

// The lines of the Problems panel: what reading the file reported, then what
// the checker finds. The texts are made when a line is shown, so that a large
// area with tens of thousands of findings lists them at once.
class CProblemsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { WhereColumn,
        TextColumn,
        ColumnCount };
    enum Role { KindRole = Qt::UserRole,
        VnumRole };

    CProblemsModel(QIcon errorIcon, QIcon warningIcon, QObject* parent = nullptr);

    void SetLines(const std::vector<CDiagnostic>& diagnostics, std::vector<CFinding> findings);
    int Count(Severity severity) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // A reader's report is kept as a finding of the area that knows its line.
    struct CLine {
        CFinding finding;
        bool fromReader = false;
    };
    QString Where(const CLine& line) const;
    QString Text(const CLine& line) const;

    std::vector<CLine> lines;
    QIcon errorIcon;
    QIcon warningIcon;
};
