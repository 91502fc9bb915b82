#include "app/CProblemsPanel.h"

#include "app/CProblemsModel.h"
#include "app/CWorld.h"
#include "check/AreaCheck.h"
#include "gui/CAreaDocument.h"
#include "gui/Prompt.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>
#include <QTreeView>

namespace {

QString Plural(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromLatin1(count == 1 ? one : many));
}

} // namespace

CProblemsPanel::CProblemsPanel(QWidget* parent)
    : CRememberedDock(QStringLiteral("Problems"), QStringLiteral("Settings/ShowProblems"), parent)
{
    setObjectName(QStringLiteral("problemsPanel"));
    // Looked up once: a large area has tens of thousands of lines.
    model = new CProblemsModel(style()->standardIcon(QStyle::SP_MessageBoxCritical),
        style()->standardIcon(QStyle::SP_MessageBoxWarning), this);
    list = new QTreeView(this);
    list->setObjectName(QStringLiteral("problemsList"));
    list->setModel(model);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setWordWrap(false);
    list->header()->setStretchLastSection(true);
    list->header()->setSectionResizeMode(CProblemsModel::WhereColumn, QHeaderView::ResizeToContents);
    setWidget(list);

    QAction* toggle = toggleViewAction();
    toggle->setObjectName(QStringLiteral("actionViewProblems"));
    toggle->setText(QStringLiteral("&Problems"));
    toggle->setStatusTip(QStringLiteral("Shows or hides the problems of the active area"));
    connect(list, &QTreeView::activated, this, &CProblemsPanel::OnLineActivated);

    // On a large area a check takes a good part of a frame: the edit reaches
    // the screen first, and a burst of steps (a held Ctrl+Z) is checked once.
    refreshTimer = new QTimer(this);
    refreshTimer->setSingleShot(true);
    refreshTimer->setInterval(RefreshDelayMs);
    connect(refreshTimer, &QTimer::timeout, this, &CProblemsPanel::Refresh);
}

void CProblemsPanel::SetDocument(CAreaDocument* area)
{
    if (document == area)
        return;
    if (document)
        disconnect(document, nullptr, this, nullptr);
    document = area;
    if (document) {
        // Only the records and a save (which drops the load warnings and the
        // file lines) change what is listed; the zoom and the captions do not.
        connect(document, &CAreaDocument::RecordsChanged, this, &CProblemsPanel::RefreshSoon);
        connect(document, &CAreaDocument::Saved, this, &CProblemsPanel::RefreshSoon);
        connect(document, &QObject::destroyed, this, [this] { SetDocument(nullptr); });
    }
    Refresh();
}

void CProblemsPanel::RefreshSoon()
{
    refreshTimer->start();
}

void CProblemsPanel::Refresh()
{
    refreshTimer->stop();
    if (document) {
        model->SetLines(document->LoadDiagnostics(), Findings(*document));
    } else {
        model->SetLines({}, {});
    }
    emit CountsChanged(model->Count(Severity::Error), model->Count(Severity::Warning));
}

void CProblemsPanel::OnDocumentsChanged()
{
    // Another area opened or closed: only the programs it has can change a finding.
    if (document && otherMobprogs && otherMobprogs(document) != checkedOthers)
        RefreshSoon();
}

void CProblemsPanel::OnLineActivated(const QModelIndex& index)
{
    const auto kind = static_cast<RecordKind>(index.siblingAtColumn(0).data(CProblemsModel::KindRole).toInt());
    const int vnum = index.siblingAtColumn(0).data(CProblemsModel::VnumRole).toInt();
    if (kind == RecordKind::Room)
        emit RoomActivated(vnum);
    else if (kind != RecordKind::Header)
        emit RecordActivated(kind, vnum);
}

int CProblemsPanel::CountErrors(const CAreaDocument& area)
{
    return CountFindings(Findings(area), Severity::Error);
}

std::vector<CFinding> CProblemsPanel::Findings(const CAreaDocument& area)
{
    if (world && world->Has(&area))
        return world->FindingsOf(area);
    const std::vector<int> others = otherMobprogs ? otherMobprogs(&area) : std::vector<int>();
    if (&area == document)
        checkedOthers = others;
    return CheckArea(area.Doc(), others);
}

QString CProblemsPanel::CountsText(int errorCount, int warningCount)
{
    return Plural(errorCount, "error", "errors") + QStringLiteral(", ") + Plural(warningCount, "warning", "warnings");
}

QString CProblemsPanel::ReadWithText(int errorCount, int warningCount)
{
    QString counts;
    if (errorCount > 0)
        counts = Plural(errorCount, "error", "errors");
    if (warningCount > 0)
        counts += (counts.isEmpty() ? QString() : QStringLiteral(" and ")) + Plural(warningCount, "warning", "warnings");
    return QStringLiteral("Read with %1 (see Problems)").arg(counts);
}

QString CProblemsPanel::SavedWithErrorsText(int errorCount)
{
    return QStringLiteral("Saved with %1 the server will refuse").arg(Plural(errorCount, "error", "errors"));
}

bool CProblemsPanel::RefreshPending() const
{
    return refreshTimer->isActive();
}
