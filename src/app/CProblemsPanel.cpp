#include "app/CProblemsPanel.h"

#include "check/AreaCheck.h"
#include "gui/AppSettings.h"
#include "gui/CAreaDocument.h"
#include "gui/Prompt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>

namespace {

const QString SettingsShown = QStringLiteral("Settings/ShowProblems");

enum Column { WhereColumn,
    TextColumn };
enum Role { KindRole = Qt::UserRole,
    VnumRole };

QString Plural(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QString::fromLatin1(count == 1 ? one : many));
}

} // namespace

CProblemsPanel::CProblemsPanel(QWidget* parent)
    : QDockWidget(QStringLiteral("Problems"), parent)
{
    setObjectName(QStringLiteral("problemsPanel"));
    list = new QTreeWidget(this);
    list->setObjectName(QStringLiteral("problemsList"));
    list->setColumnCount(2);
    list->setHeaderLabels({ QStringLiteral("Where"), QStringLiteral("Problem") });
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setWordWrap(false);
    list->header()->setStretchLastSection(true);
    list->header()->setSectionResizeMode(WhereColumn, QHeaderView::ResizeToContents);
    setWidget(list);

    QAction* toggle = toggleViewAction();
    toggle->setObjectName(QStringLiteral("actionViewProblems"));
    toggle->setText(QStringLiteral("&Problems"));
    toggle->setStatusTip(QStringLiteral("Shows or hides the problems of the active area"));
    // Only the builder's own choice is kept, not the hiding when the program closes.
    connect(toggle, &QAction::triggered, this, &CProblemsPanel::RememberShown);
    connect(list, &QTreeWidget::itemActivated, this, &CProblemsPanel::OnItemActivated);
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
        connect(document, &CAreaDocument::RecordsChanged, this, &CProblemsPanel::Refresh);
        connect(document, &CAreaDocument::Saved, this, &CProblemsPanel::Refresh);
        connect(document, &QObject::destroyed, this, [this] { SetDocument(nullptr); });
    }
    Refresh();
}

void CProblemsPanel::Refresh()
{
    list->clear();
    errors = 0;
    warnings = 0;
    if (document) {
        for (const CDiagnostic& d : document->LoadDiagnostics()) {
            const QString where = d.line > 0 ? QStringLiteral("line %1").arg(d.line) : QStringLiteral("File");
            // The reader's long messages are written for a message box.
            AddLine(d.severity, where, FromBytes(d.text).replace(QLatin1Char('\n'), QLatin1Char(' ')), RecordKind::Header, 0);
        }
        const std::vector<int> others = otherMobprogs ? otherMobprogs(document) : std::vector<int>();
        for (const CFinding& f : CheckArea(document->Doc(), others)) {
            QString where = QString::fromLatin1(RecordKindName(f.kind));
            if (f.kind != RecordKind::Header)
                where += QStringLiteral(" %1").arg(f.vnum);
            if (f.line > 0)
                where += QStringLiteral(", line %1").arg(f.line);
            AddLine(f.severity, where, FromBytes(f.text), f.kind, f.vnum);
        }
    }
    emit CountsChanged(errors, warnings);
}

void CProblemsPanel::AddLine(Severity severity, const QString& where, const QString& text, RecordKind kind, int vnum)
{
    const bool error = severity == Severity::Error;
    (error ? errors : warnings)++;
    auto* item = new QTreeWidgetItem(list, { where, text });
    item->setIcon(WhereColumn, style()->standardIcon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning));
    item->setToolTip(TextColumn, text);
    item->setData(WhereColumn, KindRole, static_cast<int>(kind));
    item->setData(WhereColumn, VnumRole, vnum);
}

void CProblemsPanel::OnItemActivated(QTreeWidgetItem* item)
{
    const auto kind = static_cast<RecordKind>(item->data(WhereColumn, KindRole).toInt());
    const int vnum = item->data(WhereColumn, VnumRole).toInt();
    if (kind == RecordKind::Room)
        emit RoomActivated(vnum);
    else if (kind != RecordKind::Header)
        emit RecordActivated(kind, vnum);
}

int CProblemsPanel::CountErrors(const CAreaDocument& area) const
{
    const std::vector<int> others = otherMobprogs ? otherMobprogs(&area) : std::vector<int>();
    return CountFindings(CheckArea(area.Doc(), others), Severity::Error);
}

void CProblemsPanel::closeEvent(QCloseEvent* event)
{
    RememberShown(false);
    QDockWidget::closeEvent(event);
}

bool CProblemsPanel::ShownInSettings()
{
    return AppSettings()->value(SettingsShown, true).toBool();
}

void CProblemsPanel::RememberShown(bool shown)
{
    AppSettings()->setValue(SettingsShown, shown);
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
