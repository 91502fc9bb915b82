#include "app/CProblemsModel.h"

#include "gui/Prompt.h"

#include <algorithm>
#include <utility>

CProblemsModel::CProblemsModel(QIcon error, QIcon warning, QObject* parent)
    : QAbstractTableModel(parent)
    , errorIcon(std::move(error))
    , warningIcon(std::move(warning))
{
}

void CProblemsModel::SetLines(const std::vector<CDiagnostic>& diagnostics, std::vector<CFinding> findings)
{
    beginResetModel();
    lines.clear();
    lines.reserve(diagnostics.size() + findings.size());
    for (const CDiagnostic& d : diagnostics)
        lines.push_back({ { d.severity, RecordKind::Header, 0, d.line, d.text }, true });
    for (CFinding& f : findings)
        lines.push_back({ std::move(f), false });
    endResetModel();
}

int CProblemsModel::Count(Severity severity) const
{
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [severity](const CLine& line) { return line.finding.severity == severity; }));
}

int CProblemsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(lines.size());
}

int CProblemsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString CProblemsModel::Where(const CLine& line) const
{
    const CFinding& f = line.finding;
    if (line.fromReader)
        return f.line > 0 ? QStringLiteral("line %1").arg(f.line) : QStringLiteral("File");
    QString where = QString::fromLatin1(RecordKindName(f.kind));
    if (f.kind != RecordKind::Header)
        where += QStringLiteral(" %1").arg(f.vnum);
    if (f.line > 0)
        where += QStringLiteral(", line %1").arg(f.line);
    return where;
}

QString CProblemsModel::Text(const CLine& line) const
{
    // The reader's long messages are written for a message box.
    QString text = FromBytes(line.finding.text);
    return line.fromReader ? text.replace(QLatin1Char('\n'), QLatin1Char(' ')) : text;
}

QVariant CProblemsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const CLine& line = lines[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole: return index.column() == WhereColumn ? Where(line) : Text(line);
    case Qt::ToolTipRole: return index.column() == TextColumn ? QVariant(Text(line)) : QVariant();
    case Qt::DecorationRole:
        if (index.column() != WhereColumn)
            return QVariant();
        return line.finding.severity == Severity::Error ? errorIcon : warningIcon;
    case KindRole: return static_cast<int>(line.finding.kind);
    case VnumRole: return line.finding.vnum;
    default: return QVariant();
    }
}

QVariant CProblemsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    return section == WhereColumn ? QStringLiteral("Where") : QStringLiteral("Problem");
}
