#pragma once

#include "gui/CAreaDocument.h"

#include <QMainWindow>

class CTolvexView;
class QLabel;
class QStatusBar;

// The frame of one map window: the map view with a status bar of its own,
// the map status bar, whose single pane shows the level and the selection.
class CChildFrame : public QMainWindow, public IAreaWindow {
    Q_OBJECT

public:
    explicit CChildFrame(CAreaDocument& document, QWidget* parent = nullptr);
    // A frame around a view of its own kind, made on the document.
    CChildFrame(CAreaDocument& document, CTolvexView* ownView, QWidget* parent = nullptr);
    ~CChildFrame() override;

    // The frame behind one of a document's windows: every window is a frame.
    static CChildFrame* Of(IAreaWindow* window) { return static_cast<CChildFrame*>(window); }

    CAreaDocument& Document() const { return document; }
    CTolvexView* View() const { return view; }

    QStatusBar* MapStatusBar() const;
    QString MapStatusText() const;
    void SetMapStatusText(const QString& text);

    // The caption: the document's title (numbered when the area has several
    // windows) with the modified marker.
    void SetCaption(const QString& caption, bool modified) override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CAreaDocument& document;
    CTolvexView* view;
    QLabel* pane;
};
