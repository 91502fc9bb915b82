#pragma once

class CMobData;

// The mob's record on the system clipboard under "TOLVEX_MOB", as the only
// content of the clipboard.
void CopyMobToClipboard(const CMobData& mob);

enum class MobPaste { NoMob, Incomplete, Read };
// Reads the clipboard's mob record over `mob` (its vnum and trainer data
// stay); `mob` changes only when the result is Read.
MobPaste ReadMobFromClipboard(CMobData& mob);
