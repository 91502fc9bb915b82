#include "map/CChildFrame.h"

#include "map/CTolvexView.h"
#include "gui/CAreaDocument.h"

#include <QCloseEvent>
#include <QLabel>
#include <QStatusBar>

CChildFrame::CChildFrame(CAreaDocument& area, QWidget* parent)
    : CChildFrame(area, new CTolvexView(area), parent)
{
}

CChildFrame::CChildFrame(CAreaDocument& area, CTolvexView* ownView, QWidget* parent)
    : QMainWindow(parent)
    , document(area)
    , view(ownView)
{
    setObjectName(QStringLiteral("childFrame"));
    setCentralWidget(view);

    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("mapStatusBar"));
    bar->setSizeGripEnabled(false);
    pane = new QLabel(bar);
    pane->setObjectName(QStringLiteral("mapStatusPane"));
    bar->addWidget(pane, 1);
    setStatusBar(bar);

    connect(view, &CTolvexView::StatusTextChanged, this, &CChildFrame::SetMapStatusText);
    SetMapStatusText(view->StatusText());
    area.AddFrame(this);
}

CChildFrame::~CChildFrame()
{
    document.RemoveFrame(this);
}

QStatusBar* CChildFrame::MapStatusBar() const
{
    return statusBar();
}

QString CChildFrame::MapStatusText() const
{
    return pane->text();
}

void CChildFrame::SetMapStatusText(const QString& text)
{
    if (pane->text() != text)
        pane->setText(text);
}

void CChildFrame::SetCaption(const QString& caption, bool modified)
{
    setWindowTitle(caption + QStringLiteral("[*]"));
    setWindowModified(modified);
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    // Closing the last window of an area closes the area: a modified one
    // asks first.
    const bool last = document.Frames().size() == 1;
    if (last && !document.closing && document.IsModified() && document.canClose && !document.canClose(document)) {
        event->ignore();
        return;
    }
    QMainWindow::closeEvent(event);
}
