#pragma once

#include "area/RecordKind.h"

class CAreaEditor;
class CTolvexDoc;
class QWidget;

// The record edits that the lists, the map's commands and the Problems panel
// share: each opens the record's editor on a copy and hands the finished
// record to the area as one step. False when cancelled or when `index` is
// not a record of the list.
bool EditRoomInArea(QWidget* parent, CAreaEditor& editor, int index);
bool EditObjectInArea(QWidget* parent, CAreaEditor& editor, int index);
bool EditMobInArea(QWidget* parent, CAreaEditor& editor, int index);

// A new object or mob on the lowest free vnum, edited first; its index, or -1
// when cancelled or when no vnum is free (the builder is told).
int NewObjectInArea(QWidget* parent, CAreaEditor& editor);
int NewMobInArea(QWidget* parent, CAreaEditor& editor);

// Before object or mob `index` is deleted: when resets of the area load it
// (and no other record keeps its vnum), asks whether they go too.
bool ResetsGoToo(QWidget* parent, const CTolvexDoc& doc, RecordKind kind, int index);
