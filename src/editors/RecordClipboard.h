#pragma once

#include <QByteArray>

#include <cstdint>
#include <vector>

// A record on the system clipboard under its own format name, as the only
// content of the clipboard, so another running editor can paste it.
void PutRecordOnClipboard(const char* format, const std::vector<uint8_t>& bytes);

// The bytes of the clipboard's record of `format`; false when it holds none.
bool RecordOnClipboard(const char* format, QByteArray& bytes);
