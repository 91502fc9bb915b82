#pragma once

#include "config/TableEntry.h"

#include <QListWidget>

#include <cstdint>

// A list of the flags of one table, each marked set or clear by its image. A
// click (or the space bar) on a flag asks for it to be toggled; the owner
// toggles its flag set and shows the result with ShowFlags.
class CFlagList : public QListWidget {
    Q_OBJECT
public:
    enum Mode { Rows,
        Column };
    explicit CFlagList(Mode mode, QWidget* parent = nullptr);

    // One item per entry in table order, carrying the entry's value.
    void Fill(const CEntryTable<CTableEntry>& table, uint32_t flags);
    // Sets each item's image from `flags`.
    void ShowFlags(uint32_t flags);
    // Whether the item of `value` shows the set image.
    bool IsShownSet(uint32_t value) const;

    // The images for a clear and a set flag.
    static QIcon ClearImage();
    static QIcon SetImage();

Q_SIGNALS:
    void FlagClicked(uint32_t value);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Clicked(QListWidgetItem* item);

    Mode mode;
};
